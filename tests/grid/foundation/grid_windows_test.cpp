// The grid's helper windows and cell controls on the headless display: the drop arrows, the
// focus-frame window with its geometry and image, and the list of cell controls.
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/control_list.h"
#include "grid/foundation/focus_window.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace gw {
namespace {

// Stands in for the grid: a windowed control painting cells of 64 x 20 pixels with their
// row and column, grid lines between them.
class TCellsStandIn : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static constexpr Integer CellWidth = 64, CellHeight = 20;
    TRect CellRect(Integer Col, Integer Row) const
    {
        return Bounds(Col * CellWidth, Row * CellHeight, CellWidth - 1, CellHeight - 1);
    }

protected:
    void Paint() override
    {
        TCanvas& c = *Canvas();
        c.Brush()->SetColor(clWhite);
        c.FillRect(ClientRect());
        c.Pen()->SetColor(clSilver);
        for (Integer x = CellWidth - 1; x < Width(); x += CellWidth) {
            c.MoveTo(x, 0);
            c.LineTo(x, Height());
        }
        for (Integer y = CellHeight - 1; y < Height(); y += CellHeight) {
            c.MoveTo(0, y);
            c.LineTo(Width(), y);
        }
        c.Brush()->SetStyle(bsClear);
        for (Integer row = 0; row * CellHeight < Height(); ++row)
            for (Integer col = 0; col * CellWidth < Width(); ++col)
                c.TextOut(col * CellWidth + 4, row * CellHeight + 3, u"R" + IntToStr(row) + u" C" + IntToStr(col));
    }
};

// Stands in for the cell's editor: white with its text; logs its mouse presses and focus
// changes as "<name> <message>".
class TLoggedControl : public TCustomControl {
public:
    TLoggedControl(TComponent* AOwner, TEventLog& Log, std::string Name)
        : TCustomControl(AOwner), m_log(Log), m_name(std::move(Name))
    {
        SetColor(clWhite);
    }
    void WndProc(TMessage& M) override
    {
        if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_SETFOCUS || M.Msg == WM_KILLFOCUS || M.Msg == WM_ACTIVATE)
            m_log.Add(m_name + " " + MessageName(M.Msg));
        TCustomControl::WndProc(M);
    }
    String EditText = u"R2 C1 edited";

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(ClientRect());
        Canvas()->TextOut(2, 1, EditText);
    }

private:
    TEventLog& m_log;
    std::string m_name;
};

class GridWindowsTest : public ::testing::Test {
protected:
    GridWindowsTest()
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 300);
        grid = new TCellsStandIn(form);
        grid->SetBounds(10, 10, 300, 200);
        grid->SetParent(form);
        form->Show();
        h.ProcessMessages();
    }

    // A pixel of the screen, 0xRRGGBB.
    uint32_t ScreenAt(TPoint P)
    {
        h.ProcessMessages();
        auto shot = h.Display().ComposeScreen(Rect(P.X, P.Y, P.X + 1, P.Y + 1));
        cairo_surface_flush(shot.get());
        uint32_t v;
        std::memcpy(&v, cairo_image_surface_get_data(shot.get()), 4);
        return v & 0xFFFFFF;
    }
    void ClickAt(TPoint P)
    {
        InjectMouse(TMouseAction::Down, P);
        InjectMouse(TMouseAction::Up, P);
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TCellsStandIn* grid = nullptr;
};

// --- drop arrows ---------------------------------------------------------------------------------

TEST_F(GridWindowsTest, ArrowWindowsArePopupsOfTheGridHiddenAndLime)
{
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        auto* arrow = new TArrowWindow(grid, d);
        EXPECT_EQ(arrow->Owner(), grid);
        EXPECT_EQ(arrow->Parent(), grid);
        EXPECT_EQ(arrow->Dir(), d);
        EXPECT_EQ(arrow->Color(), clLime);
        EXPECT_FALSE(arrow->Visible());
        const HWND wnd = arrow->Handle();
        EXPECT_EQ(GetWindowStyle(wnd), Cardinal(WS_POPUP));
        EXPECT_EQ(GetParent(wnd), HWND(0));
        EXPECT_EQ(GetWindowOwner(wnd), grid->Handle());
        EXPECT_FALSE(IsWindowVisible(wnd));
    }
}

