#include "core/error.h"
#include "framework/theme_registry.h"
#include "theme/ide_theme.h"

#include <QApplication>
#include <QTest>

namespace {

// Counts its own objects so the test sees creation and destruction.
int liveThemes = 0;

std::unique_ptr<TTBXTheme> countedIde(const QString &name)
{
    auto theme = std::make_unique<TTBXIdeTheme>(name);
    ++liveThemes;
    QObject::connect(theme.get(), &QObject::destroyed, [] { --liveThemes; });
    return theme;
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const PaperletError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestThemeRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void errors()
    {
        ThemeRegistry *registry = ThemeRegistry::instance();
        QCOMPARE(errorOf([&] { registry->registerTheme(QString(), countedIde); }),
                 QStringLiteral("Cannot register theme"));
        QCOMPARE(errorOf([&] { registry->registerTheme(QStringLiteral("X"), nullptr); }),
                 QStringLiteral("Cannot register theme"));
        registry->registerTheme(QStringLiteral("Counted"), countedIde);
        QCOMPARE(errorOf([&] { registry->registerTheme(QStringLiteral("Counted"), countedIde); }),
                 QStringLiteral("Theme Counted is already registered"));
        QCOMPARE(errorOf([&] { registry->selectTheme(QStringLiteral("Nope")); }),
                 QStringLiteral("Unknown theme Nope"));
        QCOMPARE(errorOf([&] { ThemeSwitcher().setTheme(QStringLiteral("Nope")); }),
                 QStringLiteral("Unknown theme Nope"));
        QVERIFY(registry->currentTheme() == nullptr);   // a failed selection changes nothing
    }

    // Made on first use, kept while used, freed at the last release.
    void useCounting()
    {
        ThemeRegistry *registry = ThemeRegistry::instance();
        QCOMPARE(liveThemes, 0);
        {
            ThemeSwitcher tbxSwitch;
            tbxSwitch.setTheme(QStringLiteral("Counted"));
            QCOMPARE(liveThemes, 1);
            QCOMPARE(registry->currentThemeName(), QStringLiteral("Counted"));
            QCOMPARE(registry->useCount(QStringLiteral("Counted")), 2);   // the switcher and "current"
            TTBXTheme *again = registry->acquireTheme(QStringLiteral("Counted"));
            QCOMPARE(again, registry->currentTheme());
            QCOMPARE(liveThemes, 1);
            registry->releaseTheme(QStringLiteral("Counted"));
        }
        QCOMPARE(registry->useCount(QStringLiteral("Counted")), 1);
        registerIdeTheme();
        registry->selectTheme(QStringLiteral("Ide"));
        QCOMPARE(liveThemes, 0);   // the previous current theme was released
        QCOMPARE(registry->currentTheme()->Name(), QStringLiteral("Ide"));
        QCOMPARE(registry->names(), (QStringList{QStringLiteral("Counted"), QStringLiteral("Ide")}));
    }

    // ApplicationPaletteChange arrives as codes 1, 2 and 3, once each.
    void paletteChangeBroadcast()
    {
        QList<int> codes;
        auto connection = connect(ThemeRegistry::instance(), &ThemeRegistry::sysCommand,
                                  [&](int code) { codes.append(code); });
        QWidget someWidget;
        someWidget.show();
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, QColor(1, 2, 3));
        QApplication::setPalette(p);
        disconnect(connection);
        QCOMPARE(codes, (QList<int>{1, 2, 3}));
    }
};

QTEST_MAIN(TestThemeRegistry)
#include "tst_theme_registry.moc"
