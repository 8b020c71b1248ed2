// The red zig-zag under a marked stretch of a cell text.
#include "grid/foundation/error_underline.h"

#include "platform/controls/edit.h"

#include <algorithm>
#include <memory>

namespace gw {

namespace {

// Character positions as a hidden single-line edit at R in Owner lays the text out. The edit
// holds one blank more than the text, so that the end of the text is a character position too.
class TCharPositions {
public:
    TCharPositions(TWinControl& Owner, const TCanvas& Canvas, StringView Text, const TRect& R)
        : m_edit(std::make_unique<TEdit>(nullptr))
    {
        m_edit->SetVisible(false);
        m_edit->SetParent(&Owner);
        m_edit->SetBounds(R.Left, R.Top, R.Width(), R.Height());
        m_edit->Font()->Assign(Canvas.Font());
        m_edit->SetText(String(Text) + u" ");
    }

    TPoint Of(Integer Index) const
    {
        const LRESULT p = m_edit->Perform(EM_POSFROMCHAR, WPARAM(std::max(0, Index)), 0);
        return {GetXLParam(p), GetYLParam(p)};
    }

private:
    std::unique_ptr<TEdit> m_edit;
};

}  // namespace

void DrawErrorUnderline(TWinControl& Owner, TCanvas& Canvas, StringView Text, const TRect& R, Integer Offset,
                        Integer From, Integer Length)
{
    if (Length < 1) return;
    const Integer n = Integer(Text.size());
    TPoint start, end;
    {
        const TCharPositions positions(Owner, Canvas, Text, R);
        start = From >= n ? positions.Of(n) : positions.Of(From);
        if (From >= n) start.X += 4;
        if (Int64(From) + Length >= n) {
            end = {positions.Of(n - 1).X + 4, start.Y};
        } else {
            end = positions.Of(From + Length - 1);
        }
    }
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetColor(clRed);
    Canvas.Pen()->SetWidth(2);
    const Integer base = R.Top + end.Y + Offset;
    Integer x = start.X;
    Canvas.MoveTo(R.Left + x, R.Top + start.Y + Offset + 3);
    bool high = true;  // the next point is at the line's upper height
    while (x <= end.X) {
        x += 3;
        Canvas.LineTo(R.Left + x, high ? base : base + 3);
        high = !high;
    }
    x += 3;
    Canvas.LineTo(R.Left + x, high ? base : base + 3);
}

}  // namespace gw
