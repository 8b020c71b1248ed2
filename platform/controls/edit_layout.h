// Line layout of edit text: hard and soft (word-wrapped) lines and hit-testing against widths.
#pragma once

#include "platform/runtime/types.h"

#include <functional>
#include <vector>

namespace gw {

// Pixel width of a piece of text in the control's font.
using TTextMeasure = std::function<Integer(StringView Text)>;

struct TEditLine {
    Integer Start = 0;  // first character
    Integer Length = 0;  // characters shown, without the line break
    Integer BreakLength = 0;  // 2 for CR LF, 1 for a lone CR or LF, 0 for a soft break or the end
};

// Lays out a text once; positions are UTF-16 units of that text. A single-line layout has one
// line whatever the text holds. With WordWrap a line breaks after the last blank that fits
// WrapWidth (blanks stay at the end of the line) or, for a word longer than the width, inside
// the word.
class TEditLayout {
public:
    TEditLayout() = default;
    TEditLayout(StringView Text, bool Multiline, bool WordWrap, Integer WrapWidth, TTextMeasure Measure);

    Integer LineCount() const { return Integer(m_lines.size()); }
    const TEditLine& Line(Integer Index) const { return m_lines.at(std::size_t(Index)); }
    String LineText(Integer Index) const;
    // The line holding the character position; a position at a soft break belongs to the
    // line it starts.
    Integer LineFromChar(Integer Position) const;
    // The x offset of a position inside its line.
    Integer XOfChar(Integer Position) const;
    // The position nearest to x on a line (the line clamped into range).
    Integer CharFromX(Integer LineIndex, Integer X) const;
    // The widest line.
    Integer MaxLineWidth() const;

private:
    void AddHardLine(Integer Start, Integer Length, Integer BreakLength, bool WordWrap, Integer WrapWidth);

    String m_text;
    TTextMeasure m_measure;
    std::vector<TEditLine> m_lines;
};

}  // namespace gw
