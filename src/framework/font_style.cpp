#include "framework/font_style.h"

#include "core/settings_store.h"

#include <QFont>

namespace FontStyle {

int bitsOf(const QFont &font)
{
    return (font.bold() ? Bold : 0) | (font.italic() ? Italic : 0) | (font.underline() ? Underline : 0)
        | (font.strikeOut() ? StrikeOut : 0);
}

void apply(QFont &font, int bits)
{
    font.setBold(bits & Bold);
    font.setItalic(bits & Italic);
    font.setUnderline(bits & Underline);
    font.setStrikeOut(bits & StrikeOut);
}

QFont fromSettings(const ProgramSettings &settings)
{
    QFont font(settings.DefaultFontName);
    font.setPointSize(settings.DefaultFontSize > 0 ? settings.DefaultFontSize : ProgramSettings().DefaultFontSize);
    apply(font, settings.DefaultFontStyle);
    return font;
}

} // namespace FontStyle
