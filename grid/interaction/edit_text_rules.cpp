// The text editor's character, paste and completion rules by editor type.
#include "grid/interaction/edit_text_rules.h"

#include "grid/foundation/number_utils.h"
#include "grid/foundation/text_utils.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

namespace {

constexpr Char Backspace = 8, Tab = 9, Enter = 13, Escape = 27;

bool IsDigit(Char C) { return C >= u'0' && C <= u'9'; }
bool IsEditKey(Char C) { return C == Backspace || C == Tab || C == Enter || C == Escape; }
bool Holds(const String& S, Char C) { return S.find(C) != String::npos; }

String Selected(const TCharFilterInput& In)
{
    const auto start = size_t(std::clamp<Integer>(In.SelStart, 0, Integer(In.Text.size())));
    return In.Text.substr(start, size_t(std::max<Integer>(In.SelLength, 0)));
}

// "-" only in front of a text without one.
bool MinusAllowed(const TCharFilterInput& In) { return In.SelStart == 0 && !Holds(In.Text, u'-'); }

TCharVerdict NumericRule(const TCharFilterInput& In, bool Signed)
{
    if (IsEditKey(In.Ch) || IsDigit(In.Ch)) return TCharVerdict::Pass;
    if (Signed && In.Ch == u'-' && MinusAllowed(In)) return TCharVerdict::Pass;
    return TCharVerdict::Refuse;
}

TCharVerdict FloatRule(const TCharFilterInput& In, bool Signed)
{
    const Char c = In.Ch;
    const bool minus = Signed && c == u'-';
    if (!(IsEditKey(c) || IsDigit(c) || c == u',' || c == u'.' || minus))
        return In.Ctrl ? TCharVerdict::Pass : TCharVerdict::Drop;
    if (c == In.DecimalSeparator && Holds(In.Text, c) && !Holds(Selected(In), c)) return TCharVerdict::Drop;
    if (c == In.ThousandSeparator) return TCharVerdict::Drop;
    if (minus && !MinusAllowed(In) && !Holds(Selected(In), u'-')) return TCharVerdict::Refuse;
    return TCharVerdict::Pass;
}

TCharVerdict ValidCharsRule(const TCharFilterInput& In)
{
    const Char c = In.Ch;
    if (c == Backspace || c == Enter) return TCharVerdict::Pass;
    const bool valid = In.ValidChars.empty() ? c < 256 && In.ValidCharSet[c] : Holds(In.ValidChars, c);
    return valid ? TCharVerdict::Pass : TCharVerdict::Refuse;
}

Char CaseOf(Char C, bool Upper)
{
    const String s = Upper ? AnsiUpperCase(String(1, C)) : AnsiLowerCase(String(1, C));
    return s.size() == 1 ? s[0] : C;
}

}  // namespace

TCharFilterResult FilterEditChar(const TCharFilterInput& In)
{
    TCharFilterResult r{TCharVerdict::Pass, In.Ch};
    // A full text takes no more characters. Full-width comparison: a limit of 40,000 is one.
    if (In.LengthLimit > 0 && Integer(In.Text.size()) >= In.LengthLimit && In.SelLength == 0 && In.Ch != Backspace &&
        In.Ch != Escape && In.Ch != Enter) {
        r.Verdict = TCharVerdict::Drop;
        return r;
    }
    switch (In.Type) {
    case edNormal:
    case edPassword:
    case edMixedCase: break;
    case edNumeric: r.Verdict = NumericRule(In, true); break;
    case edPositiveNumeric: r.Verdict = NumericRule(In, false); break;
    case edFloat: r.Verdict = FloatRule(In, true); break;
    case edPositiveFloat: r.Verdict = FloatRule(In, false); break;
    case edCapital:
    case edUpperCase: r.Ch = CaseOf(In.Ch, true); break;
    case edLowerCase: r.Ch = CaseOf(In.Ch, false); break;
    case edValidChars: r.Verdict = ValidCharsRule(In); break;
    default: r.Verdict = TCharVerdict::Drop; break;
    }
    return r;
}

Char KeypadDecimal(Char Ch, intptr_t KeyData, bool ExcelStyle, Char DecimalSeparator)
{
    const bool keypad = (uint64_t(KeyData) >> 22 & 1) != 0;
    return Ch == u'.' && ExcelStyle && keypad ? DecimalSeparator : Ch;
}

namespace {

bool FitsLimit(Integer Limit, size_t Length) { return Limit < 1 || uint64_t(Limit) >= Length; }

// A single trailing line break (the end of a copied line) is not part of the value.
String WithoutTrailingBreak(String V)
{
    const size_t lf = V.find(u'\n');
    if (lf == String::npos || lf + 1 != V.size()) return V;
    V.pop_back();
    if (!V.empty() && V.back() == u'\r') V.pop_back();
    return V;
}

bool AllIn(const String& Text, const String& Allowed)
{
    return std::all_of(Text.begin(), Text.end(), [&](Char c) { return Holds(Allowed, c); });
}

// The merged text as the type takes it; false when the type refuses it.
bool ShapeForType(TEditorType Type, const String& ValidChars, String& M)
{
    switch (Type) {
    case edNumeric:
    case edPositiveNumeric: return ClassifyNumberText(M) == ntInteger && (Type == edNumeric || !Holds(M, u'-'));
    case edFloat:
    case edPositiveFloat: {
        const TNumberTextClass k = ClassifyNumberText(M);
        return (k == ntInteger || k == ntDecimal) && (Type == edFloat || !Holds(M, u'-'));
    }
    case edMixedCase: M = ProperCaseText(M); return true;
    case edLowerCase: M = AnsiLowerCase(M); return true;
    case edUpperCase: M = AnsiUpperCase(M); return true;
    case edValidChars: return !ValidChars.empty() && AllIn(M, ValidChars);
    default: return true;
    }
}

}  // namespace

TPasteResult MergePaste(const TPasteInput& In)
{
    TPasteResult r{false, In.Text, In.SelStart, In.SelLength};
    if (!FitsLimit(In.LengthLimit, In.Pasted.size())) return r;
    const String v = WithoutTrailingBreak(In.Pasted);
    const auto start = size_t(std::clamp<Integer>(In.SelStart, 0, Integer(In.Text.size())));
    const auto length = std::min(size_t(std::max<Integer>(In.SelLength, 0)), In.Text.size() - start);
    String m = In.Text.substr(0, start) + v + In.Text.substr(start + length);
    if (!FitsLimit(In.LengthLimit, m.size())) return r;
    r.Fits = true;
    // A selection is replaced and the pasted text stays selected; else the caret follows it.
    r.SelStart = Integer(start) + (length > 0 ? 0 : Integer(v.size()));
    r.SelLength = length > 0 ? Integer(v.size()) : 0;
    if (ShapeForType(In.Type, In.ValidChars, m)) r.Text = std::move(m);
    return r;
}

bool LookupComplete(const String& Text, Integer Caret, const std::vector<String>& Items, bool CaseSensitive,
                    String& NewText, Integer& SelFrom)
{
    const auto caret = size_t(std::clamp<Integer>(Caret, 0, Integer(Text.size())));
    if (caret == 0) return false;
    const String typed = Text.substr(0, caret);
    const String key = CaseSensitive ? typed : AnsiUpperCase(typed);
    for (const String& item : Items) {
        const String probe = CaseSensitive ? item : AnsiUpperCase(item);
        if (probe.size() < key.size() || probe.compare(0, key.size(), key) != 0) continue;
        NewText = typed + item.substr(caret, 255);
        SelFrom = Integer(caret);
        return true;
    }
    return false;
}

}  // namespace gw
