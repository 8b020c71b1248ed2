// The edit-mask language of the masked edit: parsing, character checks, formatting, validation.
#include "platform/controls/edit_mask.h"

#include "platform/runtime/format_settings.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <cwctype>

namespace gw {

const Char* const SMaskEditErr = u"Invalid input value.  Use escape key to abandon changes";

namespace {

bool IsLetter(Char C) { return C < 0xD800 && std::iswalpha(wint_t(C)); }
bool IsDigit(Char C) { return C >= u'0' && C <= u'9'; }

}  // namespace

TEditMask::TEditMask(StringView Mask)
{
    // Split off the two trailing fields; a ';' escaped by '\' belongs to the picture.
    StringView picture = Mask;
    std::vector<StringView> fields;
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < Mask.size(); ++i) {
            if (Mask[i] == u'\\') {
                ++i;
                continue;
            }
            if (Mask[i] == u';') {
                fields.push_back(Mask.substr(start, i - start));
                start = i + 1;
            }
        }
        fields.push_back(Mask.substr(start));
        picture = fields[0];
    }
    if (fields.size() > 1 && !fields[1].empty()) m_saveLiterals = fields[1][0] != u'0';
    if (fields.size() > 2 && !fields[2].empty()) m_blank = fields[2][0];

    TMaskCase mode = TMaskCase::None;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const Char c = picture[i];
        TMaskPosition p;
        p.Case = mode;
        switch (c) {
        case u'!': m_leadingBlanks = true; continue;
        case u'>':
            if (i + 1 < picture.size() && picture[i + 1] == u'<') {
                mode = TMaskCase::None;
                ++i;
            } else {
                mode = TMaskCase::Upper;
            }
            continue;
        case u'<':
            if (i + 1 < picture.size() && picture[i + 1] == u'>') {
                mode = TMaskCase::None;
                ++i;
            } else {
                mode = TMaskCase::Lower;
            }
            continue;
        case u'\\':
            if (i + 1 >= picture.size()) continue;
            p.Literal = picture[++i];
            break;
        case u'L':
            p.Kind = TMaskKind::Letter;
            p.Required = true;
            break;
        case u'l': p.Kind = TMaskKind::Letter; break;
        case u'A':
            p.Kind = TMaskKind::AlphaNumeric;
            p.Required = true;
            break;
        case u'a': p.Kind = TMaskKind::AlphaNumeric; break;
        case u'C':
            p.Kind = TMaskKind::AnyChar;
            p.Required = true;
            break;
        case u'c': p.Kind = TMaskKind::AnyChar; break;
        case u'0':
            p.Kind = TMaskKind::Digit;
            p.Required = true;
            break;
        case u'9': p.Kind = TMaskKind::Digit; break;
        case u'#': p.Kind = TMaskKind::DigitOrSign; break;
        case u':': p.Literal = FormatSettings.TimeSeparator; break;
        case u'/': p.Literal = FormatSettings.DateSeparator; break;
        case u'_': p.Literal = u' '; break;
        default: p.Literal = c; break;
        }
        m_positions.push_back(p);
    }
}

Char TEditMask::Accept(Integer Index, Char C) const
{
    if (Index < 0 || Index >= Length()) return 0;
    const TMaskPosition& p = Position(Index);
    bool ok = false;
    switch (p.Kind) {
    case TMaskKind::Literal: ok = false; break;
    case TMaskKind::Letter: ok = IsLetter(C); break;
    case TMaskKind::AlphaNumeric: ok = IsLetter(C) || IsDigit(C); break;
    case TMaskKind::AnyChar: ok = C >= u' '; break;
    case TMaskKind::Digit: ok = IsDigit(C); break;
    case TMaskKind::DigitOrSign: ok = IsDigit(C) || C == u'+' || C == u'-'; break;
    }
    if (!ok) return 0;
    if (p.Case == TMaskCase::Upper) return AnsiUpperCase(StringView(&C, 1))[0];
    if (p.Case == TMaskCase::Lower) return AnsiLowerCase(StringView(&C, 1))[0];
    return C;
}

String TEditMask::EmptyEditText() const
{
    String s;
    for (const TMaskPosition& p : m_positions) s += p.Kind == TMaskKind::Literal ? p.Literal : m_blank;
    return s;
}

Integer TEditMask::NextInput(Integer Index) const
{
    for (Integer i = std::max(Index, 0); i < Length(); ++i)
        if (!IsLiteral(i)) return i;
    return -1;
}

Integer TEditMask::PrevInput(Integer Index) const
{
    for (Integer i = std::min(Index, Length() - 1); i >= 0; --i)
        if (!IsLiteral(i)) return i;
    return -1;
}

String TEditMask::TextFromEditText(StringView EditText) const
{
    if (!IsMasked()) return String(EditText);
    String s;
    for (Integer i = 0; i < Length(); ++i) {
        const Char c = i < Integer(EditText.size()) ? EditText[std::size_t(i)] : m_blank;
        if (IsLiteral(i)) {
            if (m_saveLiterals) s += Position(i).Literal;
        } else {
            s += c == m_blank ? u' ' : c;
        }
    }
    return s;
}

String TEditMask::EditTextFromText(StringView Value) const
{
    if (!IsMasked()) return String(Value);
    String edit = EmptyEditText();
    // The characters meant for input positions, in order.
    String chars;
    if (m_saveLiterals) {
        // Value follows the mask position by position; a character where the mask has a
        // literal is that literal (or, when it differs, meant for the next input position).
        std::size_t v = 0;
        for (Integer i = 0; i < Length() && v < Value.size(); ++i) {
            if (IsLiteral(i)) {
                if (Value[v] == Position(i).Literal) ++v;
                continue;
            }
            chars += Value[v++];
        }
    } else {
        chars = String(Value);
    }
    return EditTextFromInput(chars);
}

String TEditMask::EditTextFromInput(StringView chars) const
{
    String edit = EmptyEditText();
    Integer inputs = 0;
    for (Integer i = 0; i < Length(); ++i) inputs += IsLiteral(i) ? 0 : 1;
    // With leading blanks, a short value fills the last positions.
    Integer skip = (m_leadingBlanks && Integer(chars.size()) < inputs) ? inputs - Integer(chars.size()) : 0;
    std::size_t k = 0;
    for (Integer i = 0; i < Length() && k < chars.size(); ++i) {
        if (IsLiteral(i)) continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        const Char c = chars[k++];
        const Char accepted = c == u' ' ? 0 : Accept(i, c);
        if (accepted != 0) edit[std::size_t(i)] = accepted;
    }
    return edit;
}

Integer TEditMask::FirstMissing(StringView EditText) const
{
    for (Integer i = 0; i < Length(); ++i) {
        const TMaskPosition& p = Position(i);
        if (p.Kind == TMaskKind::Literal || !p.Required) continue;
        const Char c = i < Integer(EditText.size()) ? EditText[std::size_t(i)] : m_blank;
        if (c == m_blank || c == u' ' || Accept(i, c) == 0) return i;
    }
    return -1;
}

bool TEditMask::IsEmpty(StringView EditText) const
{
    for (Integer i = 0; i < Length(); ++i) {
        if (IsLiteral(i)) continue;
        const Char c = i < Integer(EditText.size()) ? EditText[std::size_t(i)] : m_blank;
        if (c != m_blank && c != u' ') return false;
    }
    return true;
}

String FormatMaskText(StringView EditMask, StringView Value)
{
    const TEditMask mask(EditMask);
    return mask.TextFromEditText(mask.EditTextFromText(Value));
}

}  // namespace gw
