#include "notes/oversized_note.h"

#include "core/rtf/rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace OversizedNote {

void checkText(const NoteRecord &record)
{
    if (!NoteLimits::mayExceed(record.content))
        return;
    // A document with no view: nothing is laid out while it is counted.
    QTextDocument document;
    Rtf::load(document, record.content);
    if (const std::optional<QString> why = NoteLimits::excess(document)) {
        NoteRecord head = record;
        head.content.clear();
        throw NoteTooLarge(*why, head);
    }
}

NoteRecord placeholder(const NoteTooLarge &large, const QString &path, const QRect &fallbackBounds)
{
    NoteRecord record;
    if (large.head()) {
        record = *large.head();
    } else {
        record.bounds = fallbackBounds;
        record.color = Color::fromValue(0x99FFFF);
        record.title = QFileInfo(path).fileName();
    }
    record.content = QCoreApplication::translate("OversizedNote",
                                                 "This note is too large to open here. %1\n\n"
                                                 "The file \"%2\" is left as it is: Paperlet neither changes nor "
                                                 "removes it. Once it is small enough, it opens here.")
                         .arg(large.message(), QDir::toNativeSeparators(path));
    return record;
}

} // namespace OversizedNote
