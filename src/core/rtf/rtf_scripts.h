#pragma once

#include <QStringView>

namespace Rtf::detail {

// Which fonts other RTF programs use for a character: they keep fonts for
// East Asian and for right-to-left scripts apart from the Latin one (\dbch
// with \af, \rtlch with \af and \afs). Any: spaces, digits, punctuation
// and marks, which go with the text around them.
enum class ScriptGroup { None, EastAsian, RightToLeft, Any };

ScriptGroup scriptGroupOf(char32_t ucs);

// The group of the character at `i` (a surrogate pair as one character; a
// low surrogate is Any).
ScriptGroup scriptGroupAt(QStringView text, qsizetype i);

} // namespace Rtf::detail
