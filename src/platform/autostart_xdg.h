#pragma once

#include "platform/autostart.h"

#include <optional>

// The freedesktop autostart entry: "Paperlet.desktop" in the user's
// autostart folder ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart).
class XdgAutostart final : public Autostart
{
public:
    // folder: the autostart folder; empty means the user's.
    explicit XdgAutostart(QString folder = QString());

    QString entryPath() const;

    QStringList command() const override;
    void write(const QString &program) override;
    void remove() override;

    // The Exec syntax of desktop entries, both ways, public for tests.
    // execValue gives the value as it is written in the file (quoted where
    // needed and string-escaped); parseExec takes the value as it stands in
    // the file and gives nothing when it is malformed.
    static QString execValue(const QStringList &arguments);
    static std::optional<QStringList> parseExec(const QString &value);

private:
    QString m_folder;
};
