// The grid's clipboard text read apart from any grid: lines cut at carriage returns, fields at
// tabs, multi-line fields unquoted, and the size a text would take.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/types.h"

#include <vector>

namespace gw {

// One line of pasted text: its fields (at least one) and whether a line break ended it.
struct TClipLine {
    std::vector<String> Fields;
    bool EndsWithBreak = false;
};

// Lines end at each CR; an LF right after it belongs to the break, an LF anywhere else stays in
// the field. The last line runs to the end and is empty after a final break.
std::vector<TClipLine> SplitClipboardText(StringView Text);

// Whether text follows the line's break: false for the last line and for the line before an
// empty last line (the text ended with that break). An empty last field of such a line writes
// nothing and asks for no column.
bool MoreTextFollows(const std::vector<TClipLine>& Lines, size_t Index);

// A field holding an LF (a copied multi-line cell): one leading quote goes, then the first quote
// left when it is the last unit, then each vertical tab becomes CR LF. Other fields unchanged.
String UnquotePastedField(String Field);

// The copied form of a cell text holding CRs: in double quotes, every CR turned into an LF.
String QuoteCopiedLineBreaks(StringView Text);

// X: the most fields of a line; Y: the lines ended by a break less the empty lines (the empty
// line after a final break counts as empty).
TPoint MeasureClipboardText(StringView Text);

}  // namespace gw
