#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QStyle;
class TTBXTheme;

// Themes by name, one current theme, and the style every themed menu draws
// with. The registry belongs to the application object (a child of
// QCoreApplication, made on first use), so it lives as long as any menu can.
//
// Errors are PaperletError: "Cannot register theme" (empty name or no
// factory), "Theme <name> is already registered", "Unknown theme <name>".
class ThemeRegistry final : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<TTBXTheme>(const QString &name)>;

    // nullptr before a QCoreApplication exists.
    static ThemeRegistry *instance();
    ~ThemeRegistry() override;

    void registerTheme(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const;
    QStringList names() const;

    // The theme object of `name`, created on first use; every call counts
    // one use, which releaseTheme gives back (the object goes at zero).
    TTBXTheme *acquireTheme(const QString &name);
    void releaseTheme(const QString &name);
    int useCount(const QString &name) const;

    // The theme that paints the menus; nullptr until one is selected.
    TTBXTheme *currentTheme() const { return m_current; }
    QString currentThemeName() const;
    // Makes `name` current (acquired; the previous one released).
    void selectTheme(const QString &name);

    // The style all themed menus share; it hands every request to the
    // current theme.
    QStyle *menuStyle();

Q_SIGNALS:
    void themeChanged();
    // The system-change notification: codes 1, 2 and 3 in turn when the
    // system colours change (TSC_* in tbx_theme.h).
    void sysCommand(int code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ThemeRegistry(QObject *parent);

    struct Entry
    {
        Factory factory;
        std::unique_ptr<TTBXTheme> theme;
        int uses = 0;
    };
    Entry &entry(const QString &name);

    std::map<QString, Entry> m_entries;
    TTBXTheme *m_current = nullptr;
    QString m_currentName;
    QStyle *m_style = nullptr;
};

// Shorthand for ThemeRegistry::instance()->registerTheme.
void registerTbxTheme(const QString &name, ThemeRegistry::Factory factory);
// The current theme, or nullptr.
TTBXTheme *currentTheme();

// The theme switcher component of a form (`tbxSwitch`): setting its theme
// makes that theme current for the whole program; the switcher keeps its
// use until it is destroyed.
class ThemeSwitcher final : public QObject
{
    Q_OBJECT
public:
    explicit ThemeSwitcher(QObject *parent = nullptr);
    ~ThemeSwitcher() override;

    QString theme() const { return m_theme; }
    void setTheme(const QString &name);

private:
    QString m_theme;
};
