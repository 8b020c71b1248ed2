// Text placement of the drop-down controls.
#include "grid/foundation/text_placement.h"

namespace gw {

namespace {

constexpr StringView Dots = u"...";

// Length of the start of Text that ends one whole character before Length (a surrogate pair
// is dropped at once).
size_t DropLastCharacter(StringView Text, size_t Length)
{
    if (Length >= 2 && Text[Length - 1] >= 0xDC00 && Text[Length - 1] <= 0xDFFF && Text[Length - 2] >= 0xD800 &&
        Text[Length - 2] <= 0xDBFF)
        return Length - 2;
    return Length - 1;
}

}  // namespace

TSize MeasureTextExtent(TCanvas& Canvas, StringView Text)
{
    if (Text.empty()) return {};
    TRect r{0, 0, 1000, 500};
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
}

String FitTextWithEllipsis(TCanvas& Canvas, StringView Text, Integer Width, bool Ellipsis)
{
    if (MeasureTextExtent(Canvas, Text).cx <= Width) return String(Text);
    size_t length = Text.size();
    while (length > 0 && (length = DropLastCharacter(Text, length)) > 0) {
        String candidate(Text.substr(0, length));
        if (Ellipsis) candidate += Dots;
        if (MeasureTextExtent(Canvas, candidate).cx < Width) return candidate;
    }
    return String(Text);
}

void DrawImageAndText(TCanvas& Canvas, const TRect& R, StringView Text, Integer ImageIndex, const TImageList* Images)
{
    TRect text = R;
    const bool image = ImageIndex >= 0 && Images;
    if (image) {
        Images->Draw(&Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        text.Left = R.Left + Images->Width() + 8;
    }
    if (Text.empty()) return;
    Canvas.DrawText(Text, text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (image ? 0 : DT_CENTER));
}

TMarkupInRectCall MarkupInRectCall(const TRect& R, bool Draw, HWND ThemeWindow)
{
    TMarkupInRectCall call;
    call.Rect = R;
    call.MeasureOnly = !Draw;
    call.ThemeWindow = ThemeWindow;
    return call;
}

TSize MarkupInRectSize(StringView Text, Integer UsedWidth, Integer UsedHeight)
{
    if (Text.empty()) return {};
    return {UsedWidth, UsedHeight};
}

}  // namespace gw
