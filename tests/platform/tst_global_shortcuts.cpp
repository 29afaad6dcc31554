// The default global shortcuts: one for each action, none the same, and none
// that GNOME, KDE Plasma or Xfce use for themselves out of the box.
#include "platform/global_shortcuts.h"

#include <QSet>
#include <QTest>

namespace {

// The desktops' own defaults near ours (Ctrl, Alt, Shift and Super with
// letters; workspace, session and launcher keys).
const char *const DesktopDefaults[] = {
    // GNOME 43
    "Meta+A", "Meta+S", "Meta+V", "Meta+N", "Meta+H", "Meta+L", "Alt+F2", "Ctrl+Alt+Del", "Ctrl+Alt+Tab",
    "Ctrl+Alt+Shift+R", "Ctrl+Alt+Left", "Ctrl+Alt+Right", "Ctrl+Alt+Up", "Ctrl+Alt+Down",
    "Ctrl+Alt+Shift+Left", "Ctrl+Alt+Shift+Right", "Ctrl+Alt+Shift+Up", "Ctrl+Alt+Shift+Down",
    // KDE Plasma 5.27
    "Ctrl+Alt+A", "Ctrl+Alt+L", "Ctrl+Alt+T", "Ctrl+Alt+Esc", "Ctrl+Alt+Shift+Del", "Ctrl+Alt+Shift+PgUp",
    "Ctrl+Alt+Shift+PgDown", "Meta+E", "Meta+W", "Meta+D", "Alt+Space", "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4",
    "Ctrl+F7", "Ctrl+F8", "Ctrl+F9", "Ctrl+F10", "Meta+Alt+N", "Meta+Alt+P",
    // Xfce 4.18
    "Ctrl+Alt+D", "Ctrl+Alt+F", "Ctrl+Alt+M", "Ctrl+Alt+Home", "Ctrl+Alt+End", "Meta+R", "Meta+P", "Meta+T",
    "Alt+F1", "Alt+F3", "Ctrl+Alt+Shift+Home", "Ctrl+Alt+Shift+End",
};

} // namespace

class TestGlobalShortcuts final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyActionHasItsOwnKeys()
    {
        const QList<GlobalShortcuts::Binding> defaults = GlobalShortcuts::defaults();
        QSet<int> actions;
        QSet<QString> keys;
        for (const GlobalShortcuts::Binding &b : defaults) {
            QCOMPARE(b.keys.count(), 1);
            actions.insert(int(b.action));
            keys.insert(b.keys.toString(QKeySequence::PortableText));
            QVERIFY(!GlobalShortcuts::actionId(b.action).isEmpty());
            QVERIFY(!GlobalShortcuts::actionText(b.action).isEmpty());
        }
        QCOMPARE(actions.size(), 4);
        QCOMPARE(keys.size(), 4);
    }

    void noneIsADesktopsOwn()
    {
        QSet<QString> taken;
        for (const char *keys : DesktopDefaults)
            taken.insert(QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::PortableText));
        for (const GlobalShortcuts::Binding &b : GlobalShortcuts::defaults())
            QVERIFY2(!taken.contains(b.keys.toString(QKeySequence::PortableText)),
                     qPrintable(b.keys.toString(QKeySequence::PortableText)));
    }
};

QTEST_GUILESS_MAIN(TestGlobalShortcuts)
#include "tst_global_shortcuts.moc"
