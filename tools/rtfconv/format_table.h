#pragma once

#include <QString>

class QTextDocument;

// The formatting of a document, character by character, as a table: one
// line per run of characters that share every format, paragraph by
// paragraph. Columns, tab-separated:
//   paragraph  size  family  style  colour  highlight  alignment  list  position  text
// style is the letters of bold, italic, underline and strikeout ("biuS",
// "-" for none); colour and highlight are #rrggbb, "auto" and "none";
// list is "-" or kind:level:number; position is base, super or sub; a
// picture's text is [picture KIND WxH]. Used by `rtfconv --formats` and
// compared with the tables kept in the tests.
QString formatTable(const QTextDocument &document);
