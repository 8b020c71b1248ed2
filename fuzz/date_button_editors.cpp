// Fuzz target: the grid's date, time, date-and-time, button-edit, unit, button and rich-text
// editors opened on a cell of outside text and committed unchanged. Nothing may crash or be
// raised, and a second round on what the first stored stores the same text again.
#include "fuzz/fuzz_support.h"

#include "grid/interaction/grid_edit_buttons.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/forms.h"

#include <array>

namespace {

using namespace gw;

constexpr std::array<TEditorType, 14> Types{edEditBtn,        edNumericEditBtn,   edFloatEditBtn,       edMaskEditBtn,
                                            edUnitEditBtn,    edFloatUnitEditBtn, edNumericUnitEditBtn, edDateEdit,
                                            edDateEditUpDown, edTimeEdit,         edDateTimeEdit,       edButton,
                                            edRichEdit,       edEditBtn};

struct TWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    TExtStringGrid* Grid = nullptr;
    TEditorType Type = edNormal;
    TWorld()
    {
        TExtStringGrid::StartUp();
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 380, 280);
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        Grid->SetOptions(Grid->Options() | goEditing);
        Grid->OnGetEditorType = [this](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = Type; };
        Grid->BtnUnitEdit()->Units()->Add(u"mm");
        Grid->BtnUnitEdit()->Units()->Add(u"m");
        Form->Show();
        Grid->SetFocus();
        Grid->FocusCell(1, 1);
        Harness.ProcessMessages();
    }
    // Opens the current cell's editor by F2 and commits it from outside; the text stored.
    String Round()
    {
        Harness.Press(VK_F2);
        Harness.ProcessMessages();
        Grid->HideInplaceEdit();
        Harness.ProcessMessages();
        return Grid->GetCellEx(1, 1);
    }
};

TWorld& World()
{
    static TWorld world;
    return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    TWorld& w = World();
    w.Type = Types[data[0] % Types.size()];
    w.Grid->SetCellEx(1, 1, gw::fuzz::FuzzText(gw::fuzz::Bytes(data + 1, size - 1)));
    const String first = w.Round();
    const String second = w.Round();
    if (second != first) gw::fuzz::Fail("a second unchanged commit changed the cell");
    return 0;
}
