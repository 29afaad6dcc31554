#include "platform/design_font.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace DesignFont {

QStringList folders()
{
#ifdef Q_OS_WIN
    return {};
#else
    return {QStringLiteral("/usr/share/wine/fonts")};
#endif
}

bool ensure(const QStringList &searched)
{
    if (QFontDatabase::families().contains(Family, Qt::CaseInsensitive))
        return true;
    for (const QString &folder : searched) {
        const QFileInfoList faces =
            QDir(folder).entryInfoList({QStringLiteral("tahoma*.ttf")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &face : faces)
            QFontDatabase::addApplicationFont(face.absoluteFilePath());
    }
    if (QFontDatabase::families().contains(Family, Qt::CaseInsensitive))
        return true;
    QFont::insertSubstitutions(Family, {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                        QStringLiteral("Noto Sans"), QStringLiteral("Verdana")});
    return false;
}

} // namespace DesignFont
