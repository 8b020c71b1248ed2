// The text model behind every edit control: text, caret, selection, one-level undo and limits.
#include "platform/controls/edit_buffer.h"

#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

namespace {

bool IsHighSurrogate(Char C) { return C >= 0xD800 && C <= 0xDBFF; }
bool IsLowSurrogate(Char C) { return C >= 0xDC00 && C <= 0xDFFF; }

}  // namespace

bool IsEditWordBreak(Char C) { return C == u' ' || C == u'\t' || C == u'\r' || C == u'\n'; }

void TEditBuffer::SetText(StringView Value)
{
    m_text = ConvertCase(Value);
    m_caret = m_anchor = 0;
    EmptyUndoBuffer();
}

String TEditBuffer::SelText() const { return m_text.substr(std::size_t(SelStart()), std::size_t(SelLength())); }

Integer TEditBuffer::ClampPosition(Integer Position) const
{
    Position = std::clamp(Position, 0, Length());
    if (Position > 0 && Position < Length()) {
        const Char before = m_text[std::size_t(Position - 1)];
        const Char after = m_text[std::size_t(Position)];
        if ((IsHighSurrogate(before) && IsLowSurrogate(after)) || (before == u'\r' && after == u'\n')) --Position;
    }
    return Position;
}

void TEditBuffer::SetSel(Integer Start, Integer End)
{
    m_typing = false;
    if (Start < 0) {
        m_anchor = m_caret;
        return;
    }
    if (End < 0) End = Length();
    m_anchor = ClampPosition(Start);
    m_caret = ClampPosition(End);
}

void TEditBuffer::MoveCaret(Integer Position, bool Extend)
{
    m_typing = false;
    m_caret = ClampPosition(Position);
    if (!Extend) m_anchor = m_caret;
}

String TEditBuffer::ConvertCase(StringView S) const
{
    switch (m_charCase) {
    case ecUpperCase: return AnsiUpperCase(S);
    case ecLowerCase: return AnsiLowerCase(S);
    default: return String(S);
    }
}

String TEditBuffer::Normalize(StringView S) const
{
    String result = ConvertCase(S);
    if (!Multiline) {
        const auto cut = result.find_first_of(u"\r\n");
        if (cut != String::npos) result.resize(cut);
    }
    return result;
}

void TEditBuffer::SetCharCase(TEditCharCase Value)
{
    if (Value == m_charCase) return;
    m_charCase = Value;
    m_text = ConvertCase(m_text);
}

void TEditBuffer::SaveUndo()
{
    m_undoText = m_text;
    m_undoCaret = m_caret;
    m_undoAnchor = m_anchor;
    m_hasUndo = true;
}

bool TEditBuffer::ReplaceSel(StringView S, bool CanUndo)
{
    String insert = Normalize(S);
    if (MaxLength > 0) {
        const Integer room = std::max(0, MaxLength - (Length() - SelLength()));
        if (Integer(insert.size()) > room) {
            std::size_t keep = std::size_t(room);
            // Never keep half of a surrogate pair or of a CR LF.
            if (keep > 0 && (IsHighSurrogate(insert[keep - 1]) || insert[keep - 1] == u'\r')) --keep;
            insert.resize(keep);
        }
    }
    if (insert.empty() && !HasSelection()) return false;
    if (CanUndo) SaveUndo();
    m_typing = false;
    const Integer start = SelStart();
    m_text.replace(std::size_t(start), std::size_t(SelLength()), insert);
    m_caret = m_anchor = start + Integer(insert.size());
    return true;
}

bool TEditBuffer::TypeChar(Char C)
{
    const String insert = Normalize(StringView(&C, 1));
    if (insert.empty()) return false;
    if (MaxLength > 0 && Length() - SelLength() + Integer(insert.size()) > MaxLength) return false;
    if (!m_typing || HasSelection()) SaveUndo();
    const Integer start = SelStart();
    m_text.replace(std::size_t(start), std::size_t(SelLength()), insert);
    m_caret = m_anchor = start + Integer(insert.size());
    m_typing = true;
    return true;
}

bool TEditBuffer::DeleteBackward(bool Word)
{
    if (!HasSelection()) {
        if (m_caret == 0) return false;
        m_anchor = m_caret;
        // ClampPosition steps back over the whole of a surrogate pair or a CR LF.
        m_caret = Word ? PrevWordStart(m_caret) : ClampPosition(m_caret - 1);
    }
    return ReplaceSel(u"");
}

bool TEditBuffer::DeleteForward(bool Word)
{
    if (!HasSelection()) {
        if (m_caret >= Length()) return false;
        m_anchor = m_caret;
        Integer next = m_caret + 1;
        if (!Word && next < Length()) {
            const Char c = m_text[std::size_t(m_caret)];
            if ((IsHighSurrogate(c) && IsLowSurrogate(m_text[std::size_t(next)])) ||
                (c == u'\r' && m_text[std::size_t(next)] == u'\n'))
                ++next;
        }
        m_caret = Word ? NextWordStart(m_caret) : next;
    }
    return ReplaceSel(u"");
}

Integer TEditBuffer::PrevWordStart(Integer Position) const
{
    Integer p = std::clamp(Position, 0, Length());
    while (p > 0 && IsEditWordBreak(m_text[std::size_t(p - 1)])) --p;
    while (p > 0 && !IsEditWordBreak(m_text[std::size_t(p - 1)])) --p;
    return p;
}

Integer TEditBuffer::NextWordStart(Integer Position) const
{
    Integer p = std::clamp(Position, 0, Length());
    while (p < Length() && !IsEditWordBreak(m_text[std::size_t(p)])) ++p;
    while (p < Length() && IsEditWordBreak(m_text[std::size_t(p)])) ++p;
    return p;
}

void TEditBuffer::SelectWordAt(Integer Position)
{
    Integer p = std::clamp(Position, 0, Length());
    if (p == Length() && p > 0) --p;
    if (p >= Length()) {
        SetSel(p, p);
        return;
    }
    Integer start = p;
    Integer end = p;
    if (IsEditWordBreak(m_text[std::size_t(p)])) {
        // On blanks: the blanks themselves (not across a line break).
        while (start > 0 && (m_text[std::size_t(start - 1)] == u' ' || m_text[std::size_t(start - 1)] == u'\t'))
            --start;
        while (end < Length() && (m_text[std::size_t(end)] == u' ' || m_text[std::size_t(end)] == u'\t')) ++end;
    } else {
        while (start > 0 && !IsEditWordBreak(m_text[std::size_t(start - 1)])) --start;
        while (end < Length() && !IsEditWordBreak(m_text[std::size_t(end)])) ++end;
        while (end < Length() && (m_text[std::size_t(end)] == u' ' || m_text[std::size_t(end)] == u'\t')) ++end;
    }
    SetSel(start, end);
}

bool TEditBuffer::Undo()
{
    if (!m_hasUndo) return false;
    std::swap(m_text, m_undoText);
    std::swap(m_caret, m_undoCaret);
    std::swap(m_anchor, m_undoAnchor);
    m_typing = false;
    return true;
}

}  // namespace gw
