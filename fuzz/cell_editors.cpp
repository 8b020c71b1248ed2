// Fuzz target: the combo, spin and check-box cell editors on outside cell text. A cell holding
// the text is opened in one family's editor (by the first byte) and committed unchanged; doing
// it again must give the same text (the first commit settles the value), and nothing may crash
// or be raised.
#include "fuzz/fuzz_support.h"

#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/forms.h"

#include <array>

namespace {

using namespace gw;

constexpr std::array<TEditorType, 7> kTypes{edComboEdit,    edComboList,    edSpinEdit, edFloatSpinEdit,
                                            edTimeSpinEdit, edDateSpinEdit, edCheckBox};

struct TWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    TExtStringGrid* Grid = nullptr;
    TEditorType Type = edComboEdit;
    TWorld()
    {
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        Grid->SetOptions(Grid->Options() | goEditing);
        Grid->OnGetEditorType = [this](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = Type; };
        Grid->OnGetEditorProp = [this](TObject*, Integer, Integer) {
            Grid->ClearComboString();
            for (const char16_t* item : {u"Default", u"12", u""}) Grid->AddComboString(item);
        };
        Form->Show();
        Grid->SetFocus();
        Grid->FocusCell(1, 1);
    }
};

TWorld& World()
{
    static TWorld world;
    return world;
}

String EditAndCommit(TWorld& W, const String& Text)
{
    W.Grid->SetCellEx(1, 1, Text);
    W.Grid->FocusCell(1, 1);
    W.Harness.Press(VK_F2);
    W.Grid->HideInplaceEdit();
    W.Harness.ProcessMessages();
    return W.Grid->GetCellEx(1, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    TWorld& w = World();
    w.Type = kTypes[data[0] % kTypes.size()];
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data + 1, size - 1));
    try {
        const String once = EditAndCommit(w, text);
        if (EditAndCommit(w, once) != once) gw::fuzz::Fail("a second unchanged commit changed the text");
    } catch (const gw::Exception&) {
        gw::fuzz::Fail("an editor raised");
    }
    return 0;
}
