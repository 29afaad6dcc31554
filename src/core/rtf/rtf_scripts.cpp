#include "core/rtf/rtf_scripts.h"

#include <QChar>

namespace Rtf::detail {

ScriptGroup scriptGroupOf(char32_t ucs)
{
    if (ucs < 0x80) {
        const bool letter = (ucs | 0x20) >= 'a' && (ucs | 0x20) <= 'z';
        return letter ? ScriptGroup::None : ScriptGroup::Any;
    }
    switch (QChar::script(ucs)) {
    case QChar::Script_Common:
    case QChar::Script_Inherited: return ScriptGroup::Any;
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
    case QChar::Script_Yi: return ScriptGroup::EastAsian;
    case QChar::Script_Arabic:
    case QChar::Script_Hebrew:
    case QChar::Script_Syriac:
    case QChar::Script_Thaana:
    case QChar::Script_Nko: return ScriptGroup::RightToLeft;
    default: return ScriptGroup::None;
    }
}

ScriptGroup scriptGroupAt(QStringView text, qsizetype i)
{
    const QChar ch = text[i];
    if (ch.isLowSurrogate())
        return ScriptGroup::Any;
    if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return scriptGroupOf(QChar::surrogateToUcs4(ch, text[i + 1]));
    return scriptGroupOf(ch.unicode());
}

} // namespace Rtf::detail
