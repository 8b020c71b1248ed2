// Line layout of edit text: hard and soft (word-wrapped) lines and hit-testing against widths.
#include "platform/controls/edit_layout.h"

#include <algorithm>

namespace gw {

TEditLayout::TEditLayout(StringView Text, bool Multiline, bool WordWrap, Integer WrapWidth, TTextMeasure Measure)
    : m_text(Text), m_measure(std::move(Measure))
{
    const Integer n = Integer(m_text.size());
    if (!Multiline) {
        m_lines.push_back({0, n, 0});
        return;
    }
    Integer start = 0;
    for (Integer i = 0; i < n; ++i) {
        const Char c = m_text[std::size_t(i)];
        if (c != u'\r' && c != u'\n') continue;
        const Integer brk = (c == u'\r' && i + 1 < n && m_text[std::size_t(i + 1)] == u'\n') ? 2 : 1;
        AddHardLine(start, i - start, brk, WordWrap, WrapWidth);
        i += brk - 1;
        start = i + 1;
    }
    AddHardLine(start, n - start, 0, WordWrap, WrapWidth);
}

void TEditLayout::AddHardLine(Integer Start, Integer Length, Integer BreakLength, bool WordWrap, Integer WrapWidth)
{
    if (!WordWrap || WrapWidth <= 0 || !m_measure) {
        m_lines.push_back({Start, Length, BreakLength});
        return;
    }
    const StringView text(m_text);
    Integer pos = Start;
    const Integer end = Start + Length;
    while (m_measure(text.substr(std::size_t(pos), std::size_t(end - pos))) > WrapWidth) {
        // The longest prefix that fits.
        Integer fit = pos;
        while (fit < end && m_measure(text.substr(std::size_t(pos), std::size_t(fit + 1 - pos))) <= WrapWidth) ++fit;
        // Break after the last blank of the prefix plus the blanks that follow it.
        Integer brk = fit;
        while (brk > pos && text[std::size_t(brk)] != u' ' && text[std::size_t(brk)] != u'\t') --brk;
        if (brk > pos || text[std::size_t(pos)] == u' ') {
            while (brk < end && (text[std::size_t(brk)] == u' ' || text[std::size_t(brk)] == u'\t')) ++brk;
        } else {
            brk = std::max(fit, pos + 1);  // a word wider than the line is cut inside
            if (brk < end && brk > pos + 1 && text[std::size_t(brk)] >= 0xDC00 && text[std::size_t(brk)] <= 0xDFFF)
                --brk;
        }
        if (brk >= end) break;
        m_lines.push_back({pos, brk - pos, 0});
        pos = brk;
    }
    m_lines.push_back({pos, end - pos, BreakLength});
}

String TEditLayout::LineText(Integer Index) const
{
    const TEditLine& l = Line(Index);
    return m_text.substr(std::size_t(l.Start), std::size_t(l.Length));
}

Integer TEditLayout::LineFromChar(Integer Position) const
{
    for (Integer i = LineCount() - 1; i > 0; --i)
        if (Position >= m_lines[std::size_t(i)].Start) return i;
    return 0;
}

Integer TEditLayout::XOfChar(Integer Position) const
{
    const TEditLine& l = Line(LineFromChar(Position));
    const Integer count = std::clamp(Position - l.Start, 0, l.Length);
    if (count == 0 || !m_measure) return 0;
    return m_measure(StringView(m_text).substr(std::size_t(l.Start), std::size_t(count)));
}

Integer TEditLayout::CharFromX(Integer LineIndex, Integer X) const
{
    const TEditLine& l = Line(std::clamp(LineIndex, 0, LineCount() - 1));
    if (X <= 0 || !m_measure) return l.Start;
    const StringView text(m_text);
    Integer prev = 0;
    for (Integer i = 1; i <= l.Length; ++i) {
        const Char c = text[std::size_t(l.Start + i - 1)];
        if (c >= 0xD800 && c <= 0xDBFF && i < l.Length) continue;  // inside a surrogate pair
        const Integer w = m_measure(text.substr(std::size_t(l.Start), std::size_t(i)));
        if (X < w) {
            // Nearer to the left or the right edge of this character?
            Integer before = i - 1;
            if (before > 0 && text[std::size_t(l.Start + before - 1)] >= 0xD800 &&
                text[std::size_t(l.Start + before - 1)] <= 0xDBFF)
                --before;
            return l.Start + (X - prev < w - X ? before : i);
        }
        prev = w;
    }
    return l.Start + l.Length;
}

Integer TEditLayout::MaxLineWidth() const
{
    Integer widest = 0;
    if (!m_measure) return 0;
    for (Integer i = 0; i < LineCount(); ++i) widest = std::max(widest, m_measure(LineText(i)));
    return widest;
}

}  // namespace gw
