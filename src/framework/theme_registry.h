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
class TTBXThemeRegistry final : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<TTBXTheme>(const QString &name)>;

    // nullptr before a QCoreApplication exists.
    static TTBXThemeRegistry *Instance();
    ~TTBXThemeRegistry() override;

    void RegisterTheme(const QString &name, Factory factory);
    bool IsRegistered(const QString &name) const;
    QStringList Names() const;

    // The theme object of `name`, created on first use; every call counts
    // one use, which ReleaseTheme gives back (the object goes at zero).
    TTBXTheme *AcquireTheme(const QString &name);
    void ReleaseTheme(const QString &name);
    int UseCount(const QString &name) const;

    // The theme that paints the menus; nullptr until one is selected.
    TTBXTheme *CurrentTheme() const { return m_current; }
    QString CurrentThemeName() const;
    // Makes `name` current (acquired; the previous one released).
    void SelectTheme(const QString &name);

    // The style all themed menus share; it hands every request to the
    // current theme.
    QStyle *MenuStyle();

Q_SIGNALS:
    void ThemeChanged();
    // The system-change notification: codes 1, 2 and 3 in turn when the
    // system colours change (TSC_* in tbx_theme.h).
    void SysCommand(int code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TTBXThemeRegistry(QObject *parent);

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

// Shorthand for TTBXThemeRegistry::Instance()->RegisterTheme.
void RegisterTbxTheme(const QString &name, TTBXThemeRegistry::Factory factory);
// The current theme, or nullptr.
TTBXTheme *CurrentTheme();

// The theme switcher component of a form (`tbxSwitch`): setting its theme
// makes that theme current for the whole program; the switcher keeps its
// use until it is destroyed.
class TTBXSwitcher final : public QObject
{
    Q_OBJECT
public:
    explicit TTBXSwitcher(QObject *parent = nullptr);
    ~TTBXSwitcher() override;

    QString Theme() const { return m_theme; }
    void SetTheme(const QString &name);

private:
    QString m_theme;
};
