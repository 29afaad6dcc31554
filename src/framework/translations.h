#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The texts in the user's language. The program's catalogues are built into
// the executable, so a copy of it alone still speaks the language; Qt's own
// (the buttons of message boxes, the print, font and colour dialogs) come
// from the system's Qt translations, loaded for the same language so that
// one window never mixes two languages.
class Translations
{
public:
    // Installs the program's catalogue for the first of the locale's UI
    // languages that has one, and Qt's for that language. Returns the
    // language installed ("de", "pt_BR"...), empty when English stays.
    static QString install(QCoreApplication &app, const QLocale &locale = QLocale());

    // The languages the executable carries a catalogue for.
    static QStringList available();

    // Where the catalogues live inside the executable.
    static inline const QString ResourceFolder = QStringLiteral(":/i18n");
};