TEST_F(GridWindowsTest, ArrowOutlinesPointTheirWay)
{
    struct Case {
        TArrowDirection dir;
        TPoint first;
        TPoint inside, outside;  // a pixel towards the tip that is filled, one beside the tip that is not
    };
    const Case cases[] = {
        {arrUp, {5, 0}, {5, 2}, {1, 1}},  // tip at the top
        {arrDown, {3, 0}, {5, 6}, {1, 7}},  // tip at the bottom
        {arrLeft, {0, 3}, {6, 5}, {7, 1}},  // tip at the right
        {arrRight, {0, 5}, {2, 5}, {1, 1}},  // tip at the left
    };
    for (const Case& c : cases) {
        TArrowWindow arrow(grid, c.dir);
        EXPECT_EQ(arrow.Arrow()[0], c.first);
        const TRegion shape = arrow.ArrowRegion();
        EXPECT_TRUE(shape.Contains(c.inside.X, c.inside.Y)) << int(c.dir);
        EXPECT_FALSE(shape.Contains(c.outside.X, c.outside.Y)) << int(c.dir);
        EXPECT_LE(shape.Bounds().Right, 10);
        EXPECT_LE(shape.Bounds().Bottom, 10);
        arrow.SetParent(nullptr);
    }
}

TEST_F(GridWindowsTest, ArrowWindowsAreCutToTheirArrows)
{
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        SCOPED_TRACE(int(d));
        auto* arrow = new TArrowWindow(grid, d);
        TRegion shape;
        ASSERT_TRUE(GetWindowRgn(arrow->Handle(), shape));
        EXPECT_TRUE(shape == arrow->ArrowRegion());
        // Shown over the grid's first cell, as a drag shows it: lime on the arrow, the grid beside it.
        const TPoint at = grid->ClientToScreen({20, 5});
        arrow->SetBounds(at.X, at.Y, 11, 11);
        arrow->Show();
        h.ProcessMessages();
        const TRect box = shape.Bounds();
        for (Integer y = box.Top; y < box.Bottom; ++y)
            for (Integer x = box.Left; x < box.Right; ++x) {
                const TPoint p{at.X + x, at.Y + y};
                const bool inside = shape.Contains(x, y);
                EXPECT_EQ(WindowFromPoint(p), inside ? arrow->Handle() : grid->Handle()) << x << "," << y;
                if (inside) {
                    EXPECT_EQ(ScreenAt(p), 0x00FF00u) << x << "," << y;
                }
            }
        EXPECT_EQ(ScreenAt({at.X + 10, at.Y + 10}), 0xFFFFFFu) << "the grid's white beside the arrow";
        arrow->Hide();
    }
}

// --- the focus frame -------------------------------------------------------------------------------

// The frame around cell (1, 2) of the grid with an editor focused in it.
class FocusFrameTest : public GridWindowsTest {
protected:
    FocusFrameTest()
    {
        editor = new TLoggedControl(grid, h.Log, "editor");
        cell = grid->CellRect(1, 2);
        editor->SetBoundsRect(Rect(cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2));
        editor->SetParent(grid);
        editor->SetFocus();
        frame = new TGridFocusWindow(grid);
        h.ProcessMessages();
        h.Log.Clear();
        screenCell = cell;
        OffsetRect(screenCell, grid->ClientToScreen({0, 0}).X, grid->ClientToScreen({0, 0}).Y);
    }

    TLoggedControl* editor = nullptr;
    TGridFocusWindow* frame = nullptr;
    TRect cell, screenCell;
};

