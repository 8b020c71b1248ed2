// Fuzz target: the string grid's left press on a cell holding outside mark-up (anchors, CONTROL
// tags, "CELL://" references, plain links). The press lands on a fuzzed point of the cell, with
// editing on or off: nothing may crash or raise, no program or "file:" link reaches the shell,
// the CONTROL elements stay as many as they were, and the text still lays out.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/markup_renderer.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "platform/ui/message_records.h"

namespace {

using namespace gw;

struct TWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    TExtStringGrid* Grid = nullptr;
    TWorld()
    {
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetColWidths(2, 250);
        Grid->SetRowHeights(2, 60);
        Form->Show();
        SetShellOpener([](const std::string& Argument) {
            std::string ignored;
            if (ClassifyShellTarget(Utf8ToString(Argument), ignored) == TShellTarget::Refused)
                gw::fuzz::Fail("a refused target reached the opener");
            return true;
        });
    }
};

TWorld& World()
{
    static TWorld world;
    return world;
}

// The CONTROL elements as the mark-up reads them: one runs from "<CONTROL " to the first ">"
// after it (so a "<CONTROL " inside it is no element of its own), or, with no ">" left, to the
// next "<".
size_t ControlCount(const String& Text)
{
    const String upper = UpperCase(Text);
    size_t n = 0;
    for (size_t at = upper.find(u"<CONTROL "); at != String::npos;) {
        ++n;
        size_t end = Text.find(u'>', at + 1);
        if (end == String::npos) end = Text.find(u'<', at + 1);
        if (end == String::npos) break;
        at = upper.find(u"<CONTROL ", end);
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    TWorld& w = World();
    TExtStringGrid& g = *w.Grid;
    const uint8_t switches = data[0];
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data + 3, size - 3));
    g.SetOptions((switches & 1) ? g.Options() | goEditing : g.Options() & ~TGridOptions(goEditing));
    g.SetURLShow(switches & 2);
    g.EnableHTML = !(switches & 4);
    g.ControlLook()->RadioAlwaysActive = switches & 8;
    g.FocusCell(1, 1);
    g.SetCellEx(2, 2, text);
    const size_t controls = ControlCount(text);
    const TRect r = g.CellRect(2, 2);
    const TPoint at{r.Left + data[1] % (r.Right - r.Left), r.Top + data[2] % (r.Bottom - r.Top)};
    try {
        g.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(at));
        g.Perform(WM_LBUTTONUP, 0, PointToLParam(at));
    } catch (const gw::Exception&) {
        gw::fuzz::Fail("the press raised");
    }
    const String after = g.GetCellEx(2, 2);
    if (ControlCount(after) != controls) gw::fuzz::Fail("a press changed the number of CONTROL elements");
    (void)DrawMarkupText({.Canvas = g.Canvas(), .Text = after, .Rect = r, .MeasureOnly = true});
    return 0;
}
