#include "framework/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString Program = QStringLiteral("paperlet");

// Left-to-right or right-to-left comes from this text of Qt's, which every
// catalogue answers with "LTR" or "RTL"; having it in ours mirrors Arabic
// even where Qt's translations are not installed.
struct SourceText
{
    const char *source;
    const char *comment;
};
[[maybe_unused]] const SourceText LayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left "
    "languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

QString Translations::install(QCoreApplication &app, const QLocale &locale)
{
    auto *own = new QTranslator(&app);
    if (!own->load(locale, Program, QStringLiteral("_"), ResourceFolder)) {
        delete own;
        return QString();
    }
    const QString language = own->language();
    // Qt's catalogue first: a translator installed later is asked first, so
    // our texts win where both have one.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return language;
}

QStringList Translations::available()
{
    QStringList languages;
    const QStringList files = QDir(ResourceFolder).entryList({Program + QStringLiteral("_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages.append(file.mid(Program.size() + 1).chopped(3));
    return languages;
}
