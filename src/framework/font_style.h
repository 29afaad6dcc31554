#pragma once

class QFont;
struct ProgramSettings;

// Bold, italic, underline and strike-out as the bit set that settings.ini
// stores (DefaultFontStyle) and the editor's style commands work with.
namespace FontStyle {

enum Bit : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

int bitsOf(const QFont &font);
// Sets all four styles of `font` from `bits`; other bits are ignored.
void apply(QFont &font, int bits);

// The default font of a note as the settings give it: face, size (the
// built-in 10 points where the stored size is not positive) and style.
QFont fromSettings(const ProgramSettings &settings);

} // namespace FontStyle
