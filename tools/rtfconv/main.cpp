// rtfconv --text|--html|--rtf|--formats FILE: prints what the note editor
// would load from an RTF file, as plain text, as Qt's HTML, as our own RTF or
// as the table of its formats, run by run (format_table.h).

#include "core/rtf/rtf.h"
#include "format_table.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: rtfconv --text|--html|--rtf|--formats FILE\n", stderr);
    return 2;
}

void print(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    // Reading needs no screen; only QTextDocument's font handling needs an application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return usage();
    const QString mode = args.at(1);
    if (mode != QLatin1String("--text") && mode != QLatin1String("--html") && mode != QLatin1String("--rtf")
        && mode != QLatin1String("--formats"))
        return usage();

    QFile file(args.at(2));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfconv: cannot open %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        std::fprintf(stderr, "rtfconv: cannot read %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(file.errorString()));
        return 1;
    }

    QTextDocument document;
    Rtf::load(document, content);
    if (mode == QLatin1String("--text"))
        print(Rtf::plainText(document).toUtf8());
    else if (mode == QLatin1String("--formats"))
        print(formatTable(document).toUtf8());
    else if (mode == QLatin1String("--html"))
        print(document.toHtml().toUtf8());
    else
        print(Rtf::save(document));
    return 0;
}
