// Renders the program icon (the tray's note) as the PNGs that the install
// step puts into the hicolor icon theme:
//   paperlet_render_icons resources/desktop/icons
#include "app/tray_images.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = TrayImages::icon(TrayImages::Note);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (!icon.pixmap(size, size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
