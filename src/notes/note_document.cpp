#include "notes/note_document.h"

#include "core/error.h"
#include "core/note_host.h"
#include "core/note_naming.h"
#include "core/rtf/rtf.h"
#include "notes/note_discard.h"
#include "notes/oversized_note.h"
#include "notes/rescue_log.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace {

// The editor's design font and bullet indent, so that a document written
// without a window gives the bytes it gives with one.
const QString DesignFontFace = QStringLiteral("Tahoma");
constexpr int DesignFontPoints = 10;
constexpr qreal BulletIndentPixels = Rtf::BulletIndentPoints * 96 / 72;

} // namespace

NoteDocument::NoteDocument(NoteHost &host, const NoteNames &names, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_names(names)
{
    QFont font(DesignFontFace);
    font.setPointSize(DesignFontPoints);
    m_text.setDefaultFont(font);
    m_text.setIndentWidth(BulletIndentPixels);
    // Debounced: idle notes cause no wake-ups at all.
    m_autosave.setSingleShot(true);
    m_autosave.setInterval(AutosaveDelayMs);
    connect(&m_autosave, &QTimer::timeout, this, &NoteDocument::autosave);
    connect(&m_text, &QTextDocument::contentsChanged, this, &NoteDocument::textChanged);
    // Only reading or writing the file makes the note unchanged: the text
    // edit clears the flag after setting its whole text, and undoing back
    // to the last write is still a change to write.
    connect(&m_text, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified && !m_clearing && isReady())
            m_text.setModified(true);
    });
}

NoteDocument::~NoteDocument() = default;

void NoteDocument::setFileName(const QString &name)
{
    if (name == m_fileName)
        return;
    const QString previous = m_fileName;
    m_fileName = name;
    Q_EMIT fileNameChanged(previous);
}

QString NoteDocument::freshFileName() const
{
    const QString folder = m_host.notesFolder();
    const auto taken = [this, &folder](const QString &name) {
        return QFileInfo::exists(folder + name) || m_names.isNameInUse(name, this);
    };
    return NoteNaming::uniqueFileName(NoteNaming::fileNameFor(QDateTime::currentDateTime(), QLocale()), taken);
}

void NoteDocument::startNew(const QString &fileName)
{
    m_fingerprint = FileFingerprint();
    m_lastWritten.clear();
    m_savedBounds = m_bounds;
    m_lastChanged = QDateTime::currentDateTime();
    markUnchanged();
    m_state = State::Ready;
    setFileName(fileName.isEmpty() ? freshFileName() : fileName);
}

