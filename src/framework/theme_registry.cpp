#include "framework/theme_registry.h"

#include "core/error.h"
#include "framework/menu_style.h"
#include "framework/tbx_theme.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
const char kObjectName[] = "paperlet_theme_registry";
}

ThemeRegistry::ThemeRegistry(QObject *parent) : QObject(parent)
{
    setObjectName(QLatin1String(kObjectName));
    parent->installEventFilter(this);
}

ThemeRegistry::~ThemeRegistry()
{
    m_current = nullptr;
    // Themes go before the style that may still point at them.
    m_entries.clear();
}

ThemeRegistry *ThemeRegistry::instance()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    auto *registry = app->findChild<ThemeRegistry *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
    return registry ? registry : new ThemeRegistry(app);
}

void ThemeRegistry::registerTheme(const QString &name, Factory factory)
{
    if (name.isEmpty() || !factory)
        throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Cannot register theme"));
    if (m_entries.count(name) > 0)
        throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Theme %1 is already registered").arg(name));
    m_entries[name].factory = std::move(factory);
}

bool ThemeRegistry::isRegistered(const QString &name) const
{
    return m_entries.count(name) > 0;
}

QStringList ThemeRegistry::names() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        names.append(entry.first);
    return names;
}

ThemeRegistry::Entry &ThemeRegistry::entry(const QString &name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end())
        throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Unknown theme %1").arg(name));
    return it->second;
}

TTBXTheme *ThemeRegistry::acquireTheme(const QString &name)
{
    Entry &e = entry(name);
    if (!e.theme) {
        e.theme = e.factory(name);
        if (!e.theme)
            throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Cannot register theme"));
    }
    ++e.uses;
    return e.theme.get();
}

void ThemeRegistry::releaseTheme(const QString &name)
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

int ThemeRegistry::useCount(const QString &name) const
{
    const auto it = m_entries.find(name);
    return it == m_entries.end() ? 0 : it->second.uses;
}

QString ThemeRegistry::currentThemeName() const
{
    return m_currentName;
}

void ThemeRegistry::selectTheme(const QString &name)
{
    if (name == m_currentName && m_current)
        return;
    TTBXTheme *theme = acquireTheme(name);   // throws before anything changes
    const QString previous = m_currentName;
    m_current = theme;
    m_currentName = name;
    if (!previous.isEmpty())
        releaseTheme(previous);
    Q_EMIT themeChanged();
}

QStyle *ThemeRegistry::menuStyle()
{
    if (!m_style) {
        m_style = new ::MenuStyle;
        m_style->setParent(this);
    }
    return m_style;
}

bool ThemeRegistry::eventFilter(QObject *watched, QEvent *event)
{
    // The palette change reaches every widget too; the application object
    // itself gets it once.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == parent()) {
        for (int code : {TSC_BEFOREVIEWCHANGE, TSC_VIEWCHANGE, TSC_AFTERVIEWCHANGE})
            Q_EMIT sysCommand(code);
    }
    return QObject::eventFilter(watched, event);
}

void registerTbxTheme(const QString &name, ThemeRegistry::Factory factory)
{
    ThemeRegistry *registry = ThemeRegistry::instance();
    if (!registry)
        throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Cannot register theme"));
    registry->registerTheme(name, std::move(factory));
}

TTBXTheme *currentTheme()
{
    ThemeRegistry *registry = ThemeRegistry::instance();
    return registry ? registry->currentTheme() : nullptr;
}

ThemeSwitcher::ThemeSwitcher(QObject *parent) : QObject(parent) {}

ThemeSwitcher::~ThemeSwitcher()
{
    ThemeRegistry *registry = ThemeRegistry::instance();
    if (registry && !m_theme.isEmpty() && registry->isRegistered(m_theme))
        registry->releaseTheme(m_theme);
}

void ThemeSwitcher::setTheme(const QString &name)
{
    if (name == m_theme)
        return;
    ThemeRegistry *registry = ThemeRegistry::instance();
    if (!registry)
        throw PaperletError(QCoreApplication::translate("ThemeRegistry", "Unknown theme %1").arg(name));
    registry->acquireTheme(name);   // the switcher's own use
    registry->selectTheme(name);
    if (!m_theme.isEmpty())
        registry->releaseTheme(m_theme);
    m_theme = name;
}
