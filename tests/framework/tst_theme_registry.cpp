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
        TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
        QCOMPARE(errorOf([&] { registry->RegisterTheme(QString(), countedIde); }),
                 QStringLiteral("Cannot register theme"));
        QCOMPARE(errorOf([&] { registry->RegisterTheme(QStringLiteral("X"), nullptr); }),
                 QStringLiteral("Cannot register theme"));
        registry->RegisterTheme(QStringLiteral("Counted"), countedIde);
        QCOMPARE(errorOf([&] { registry->RegisterTheme(QStringLiteral("Counted"), countedIde); }),
                 QStringLiteral("Theme Counted is already registered"));
        QCOMPARE(errorOf([&] { registry->SelectTheme(QStringLiteral("Nope")); }),
                 QStringLiteral("Unknown theme Nope"));
        QCOMPARE(errorOf([&] { TTBXSwitcher().SetTheme(QStringLiteral("Nope")); }),
                 QStringLiteral("Unknown theme Nope"));
        QVERIFY(registry->CurrentTheme() == nullptr);   // a failed selection changes nothing
    }

    // Made on first use, kept while used, freed at the last release.
    void useCounting()
    {
        TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
        QCOMPARE(liveThemes, 0);
        {
            TTBXSwitcher tbxSwitch;
            tbxSwitch.SetTheme(QStringLiteral("Counted"));
            QCOMPARE(liveThemes, 1);
            QCOMPARE(registry->CurrentThemeName(), QStringLiteral("Counted"));
            QCOMPARE(registry->UseCount(QStringLiteral("Counted")), 2);   // the switcher and "current"
            TTBXTheme *again = registry->AcquireTheme(QStringLiteral("Counted"));
            QCOMPARE(again, registry->CurrentTheme());
            QCOMPARE(liveThemes, 1);
            registry->ReleaseTheme(QStringLiteral("Counted"));
        }
        QCOMPARE(registry->UseCount(QStringLiteral("Counted")), 1);
        registerIdeTheme();
        registry->SelectTheme(QStringLiteral("Ide"));
        QCOMPARE(liveThemes, 0);   // the previous current theme was released
        QCOMPARE(registry->CurrentTheme()->Name(), QStringLiteral("Ide"));
        QCOMPARE(registry->Names(), (QStringList{QStringLiteral("Counted"), QStringLiteral("Ide")}));
    }

    // ApplicationPaletteChange arrives as codes 1, 2 and 3, once each.
    void paletteChangeBroadcast()
    {
        QList<int> codes;
        auto connection = connect(TTBXThemeRegistry::Instance(), &TTBXThemeRegistry::SysCommand,
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