TEST_F(FocusFrameTest, ShownAroundTheCellWithoutTakingTheFocus)
{
    const uint32_t ringBefore = ScreenAt({screenCell.Left - 2, screenCell.Top + 10});
    frame->ShowAround(screenCell);
    h.ProcessMessages();
    EXPECT_TRUE(h.Log.Take().empty()) << "no focus or activation message reaches the editor";
    EXPECT_EQ(GetFocus(), editor->Handle());
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    const HWND wnd = frame->Handle();
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(GetTopLevelWindows().front(), wnd);
    EXPECT_EQ(GetWindowRect(wnd), FocusFrameBounds(screenCell));
    EXPECT_TRUE(GetWindowExStyle(wnd) & WS_EX_LAYERED);
    TRegion shape;
    ASSERT_TRUE(GetWindowRgn(wnd, shape));
    EXPECT_TRUE(shape == FocusFrameRegion(screenCell));

    // The picture is the frame's mask under the opacity 230.
    TGridAlphaMask mask;
    CreateFocusFrameMask(mask, frame->Width(), frame->Height());
    const auto* native = h.Display().NativeWindow(wnd);
    ASSERT_TRUE(native && native->Layer && native->Layer->Image);
    cairo_surface_t* shown = native->Layer->Image.get();
    cairo_surface_flush(shown);
    const uint8_t* ring = cairo_image_surface_get_data(shown) + 4 * cairo_image_surface_get_stride(shown) + 30 * 4;
    const uint8_t* masked = mask.ScanLine(4) + 30 * 4;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(ring[i], (masked[i] * 230 + 127) / 255, 1) << i;

    // On the screen: the cell as the grid painted it, the ring tinted towards the frame colour.
    EXPECT_EQ(ScreenAt({screenCell.Left + 30, screenCell.Top + 1}), 0xFFFFFFu);
    const uint32_t ring2 = ScreenAt({screenCell.Left - 2, screenCell.Top + 10});
    EXPECT_NE(ring2, ringBefore);
    EXPECT_GT(ring2 & 0xFF, (ring2 >> 16) & 0xFF) << "blue ($FD) above red ($97)";

    // A click in the cell reaches the editor; one on the ring reaches nobody and moves nothing.
    ClickAt({screenCell.Left + 30, screenCell.Top + 10});
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"editor WM_LBUTTONDOWN"});
    ClickAt({screenCell.Left - 2, screenCell.Top + 10});
    EXPECT_TRUE(h.Log.Take().empty());
    EXPECT_EQ(GetFocus(), editor->Handle());
    EXPECT_EQ(GetActiveWindow(), form->Handle());

    frame->Hide();
    EXPECT_EQ(ScreenAt({screenCell.Left - 2, screenCell.Top + 10}), ringBefore);
    EXPECT_EQ(GetFocus(), editor->Handle());
}

TEST_F(FocusFrameTest, FollowsTheCellAndTakesItsSize)
{
    frame->MoveAround(screenCell);
    EXPECT_FALSE(frame->Visible()) << "a hidden frame stays hidden";
    frame->ShowAround(screenCell);
    const auto* native = h.Display().NativeWindow(frame->Handle());
    const Cardinal pictures = native->LayerChanges;

    TRect moved = screenCell;
    OffsetRect(moved, 0, TCellsStandIn::CellHeight);
    frame->MoveAround(moved);
    EXPECT_EQ(GetWindowRect(frame->Handle()), FocusFrameBounds(moved));
    EXPECT_EQ(native->LayerChanges, pictures) << "same size: the same picture";

    TRect wider = moved;
    wider.Right += 40;
    frame->MoveAround(wider);
    EXPECT_EQ(GetWindowRect(frame->Handle()), FocusFrameBounds(wider));
    EXPECT_GT(native->LayerChanges, pictures);
    EXPECT_EQ(cairo_image_surface_get_width(native->Layer->Image.get()), wider.Width() + 9);
    TRegion shape;
    ASSERT_TRUE(GetWindowRgn(frame->Handle(), shape));
    EXPECT_TRUE(shape == FocusFrameRegion(wider));
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(GetFocus(), editor->Handle());
}

TEST_F(FocusFrameTest, PictureForAPerson)
{
    frame->ShowAround(screenCell);
    h.ProcessMessages();
    const TPoint origin = grid->ClientToScreen({0, 0});
    h.Display().SaveScreenToPng(Bounds(origin.X, origin.Y, grid->Width(), 100),
                                Utf8ToString(test::picturePath("focus_frame_over_cell.png").string()));
    // Four times larger around the cell, pixel for pixel.
    const TRect area = Rect(screenCell.Left - 12, screenCell.Top - 12, screenCell.Right + 12, screenCell.Bottom + 12);
    auto shot = h.Display().ComposeScreen(area);
    std::shared_ptr<cairo_surface_t> zoom(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, area.Width() * 4, area.Height() * 4), cairo_surface_destroy);
    cairo_t* cr = cairo_create(zoom.get());
    cairo_scale(cr, 4, 4);
    cairo_set_source_surface(cr, shot.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    SaveSurfaceToPng(zoom.get(), Utf8ToString(test::picturePath("focus_frame_over_cell_zoom.png").string()));
    EXPECT_TRUE(std::filesystem::exists(test::picturePath("focus_frame_over_cell.png")));
}

