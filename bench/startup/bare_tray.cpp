// The floor for the start-up comparison: a Qt Widgets program that only shows
// one tray icon, painted like Paperlet's so that both do the same work there.

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(2, 2, 12, 12, QColor(0xFF, 0xE8, 0x5C));
    QSystemTrayIcon tray{QIcon(picture)};
    tray.setToolTip(QStringLiteral("bare"));
    tray.show();
    return app.exec();
}
