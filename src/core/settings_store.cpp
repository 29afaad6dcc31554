#include "core/settings_store.h"

#include "core/error.h"
#include "core/file_replace.h"
#include "core/settings_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const QString SettingsFileName = QStringLiteral("settings.ini");
const QString NotesFolderName = QStringLiteral("Notes");

bool isBlankOrControl(QStringView value)
{
    for (QChar c : value)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

} // namespace

void ProgramSettings::setBuiltInDefaults()
{
    *this = ProgramSettings{};
}

SettingsStore::SettingsStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString SettingsStore::settingsPath() const
{
    return QDir(m_folder).filePath(SettingsFileName);
}

QString SettingsStore::NotesFolder() const
{
    return QDir(m_folder).filePath(NotesFolderName) + QLatin1Char('/');
}

void SettingsStore::EnsureNotesFolder() const
{
    QDir(m_folder).mkdir(NotesFolderName);
}

void SettingsStore::LoadSettings(ProgramSettings &s) const
{
    const QString path = settingsPath();
    if (!QFile::exists(path)) {
        SaveSettings(s);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = SettingsFormat::decode(file.readAll());

    // A key that fails to convert ends the read: it and every later key keep
    // their values.
    const auto readInt = [&text](const char *key, qint32 &field) {
        const auto value = SettingsFormat::lookup(text, QString::fromLatin1(key));
        if (!value || isBlankOrControl(*value))
            return true;
        const auto n = SettingsFormat::toInt32(*value);
        if (!n)
            return false;
        field = *n;
        return true;
    };
    const auto readColor = [&readInt](const char *key, Color &field) {
        qint32 value = field.value();
        const bool read = readInt(key, value);
        field = Color::fromValue(value);
        return read;
    };
    if (!readColor("Color", s.DefaultColor) || !readInt("Opacity", s.DefaultOpacity)
        || !readInt("Title", s.DefaultTitle))
        return;
    if (const auto name = SettingsFormat::lookup(text, u"FontName"); name && !isBlankOrControl(*name))
        s.DefaultFontName = *name;
    qint32 check = s.CheckForUpdates ? 1 : 0;
    if (!readInt("FontSize", s.DefaultFontSize) || !readColor("FontColor", s.DefaultFontColor)
        || !readInt("FontStyle", s.DefaultFontStyle) || !readInt("CheckForUpdates", check))
        return;
    s.CheckForUpdates = check != 0;
}

void SettingsStore::SaveSettings(const ProgramSettings &s) const
{
    replaceFile(settingsPath(), SettingsFormat::encode(s), QCoreApplication::translate("SettingsStore", "Cannot create file \"%1\". %2"));
}
