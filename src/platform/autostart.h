#pragma once

#include <QStringList>

#include <memory>

// The per-user "start at log-in" entry of the program. There is one entry,
// named "Paperlet", whose content is the full path of the executable to run.
class Autostart
{
public:
    static inline const QString EntryName = QStringLiteral("Paperlet");

    virtual ~Autostart() = default;

    // The command the entry runs, split into program and arguments; empty when
    // there is no entry. Throws PaperletError "Invalid data type for 'Paperlet'"
    // when an entry exists but cannot be read as one.
    virtual QStringList command() const = 0;
    // Makes the entry run `program` with no arguments. Throws PaperletError
    // "Failed to set data for 'Paperlet'" when the store cannot be written.
    virtual void write(const QString &program) = 0;
    // Removes the entry; a missing entry, or one that cannot be removed, is no
    // error (the next command() tells the truth).
    virtual void remove() = 0;

    // True when the entry runs exactly `program` (letter case significant).
    bool runs(const QString &program) const { return command() == QStringList{program}; }

    // The store of this platform: the registry's Run key on Windows, the
    // freedesktop autostart folder elsewhere.
    static std::unique_ptr<Autostart> create();

protected:
    [[noreturn]] static void failWrite();
    [[noreturn]] static void failRead();
};
