#pragma once

// Note files as other programs write them, for the folder cases.

#include "core/note_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QString>
#include <QTest>

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A note file as another computer would have written it.
inline QByteArray noteBytes(const QString &title, const QString &text,
                            const QRect &bounds = QRect(100, 120, 200, 180), int opacity = 100,
                            qint32 color = 0x99FFFF)
{
    NoteRecord record;
    record.bounds = bounds;
    record.opacity = opacity;
    record.color = Color::fromValue(color);
    record.title = title;
    record.content = text;
    return NoteFile::encode(record);
}

// A sync tool's way: a temporary file beside it, then a rename.
inline void writeByRename(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString temp = info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".tmp"));
    QFile file(temp);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QFile::remove(path);
    QVERIFY(QFile::rename(temp, path));
}

// An editor's way: the same file emptied and written again.
inline void writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}
