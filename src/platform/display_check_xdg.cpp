#include "platform/display_check.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <xcb/xcb.h>

namespace {

bool x11Answers()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

QString waylandSocket()
{
    const QString name = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? QStringLiteral("wayland-0")
                                                                        : qEnvironmentVariable("WAYLAND_DISPLAY");
    if (QDir::isAbsolutePath(name))
        return name;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QString() : runtime + QLatin1Char('/') + name;
}

bool waylandAnswers()
{
    const QByteArray path = QFile::encodeName(waylandSocket());
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answers;
}

// The platforms Qt will try, in turn, without their options.
QStringList platformsTried()
{
    QStringList names;
    for (const QString &entry : qEnvironmentVariable("QT_QPA_PLATFORM").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names.append(entry.section(QLatin1Char(':'), 0, 0).trimmed());
    if (names.isEmpty()) {
        names.append(QStringLiteral("xcb"));
        if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"))
            names.prepend(QStringLiteral("wayland"));
    }
    return names;
}

QString described(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("unset") : QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

std::optional<QString> unreachableDisplay()
{
    QStringList tried;
    for (const QString &platform : platformsTried()) {
        if (platform == QLatin1String("xcb")) {
            if (x11Answers())
                return std::nullopt;
            tried.append(QStringLiteral("DISPLAY ") + described(qEnvironmentVariable("DISPLAY")));
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            if (waylandAnswers())
                return std::nullopt;
            tried.append(QStringLiteral("WAYLAND_DISPLAY ") + described(qEnvironmentVariable("WAYLAND_DISPLAY")));
        } else {
            // offscreen, vnc, eglfs...: Qt's own business.
            return std::nullopt;
        }
    }
    return tried.join(QStringLiteral(", "));
}
