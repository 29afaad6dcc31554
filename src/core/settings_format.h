#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

struct ProgramSettings;

// The text of settings.ini: how its bytes are read and written and how its
// values are found and parsed, apart from where the file lives.
namespace SettingsFormat {

// A whole number as the file may hold it: blanks, a sign, decimal or
// hexadecimal ($, x or 0x) digits, within 32 bits; nullopt otherwise.
std::optional<qint32> toInt32(QStringView text);
// The value of the first line "key=value" (key in any case); nullopt if none.
std::optional<QString> lookup(QStringView text, QStringView key);
// The file's bytes as text: by its byte order mark, else Windows-1252.
QString decode(const QByteArray &bytes);
// The eight lines of `settings` as the file stores them.
QByteArray encode(const ProgramSettings &settings);

} // namespace SettingsFormat