TEST_F(GridWindowsTest, FocusWindowIsADisabledTopmostToolPopup)
{
    auto* frame = new TGridFocusWindow(grid);
    EXPECT_EQ(frame->Width(), 0);
    EXPECT_EQ(frame->Height(), 0);
    EXPECT_EQ(frame->Color(), TColor(0x0000FF));
    EXPECT_FALSE(frame->Visible());
    const HWND wnd = frame->Handle();
    EXPECT_EQ(GetWindowStyle(wnd), Cardinal(WS_POPUP | WS_DISABLED));
    EXPECT_EQ(GetWindowExStyle(wnd), Cardinal(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_FALSE(IsWindowVisible(wnd));
    EXPECT_FALSE(IsWindowEnabled(wnd));
}

TEST(FocusFrame, WindowBoundsAndRegionAroundACell)
{
    struct Case {
        TRect cell;
        TRect bounds;
    };
    const Case cases[] = {
        {Rect(100, 50, 180, 70), Rect(96, 46, 185, 75)},
        {Rect(0, 0, 1, 1), Rect(-4, -4, 6, 6)},
        {Rect(-20, 10, 10, 30), Rect(-24, 6, 15, 35)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FocusFrameBounds(c.cell), c.bounds);
        const TRegion frame = FocusFrameRegion(c.cell);
        const Integer w = c.cell.Width(), hgt = c.cell.Height();
        EXPECT_EQ(frame.Bounds(), Rect(0, 0, w + 9, hgt + 9));
        EXPECT_TRUE(frame.Contains(3, 3));
        EXPECT_FALSE(frame.Contains(4, 4));  // the cell's own pixels stay uncovered
        EXPECT_FALSE(frame.Contains(3 + w, 3 + hgt));
        EXPECT_TRUE(frame.Contains(4 + w, 4 + hgt));
        EXPECT_TRUE(frame.Contains(w + 8, 0));
    }
}

TEST(FocusFrame, ImageIsTheFrameColourUnderASoftOutline)
{
    TGridAlphaMask mask;
    CreateFocusFrameMask(mask, 89, 29);
    EXPECT_EQ(mask.Width(), 89);
    EXPECT_EQ(mask.Height(), 29);
    EXPECT_EQ(mask.PixelFormat(), pf32bit);
    EXPECT_EQ(mask.Opacity, 230);
    auto pixel = [&](Integer X, Integer Y) {
        const uint8_t* p = mask.ScanLine(Y) + X * 4;
        return std::array<unsigned, 4>{p[0], p[1], p[2], p[3]};
    };
    // Along the outline: opaque enough, the colour $FDD397 scaled by alpha.
    const auto ring = pixel(44, 4);
    EXPECT_GT(ring[3], 100u);
    EXPECT_NEAR(ring[0], 0xFDu * ring[3] / 255, 1);
    EXPECT_NEAR(ring[1], 0xD3u * ring[3] / 255, 1);
    EXPECT_NEAR(ring[2], 0x97u * ring[3] / 255, 1);
    // Inside, where the cell is: transparent; the outer corner nearly so.
    EXPECT_EQ(pixel(44, 14)[3], 0u);
    EXPECT_LT(pixel(0, 0)[3], 16u);
    // The blur fades the outline towards the window's edge.
    EXPECT_GT(pixel(44, 1)[3], 0u);
    EXPECT_LT(pixel(44, 1)[3], ring[3]);
}

// --- cell controls -------------------------------------------------------------------------------

TEST_F(GridWindowsTest, ControlListFindsAndRemovesCellControls)
{
    TControlList list;
    auto* a = new TCustomControl(form);
    auto* b = new TCustomControl(form);
    list.AddControl(1, 2, a);
    list.AddControl(3, 4, b);
    list.AddControl(1, 2, b);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(1)->X(), 3);
    EXPECT_EQ(list.GetControl(1)->Y(), 4);
    EXPECT_EQ(list.GetControl(1)->Control(), b);
    list.RemoveControl(0);  // the item goes, its control stays
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
    EXPECT_EQ(a->Owner(), form);
    a->SetBounds(1, 1, 5, 5);
    EXPECT_THROW(list.GetControl(2), EListError);
    EXPECT_THROW(list.RemoveControl(-1), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(GridWindowsTest, ControlListKnowsTheWindowsOfItsControls)
{
    TControlList list;
    auto* edit = new TCustomControl(form);
    edit->SetParent(form);
    auto* pending = new TCustomControl(form);  // no parent: no window yet, and none can be made
    list.AddControl(0, 0, pending);
    list.AddControl(1, 1, edit);
    EXPECT_TRUE(list.HasHandle(edit->Handle()));
    EXPECT_FALSE(list.HasHandle(grid->Handle()));
    EXPECT_FALSE(list.HasHandle(0));
    EXPECT_FALSE(pending->HandleAllocated());
}

}  // namespace
}  // namespace gw