void NoteDocument::load(const QString &fileName)
{
    setFileName(fileName);
    // Until the whole file is read, this note must never touch the file.
    m_state = State::LoadFailed;
    const QString path = filePath();
    NoteRecord record;
    FileFingerprint print;
    try {
        const QByteArray bytes = NoteLimits::readFile(path);
        print = FileFingerprint::of(bytes);
        record = NoteFile::decode(bytes);
    } catch (const NoteTooLarge &large) {
        showTooLarge(large);
        Q_EMIT loaded();
        return;
    } catch (const PaperletError &error) {
        throw PaperletError(tr("Cannot load the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), error.message()));
    }
    reload(record, print);
    Q_EMIT loaded();
}

void NoteDocument::reload(const NoteRecord &record, const FileFingerprint &print)
{
    try {
        OversizedNote::checkText(record);
    } catch (const NoteTooLarge &large) {
        showTooLarge(large);
        return;
    }
    apply(record);
    m_fingerprint = print;
    m_lastWritten.clear();
    m_state = State::Ready;
    Q_EMIT reloaded();
    Q_EMIT opacityChanged(m_opacity);
}

void NoteDocument::showTooLarge(const NoteTooLarge &large)
{
    // Shown, but like a note that failed to load it never writes or removes
    // its file.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QRect centred(area.center() - QPoint(FallbackSize / 2, FallbackSize / 2), QSize(FallbackSize, FallbackSize));
    apply(OversizedNote::placeholder(large, filePath(), centred));
    m_fingerprint = FileFingerprint();
    m_lastWritten.clear();
    m_state = State::TooLarge;
    Q_EMIT reloaded();
    Q_EMIT opacityChanged(m_opacity);
}

void NoteDocument::apply(const NoteRecord &record)
{
    m_autosave.stop();
    // What the file says is no change to keep.
    m_applying = true;
    m_bounds = m_savedBounds = record.bounds;
    m_color = record.color;
    m_title = NoteFile::singleLine(record.title);
    m_opacity = record.opacity;
    m_noteState = record.state;
    m_lastChanged = QDateTime();
    Rtf::load(m_text, record.content);
    m_text.clearUndoRedoStacks();
    markUnchanged();
    m_applying = false;
    m_textEdited = false;
}

QString NoteDocument::filePath() const
{
    return m_host.notesFolder() + m_fileName;
}

bool NoteDocument::hasText() const
{
    return !NoteFile::trimControls(m_text.toPlainText()).isEmpty();
}

void NoteDocument::markUnchanged()
{
    m_clearing = true;
    m_text.setModified(false);
    m_clearing = false;
}

void NoteDocument::markChanged()
{
    if (!isReady() || m_deleted || m_applying)
        return;
    m_lastChanged = QDateTime::currentDateTime();
    m_text.setModified(true);
    m_autosave.start();
}

void NoteDocument::textChanged()
{
    if (!isReady() || m_deleted || m_applying)
        return;
    m_textEdited = true;
    m_lastChanged = QDateTime::currentDateTime();
    // Set here too: text set as a whole (no undo step) leaves the flag alone.
    m_text.setModified(true);
    m_autosave.start();
}

void NoteDocument::setOpacity(int percent)
{
    m_opacity = percent;
    markChanged();
    Q_EMIT opacityChanged(percent);
}

void NoteDocument::setColor(Color color)
{
    m_color = color;
    markChanged();
}

void NoteDocument::setNoteState(const NoteState &state)
{
    if (state == m_noteState)
        return;
    m_noteState = state;
    markChanged();
    Q_EMIT noteStateChanged();
}

void NoteDocument::setTitle(const QString &title)
{
    m_title = NoteFile::singleLine(title);
    markChanged();
}

void NoteDocument::moveTo(const QRect &bounds)
{
    m_bounds = bounds;
    if (isReady() && !m_deleted && !m_applying)
        m_autosave.start();
}

void NoteDocument::movedByWindowManager(const QRect &bounds)
{
    // A busy window manager reports passing places while it settles
    // hundreds of windows at start-up: only where the note ends up counts,
    // and the autosave looks again when it runs.
    m_bounds = bounds;
    if (isReady() && !m_deleted && m_bounds != m_savedBounds)
        m_autosave.start();
}

void NoteDocument::placed(const QRect &bounds)
{
    m_bounds = m_savedBounds = bounds;
}

QDateTime NoteDocument::lastChanged() const
{
    if (!m_lastChanged.isValid())
        m_lastChanged = QFileInfo(filePath()).lastModified();
    return m_lastChanged;
}

bool NoteDocument::hasUnsavedChanges() const
{
    if (m_state == State::LoadFailed || m_state == State::TooLarge)
        return false;
    return m_text.isModified() || m_bounds != m_savedBounds;
}

NoteRecord NoteDocument::record() const
{
    NoteRecord record;
    record.bounds = m_bounds;
    record.opacity = m_opacity;
    record.color = m_color;
    record.title = m_title;
    record.content = QString::fromLatin1(Rtf::save(m_text));
    record.state = m_noteState;
    return record;
}

void NoteDocument::writeFile(const QByteArray &bytes)
{
    // A Notes folder removed behind our back comes back rather than losing the note.
    m_host.ensureNotesFolder();
    keepOthersVersion();
    // Looked at again once our bytes are on the disk, right before they take
    // the name: a version written during the (slow) disk sync is kept too.
    const auto stillOurs = [this] {
        Q_EMIT aboutToReplaceFile();
        return isFileOurs();
    };
    while (!NoteFile::writeAtomically(filePath(), bytes, stillOurs))
        keepOthersVersion();
    m_fingerprint = FileFingerprint::of(bytes);
    m_lastWritten = bytes;
    m_savedBounds = m_bounds;
    markUnchanged();
    Q_EMIT saved();
}

bool NoteDocument::isFileOurs() const
{
    const QString path = filePath();
    // A file removed elsewhere while this note changed is written back;
    // something other than a file in its place is no version of it.
    return !QFileInfo(path).isFile() || m_fingerprint.matchesFile(path);
}

void NoteDocument::keepOthersVersion()
{
    if (isFileOurs())
        return;
    const QString theirs = m_fileName;
    setFileName(freshFileName());
    m_fingerprint = FileFingerprint();
    m_lastWritten.clear();
    Q_EMIT forkedFrom(theirs);
}

void NoteDocument::save()
{
    m_autosave.stop();
    writeFile(NoteFile::encode(record()));
}

void NoteDocument::persist()
{
    if (loadFailed() || m_gone || m_fileName.isEmpty())
        return;
    // The empty-note rule is for a note the user emptied: one that came
    // without text and whose text was not touched keeps its file as it is.
    if (!m_deleted && !hasText() && !m_textEdited) {
        // A new note nobody wrote in has nothing to keep.
        if (!m_fingerprint.exists())
            Q_EMIT discarded();
        return;
    }
    if (!m_deleted && hasText()) {
        // An untouched note's file already says all of it; rewriting
        // hundreds of them would only slow the exit down.
        if (hasUnsavedChanges() || !m_fingerprint.exists())
            save();
        return;
    }
    m_autosave.stop();
    // Someone else's newer version is not ours to remove. Not being able to
    // remove the file is not worth a message: it only means an empty or
    // deleted note comes back.
    if (m_fingerprint.matchesFile(filePath())) {
        const NoteFile::Discarded gone = NoteFile::discard(filePath());
        if (m_deleted && !gone.trashId.isEmpty())
            Q_EMIT deletedToTrash(gone.trashId);
    }
    Q_EMIT discarded();
}

void NoteDocument::rescue(const QString &reason)
{
    const QString folder = RescueLog::folder();
    try {
        if (!QDir().mkpath(folder))
            throw PaperletError(QStringLiteral("Cannot create \"%1\".").arg(QDir::toNativeSeparators(folder)));
        // Every rescue keeps its own copy: an earlier one may not have been read yet.
        const QString copy = RescueLog::freeCopyPath(m_fileName);
        NoteFile::writeAtomically(copy, NoteFile::encode(record()));
        RescueLog::add(copy, reason);
        qCritical("%s\nA copy of the note was saved as \"%s\".", qPrintable(reason),
                  qPrintable(QDir::toNativeSeparators(copy)));
    } catch (const PaperletError &error) {
        qCritical("%s\nThe note could not be rescued either: %s", qPrintable(reason), qPrintable(error.message()));
    }
}

void NoteDocument::fileRemovedElsewhere()
{
    // A note over the limits closes with its file; one that failed to load
    // keeps its window so that the error can be read.
    if (m_state == State::LoadFailed || m_deleted)
        return;
    if (hasUnsavedChanges() && hasText()) {
        save();
        return;
    }
    // Removed on purpose (here or on another computer): it stays removed.
    m_gone = true;
    m_autosave.stop();
    Q_EMIT removedElsewhere();
}

void NoteDocument::markDeleted()
{
    m_deleted = true;
    m_autosave.stop();
}

void NoteDocument::autosave()
{
    // An emptied note keeps its last file until it is closed: the
    // destruction rule decides about removal.
    if (!isReady() || m_deleted || m_gone || !hasText() || !hasUnsavedChanges())
        return;
    try {
        const QByteArray bytes = NoteFile::encode(record());
        if (bytes != m_lastWritten)
            writeFile(bytes);
        m_autosaveErrorShown = false;
    } catch (const PaperletError &error) {
        // Once per failing stretch, not at every keystroke.
        if (!m_autosaveErrorShown)
            Q_EMIT autosaveFailed(error.message());
        m_autosaveErrorShown = true;
    }
}
