// Every catalogue in translations/ is complete and faithful to the source
// texts, and the executable carries every one of them. Read from the .ts
// files, so a text added to the sources (and brought in by lupdate) shows
// here as unfinished in every language until someone translates it.

#include "framework/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
};

struct Catalogue
{
    QString language;
    QList<Message> messages;
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            catalogue.messages.append(message);
        }
    }
    if (xml.hasError()) {
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
        catalogue.messages.clear();
    }
    return catalogue;
}

QString catalogueFolder()
{
    return QStringLiteral(PAPERLET_CATALOGUE_FOLDER);
}

QStringList translatedLanguages()
{
    QStringList languages = QString::fromLatin1(PAPERLET_LANGUAGES).split(QLatin1Char(';'));
    languages.removeAll(QStringLiteral("en"));
    return languages;
}

// %1..%99 as they appear, sorted: each must be there exactly as often.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d{1,2}"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// An accelerator is a single '&' before a character; "&&" is a literal '&'.
int accelerators(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else if (i + 1 < text.size())
            ++count;
    }
    return count;
}

QString leadingSpace(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return text.left(n);
}

QString trailingSpace(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

// Texts whose translation may be the English text itself, with the reason.
// Anything else equal to its source is a text someone forgot to translate.
bool mayEqualSource(const QString &language, const Message &message)
{
    // The program's name.
    if (message.source == QLatin1String("Paperlet"))
        return true;
    struct Allowed
    {
        const char *languages;
        const char *source;
    };
    static const Allowed allowed[] = {
        // A percentage written as in English.
        {"de", "%1 %"},
        // The usual button caption in these languages.
        {"de fr it pl pt_BR ja", "OK"},
        // The same word in these languages.
        {"de fr", "Version %1"},
        {"fr", "Date"},
        {"fr", "Notes"},
        {"fr it pl pt_BR", "Menu"},
        {"fr", "Violet"},
        {"fr", "Turquoise"},
        {"fr", "Indigo"},
    };
    for (const Allowed &entry : allowed) {
        const QStringList languages = QString::fromLatin1(entry.languages).split(QLatin1Char(' '));
        if (languages.contains(language) && message.source == QLatin1String(entry.source))
            return true;
    }
    return false;
}

QString where(const Message &message)
{
    return message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
}

} // namespace

class TestCatalogues final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageHasACatalogue_data();
    void everyLanguageHasACatalogue();
    void everyMessageIsFinishedAndFaithful_data();
    void everyMessageIsFinishedAndFaithful();
    void executableCarriesEveryCatalogue_data();
    void executableCarriesEveryCatalogue();
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();

private:
    void addLanguageRows();
};

void TestCatalogues::addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestCatalogues::everyLanguageHasACatalogue_data()
{
    addLanguageRows();
}

void TestCatalogues::everyLanguageHasACatalogue()
{
    QFETCH(QString, language);
    const Catalogue source = readCatalogue(catalogueFolder() + QStringLiteral("/paperlet_en.ts"));
    const Catalogue catalogue = readCatalogue(catalogueFolder() + QStringLiteral("/paperlet_%1.ts").arg(language));
    QCOMPARE(catalogue.language, language);
    QVERIFY(!source.messages.isEmpty());
    // lupdate keeps every catalogue to the same texts; a catalogue left out
    // of the build would miss the newest.
    QCOMPARE(catalogue.messages.size(), source.messages.size());
}

void TestCatalogues::everyMessageIsFinishedAndFaithful_data()
{
    addLanguageRows();
}

