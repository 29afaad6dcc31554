// libFuzzer target: any bytes must load without crashing, and what loaded
// must save and load again.

#include "core/rtf/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_rtf_reader";
    static char *argv[] = {name, nullptr};
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    Q_UNUSED(platform);

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    Rtf::load(document, bytes);
    const QByteArray saved = Rtf::save(document);
    QTextDocument again;
    Rtf::load(again, QString::fromUtf8(saved));
    if (Rtf::save(again) != saved)
        __builtin_trap(); // what the writer wrote must read back to the same document
    Rtf::load(again, QString::fromLatin1(bytes));
    return 0;
}
