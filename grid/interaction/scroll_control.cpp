// The metro scroll control: its axis taken from the parent grid, painting and mouse handling.
#include "grid/interaction/scroll_control.h"

#include "grid/model/ext_string_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/message_records.h"

namespace gw {

namespace {

Integer SumOf(Integer From, Integer To, const std::function<Integer(Integer)>& Size)
{
    Integer s = 0;
    for (Integer i = From; i < To; ++i) s += Size(i);
    return s;
}

}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(TColor(0xC0C0C0)); }

TExtStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

std::optional<TThumbAxis> TScrollControl::Axis() const
{
    const TExtStringGrid* g = Grid();
    if (!g) return std::nullopt;
    TThumbAxis a;
    if (m_direction == sdVertical) {
        auto size = [g](Integer i) { return g->RowHeights(i); };
        a.Extent = Height();
        a.Count = g->RowCount();
        a.Fixed = g->FixedRows();
        a.Visible = g->VisibleRowCount();
        a.First = g->GetTopRowEx();
        a.LeadingFixed = SumOf(0, a.Fixed, size);
        a.TrailingFixed = SumOf(std::max(0, a.Count - g->FixedFooters()), a.Count, size);
        a.FirstItemSize = a.Count > 0 ? g->RowHeights(0) : 0;
    } else {
        auto size = [g](Integer i) { return g->ColWidths(i); };
        a.Extent = Width();
        a.Count = g->ColCount();
        a.Fixed = g->FixedCols();
        a.Visible = g->VisibleColCount();
        a.First = g->LeftCol();
        a.LeadingFixed = SumOf(0, a.Fixed, size);
        a.TrailingFixed = SumOf(std::max(0, a.Count - g->FixedRightCols()), a.Count, size);
        a.FirstItemSize = a.Count > 0 ? g->ColWidths(0) : 0;
    }
    return a;
}

void TScrollControl::DrawThumb(TCanvas& Canvas) const
{
    const std::optional<TThumbAxis> a = Axis();
    const std::optional<TThumb> t = a ? ThumbOf(*a) : std::nullopt;
    if (!t) return;
    Canvas.Pen()->SetColor(Color());
    Canvas.Brush()->SetColor(Color());
    if (m_direction == sdVertical)
        Canvas.Rectangle(0, t->Position, m_scrollWidth, t->Position + t->Size);
    else
        Canvas.Rectangle(t->Position, 0, t->Position + t->Size, m_scrollWidth);
}

void TScrollControl::Paint() { DrawThumb(*Canvas()); }

void TScrollControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_PAINT && Parent())
        if (TCanvas* given = TWMPaint(Message).Canvas) PaintParentUnder(*given);
    TCustomControl::Dispatch(Message);
}

void TScrollControl::PaintParentUnder(TCanvas& Canvas)
{
    const Integer saved = Canvas.SaveDC();
    Canvas.MoveOrigin(-Left(), -Top());
    Parent()->Perform(WM_ERASEBKGND, WPARAM(&Canvas), 0);
    Parent()->Perform(WM_PAINT, WPARAM(&Canvas), 0);
    Canvas.RestoreDC(saved);
}

void TScrollControl::MoveFirst(Integer Value) const
{
    TExtStringGrid* g = Grid();
    if (m_direction == sdVertical)
        g->SetTopRowEx(Value);
    else
        g->SetLeftCol(Value);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const std::optional<TThumbAxis> a = Axis();
    if (!a) return;
    switch (ThumbPressAt(*a, Along(X, Y))) {
    case TThumbPress::None: return;
    case TThumbPress::PageBack: MoveFirst(PageBackTarget(*a)); return;
    case TThumbPress::PageOn: MoveFirst(PageOnTarget(*a)); return;
    case TThumbPress::Drag:
        m_downOnScroller = true;
        m_downPos = Along(X, Y);
        m_downRow = a->First;
        return;
    }
}

void TScrollControl::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!m_downOnScroller) return;
    if (const std::optional<TThumbAxis> a = Axis()) MoveFirst(DragTarget(*a, m_downRow, Along(X, Y) - m_downPos));
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    m_downOnScroller = false;
}

}  // namespace gw