void TestCatalogues::everyMessageIsFinishedAndFaithful()
{
    QFETCH(QString, language);
    const Catalogue catalogue = readCatalogue(catalogueFolder() + QStringLiteral("/paperlet_%1.ts").arg(language));
    QVERIFY(!catalogue.messages.isEmpty());
    QStringList faults;
    for (const Message &message : catalogue.messages) {
        if (!message.type.isEmpty() || message.translation.isEmpty()) {
            faults.append(QStringLiteral("not translated: ") + where(message));
            continue;
        }
        if (placeholders(message.translation) != placeholders(message.source))
            faults.append(QStringLiteral("placeholders differ: ") + where(message) + QStringLiteral(" -> ")
                          + message.translation);
        if (accelerators(message.translation) != accelerators(message.source))
            faults.append(QStringLiteral("accelerators differ: ") + where(message) + QStringLiteral(" -> ")
                          + message.translation);
        // Spaces and line breaks at either end are part of how the text is
        // put together with others (a message and a file list, a padded
        // menu caption).
        if (leadingSpace(message.translation) != leadingSpace(message.source)
            || trailingSpace(message.translation) != trailingSpace(message.source))
            faults.append(QStringLiteral("spaces or line breaks at the ends differ: ") + where(message));
        if (message.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
            const QString expected = language == QLatin1String("ar") ? QStringLiteral("RTL") : QStringLiteral("LTR");
            if (message.translation != expected)
                faults.append(QStringLiteral("layout direction must be ") + expected);
        } else if (message.translation == message.source && !mayEqualSource(language, message)) {
            faults.append(QStringLiteral("left in English: ") + where(message));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestCatalogues::executableCarriesEveryCatalogue_data()
{
    addLanguageRows();
}

void TestCatalogues::executableCarriesEveryCatalogue()
{
    QFETCH(QString, language);
    QVERIFY2(Translations::available().contains(language), qPrintable(Translations::available().join(' ')));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("paperlet_") + language, Translations::ResourceFolder));
    QCOMPARE(translator.language(), language);
    // Every finished text of the catalogue is what the executable answers.
    const Catalogue catalogue = readCatalogue(catalogueFolder() + QStringLiteral("/paperlet_%1.ts").arg(language));
    QStringList faults;
    for (const Message &message : catalogue.messages) {
        if (!message.type.isEmpty())
            continue;
        const QString answer = translator.translate(qPrintable(message.context), qPrintable(message.source),
                                                    message.comment.isEmpty() ? nullptr : qPrintable(message.comment));
        if (answer != message.translation)
            faults.append(where(message) + QStringLiteral(" -> ") + answer);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestCatalogues::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("usage");
    QTest::newRow("LANGUAGE") << QStringList{"LANGUAGE=de", "LANG=C.UTF-8"} << "Aufruf:";
    QTest::newRow("LANGUAGE before LANG") << QStringList{"LANGUAGE=ja", "LANG=de_DE.UTF-8"} << "使い方:";
    QTest::newRow("LC_ALL") << QStringList{"LC_ALL=fr_FR.UTF-8", "LANG=de_DE.UTF-8"} << "Utilisation :";
    QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LC_MESSAGES=es_ES.UTF-8", "LANG=de_DE.UTF-8"} << "Uso:";
    QTest::newRow("LANG with a country") << QStringList{"LANG=pt_BR.UTF-8"} << "Uso:";
    QTest::newRow("Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << "用法：";
    QTest::newRow("Arabic") << QStringList{"LANG=ar_EG.UTF-8"} << "الاستخدام:";
    QTest::newRow("first language without a catalogue, the next with one")
        << QStringList{"LANGUAGE=nl:uk", "LANG=nl_NL.UTF-8"} << "Використання:";
    QTest::newRow("English first keeps English") << QStringList{"LANGUAGE=en:de", "LANG=de_DE.UTF-8"} << "Usage:";
    QTest::newRow("no catalogue: English") << QStringList{"LANG=nl_NL.UTF-8"} << "Usage:";
}

void TestCatalogues::languageFollowsTheDesktop()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, usage);
    // The real program, copied alone into an empty folder: the catalogues
    // must travel inside it.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString copy = folder.filePath(QStringLiteral("paperlet"));
    QVERIFY(QFile::copy(QStringLiteral(PAPERLET_BINARY), copy));
    QProcess program;
    QStringList clean;
    for (const QString &variable : QProcess::systemEnvironment())
        if (!variable.startsWith(QLatin1String("LANG")) && !variable.startsWith(QLatin1String("LC_")))
            clean.append(variable);
    program.setEnvironment(clean + environment);
    program.start(copy, {QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QString firstLine = QString::fromUtf8(program.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(firstLine.startsWith(usage) && firstLine.contains(QStringLiteral("paperlet [")), qPrintable(firstLine));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestCatalogues test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_catalogues.moc"
