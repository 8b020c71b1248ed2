// Fuzz target: the text editor's character filter and paste merge. The input is a header of four
// bytes (editor type, length limit, selection start, selection length), the characters typed,
// then (after a NUL byte) the pasted text. Typing into an empty editor must keep the text within
// the limit and the numeric types holding only what they admit; a paste must keep the limit and
// leave a numeric type's text a number of its kind (or unchanged).
#include "fuzz/fuzz_support.h"

#include "grid/foundation/number_utils.h"
#include "grid/interaction/edit_text_rules.h"

#include <algorithm>

namespace {

using namespace gw;
using gw::fuzz::Fail;

bool Numeric(TEditorType T) { return T == edNumeric || T == edPositiveNumeric; }
bool Float(TEditorType T) { return T == edFloat || T == edPositiveFloat; }
bool Signed(TEditorType T) { return T == edNumeric || T == edFloat; }

// What the editor does with a passed character: Backspace deletes, the other edit keys insert
// nothing, anything else replaces the selection.
void Apply(String& Text, Integer& Caret, Integer& SelLength, Char C)
{
    if (C == 9 || C == 13 || C == 27) return;
    const auto at = size_t(Caret);
    if (C == 8) {
        if (SelLength > 0) {
            Text.erase(at, size_t(SelLength));
        } else if (at > 0) {
            Text.erase(at - 1, 1);
            --Caret;
        }
    } else {
        Text.replace(at, size_t(SelLength), 1, C);
        ++Caret;
    }
    SelLength = 0;
}

void CheckTyped(TEditorType Type, const String& Text, Char Decimal)
{
    const size_t minus = Text.find(u'-');
    if ((Numeric(Type) || Float(Type)) && minus != String::npos &&
        (!Signed(Type) || minus != 0 || Text.find(u'-', 1) != String::npos))
        Fail("a minus where the type admits none");
    for (Char c : Text) {
        const bool digit = c >= u'0' && c <= u'9';
        if (Numeric(Type) && !digit && c != u'-') Fail("a numeric text holds another character");
        if (Float(Type) && !digit && c != u'-' && c != u',' && c != u'.') Fail("a float text holds another character");
    }
    if (Float(Type) && std::count(Text.begin(), Text.end(), Decimal) > 1) Fail("two decimal separators");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const auto type = TEditorType(data[0] % EditorTypeCount);
    const Integer limit = Integer(data[1] % 12) - 1;  // -1 .. 10: none, or a small limit
    const Integer selStart = Integer(int8_t(data[2]));
    const Integer selLength = Integer(int8_t(data[3]));
    std::string_view rest = gw::fuzz::Bytes(data + 4, size - 4);
    const String typed = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    const String pasted = gw::fuzz::FuzzText(rest);

    // Typing into an empty editor, as the editor applies each verdict.
    TCharFilterInput in;
    in.Type = type;
    in.ValidChars = u"ABC";
    in.LengthLimit = limit;
    Integer caret = 0, selection = 0;
    for (Char c : typed) {
        in.SelStart = caret;
        in.SelLength = selection;
        in.Ch = c;
        const TCharFilterResult r = FilterEditChar(in);
        if (r.Verdict == TCharVerdict::Pass) Apply(in.Text, caret, selection, r.Ch);
        if (limit > 0 && Integer(in.Text.size()) > limit) Fail("typing went past the limit");
    }
    CheckTyped(type, in.Text, in.DecimalSeparator);
    if (type == edValidChars && in.Text.find_first_not_of(u"ABC") != String::npos) Fail("an unlisted character");

    // A paste into that text with an arbitrary (possibly out-of-range) selection.
    TPasteInput p;
    p.Type = type;
    p.Text = in.Text;
    p.SelStart = selStart;
    p.SelLength = selLength;
    p.Pasted = pasted;
    p.ValidChars = u"ABC";
    p.LengthLimit = limit;
    const TPasteResult r = MergePaste(p);
    if (!r.Fits && r.Text != p.Text) Fail("a paste that does not fit changed the text");
    if (r.Fits && limit > 0 && Integer(r.Text.size()) > limit) Fail("a paste went past the limit");
    if (r.Fits &&
        (r.SelStart < 0 || r.SelLength < 0 ||
         r.SelStart + r.SelLength > Integer(std::max(r.Text.size(), p.Text.size()) + pasted.size())))
        Fail("a selection outside the text");
    if (r.Text != p.Text) {
        const TNumberTextClass k = ClassifyNumberText(r.Text);
        if (Numeric(type) && k != ntInteger) Fail("a numeric type took a non-integer");
        if (Float(type) && k != ntInteger && k != ntDecimal) Fail("a float type took a non-number");
        if ((Numeric(type) || Float(type)) && !Signed(type) && r.Text.find(u'-') != String::npos)
            Fail("a positive type took a minus");
        if (type == edValidChars && r.Text.find_first_not_of(u"ABC") != String::npos) Fail("an unlisted character");
    }
    return 0;
}
