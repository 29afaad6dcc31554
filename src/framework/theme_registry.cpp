#include "framework/theme_registry.h"

#include "core/error.h"
#include "framework/menu_style.h"
#include "framework/tbx_theme.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
const char kObjectName[] = "paperlet_theme_registry";
}

TTBXThemeRegistry::TTBXThemeRegistry(QObject *parent) : QObject(parent)
{
    setObjectName(QLatin1String(kObjectName));
    parent->installEventFilter(this);
}

TTBXThemeRegistry::~TTBXThemeRegistry()
{
    m_current = nullptr;
    // Themes go before the style that may still point at them.
    m_entries.clear();
}

TTBXThemeRegistry *TTBXThemeRegistry::Instance()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    auto *registry = app->findChild<TTBXThemeRegistry *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
    return registry ? registry : new TTBXThemeRegistry(app);
}

void TTBXThemeRegistry::RegisterTheme(const QString &name, Factory factory)
{
    if (name.isEmpty() || !factory)
        throw PaperletError(QStringLiteral("Cannot register theme"));
    if (m_entries.count(name) > 0)
        throw PaperletError(QStringLiteral("Theme %1 is already registered").arg(name));
    m_entries[name].factory = std::move(factory);
}

bool TTBXThemeRegistry::IsRegistered(const QString &name) const
{
    return m_entries.count(name) > 0;
}

QStringList TTBXThemeRegistry::Names() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        names.append(entry.first);
    return names;
}

TTBXThemeRegistry::Entry &TTBXThemeRegistry::entry(const QString &name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end())
        throw PaperletError(QStringLiteral("Unknown theme ") + name);
    return it->second;
}

TTBXTheme *TTBXThemeRegistry::AcquireTheme(const QString &name)
{
    Entry &e = entry(name);
    if (!e.theme) {
        e.theme = e.factory(name);
        if (!e.theme)
            throw PaperletError(QStringLiteral("Cannot register theme"));
    }
    ++e.uses;
    return e.theme.get();
}

void TTBXThemeRegistry::ReleaseTheme(const QString &name)
{
    Entry &e = entry(name);
    if (e.uses == 0)
        return;
    if (--e.uses == 0) {
        if (m_current == e.theme.get()) {
            m_current = nullptr;
            m_currentName.clear();
        }
        e.theme.reset();
    }
}

int TTBXThemeRegistry::UseCount(const QString &name) const
{
    const auto it = m_entries.find(name);
    return it == m_entries.end() ? 0 : it->second.uses;
}

QString TTBXThemeRegistry::CurrentThemeName() const
{
    return m_currentName;
}

void TTBXThemeRegistry::SelectTheme(const QString &name)
{
    if (name == m_currentName && m_current)
        return;
    TTBXTheme *theme = AcquireTheme(name);   // throws before anything changes
    const QString previous = m_currentName;
    m_current = theme;
    m_currentName = name;
    if (!previous.isEmpty())
        ReleaseTheme(previous);
    Q_EMIT ThemeChanged();
}

QStyle *TTBXThemeRegistry::MenuStyle()
{
    if (!m_style) {
        m_style = new ::MenuStyle;
        m_style->setParent(this);
    }
    return m_style;
}

bool TTBXThemeRegistry::eventFilter(QObject *watched, QEvent *event)
{
    // The palette change reaches every widget too; the application object
    // itself gets it once.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == parent()) {
        for (int code : {TSC_BEFOREVIEWCHANGE, TSC_VIEWCHANGE, TSC_AFTERVIEWCHANGE})
            Q_EMIT SysCommand(code);
    }
    return QObject::eventFilter(watched, event);
}

void RegisterTbxTheme(const QString &name, TTBXThemeRegistry::Factory factory)
{
    TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
    if (!registry)
        throw PaperletError(QStringLiteral("Cannot register theme"));
    registry->RegisterTheme(name, std::move(factory));
}

TTBXTheme *CurrentTheme()
{
    TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
    return registry ? registry->CurrentTheme() : nullptr;
}

TTBXSwitcher::TTBXSwitcher(QObject *parent) : QObject(parent) {}

TTBXSwitcher::~TTBXSwitcher()
{
    TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
    if (registry && !m_theme.isEmpty() && registry->IsRegistered(m_theme))
        registry->ReleaseTheme(m_theme);
}

void TTBXSwitcher::SetTheme(const QString &name)
{
    if (name == m_theme)
        return;
    TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance();
    if (!registry)
        throw PaperletError(QStringLiteral("Unknown theme ") + name);
    registry->AcquireTheme(name);   // the switcher's own use
    registry->SelectTheme(name);
    if (!m_theme.isEmpty())
        registry->ReleaseTheme(m_theme);
    m_theme = name;
}
