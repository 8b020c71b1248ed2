// Highlight and error marks in cell texts: the string forms and the per-cell rewrite the grid's
// highlight and mark walks apply to each cell.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// Search hits are wrapped in "<hi>", errors the cell checker finds in "<e>".
enum class TCellMark { Highlight, Error };

StringView CellMarkTag(TCellMark Mark);

// On strings, no cell touched: the text is taken as mark-up as it is.
String HilightText(bool DoCase, StringView S, StringView Text);
String UnHilightText(StringView S);
String MarkText(bool DoCase, StringView S, StringView Text);
String UnMarkText(StringView S);

// Adds the mark to cell texts, which are taken as plain text: the cell text and the search text
// are escaped, so that mark-up or entities the cell held are shown literally while marked. The
// search text is escaped once, for the whole walk.
class TCellMarker {
public:
    TCellMarker(TCellMark Mark, StringView SearchText, bool CaseSensitive);
    // True and Text rewritten only when the text gains a tag pair; otherwise Text stays as it
    // was (not escaped), and the grid writes nothing.
    bool Apply(String& Text) const;

private:
    TCellMark m_Mark = TCellMark::Highlight;
    String m_Search;
    bool m_CaseSensitive = false;
};

// The reverse for one cell: true and Text rewritten only when it holds the mark's tag (any
// case). The tag pairs go first and the entities are unescaped after, in one pass, so that a
// text Apply rewrote comes back exactly, entities the user typed included.
bool RemoveCellMark(String& Text, TCellMark Mark);

}  // namespace gw
