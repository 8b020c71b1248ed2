// The date editor's frame as painted, and a picture for a person to look at of every editor of
// the date, button and rich-text families open over its cell, the date editor with its
// calendar down.
#include "grid/interaction/ext_rich_edit.h"
#include "grid/interaction/grid_button.h"
#include "grid/interaction/grid_date_pickers.h"
#include "grid/interaction/grid_edit_buttons.h"
#include "platform/graphics/recording_canvas.h"
#include "tests/grid/interaction/edit_grid_fixture.h"
#include "tests/support/test_support.h"

#include <filesystem>

namespace gw::test {
namespace {

class EditorPictureTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        TExtStringGrid::StartUp();
        grid->OnGetEditorType = [this](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = type;
        };
        grid->SetColWidths(3, 160);
    }
    void TearDown() override { TExtStringGrid::ShutDown(); }
    void Open(TEditorType Type, const String& Text)
    {
        type = Type;
        grid->SetCellEx(3, 2, Text);
        grid->FocusCell(3, 2);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
    TEditorType type = edNormal;
};

TEST_F(EditorPictureTest, TheDatePickersOuterEdgeIsHiddenUnderTwoFramesInTheWindowColour)
{
    Open(edDateEdit, u"05/03/2024");
    TGridDatePicker& picker = *grid->DatePicker();
    TRecordingCanvas c;
    picker.PaintTo(c, 0, 0);
    std::vector<std::string> frames;
    for (const TCanvasCall& call : c.Calls())
        if (call.Name == "FrameRect") frames.push_back(call.ToString() + " " + std::to_string(call.BrushColor));
    const std::string w = std::to_string(picker.Width()), hgt = std::to_string(picker.Height());
    const std::string window = std::to_string(clWindow);
    ASSERT_GE(frames.size(), 2u);
    // The last two frames drawn: the outer edge, then the one inside it.
    EXPECT_EQ(frames[frames.size() - 2], "FrameRect(0,0," + w + "," + hgt + ") " + window);
    EXPECT_EQ(frames.back(),
              "FrameRect(1,1," + std::to_string(picker.Width() - 1) + "," + std::to_string(picker.Height() - 1) + ") " +
                  window);
}

TEST_F(EditorPictureTest, PicturesOfEveryEditorOpenOverItsCell)
{
    for (Integer c = 0; c < 5; ++c)
        grid->SetCellEx(c, 0, std::vector<String>{u"Enable", u"IP Address", u"Mnemonic", u"Value", u"Note"}[c]);
    grid->BtnUnitEdit()->Units()->Add(u"mm");
    struct TShot {
        TEditorType Type;
        const char16_t* Text;
        const char* File;
    };
    const TShot shots[] = {
        {edEditBtn, u"C:\\data\\slaves.csv", "grid_editor_edit_button.png"},
        {edUnitEditBtn, u"12mm", "grid_editor_unit.png"},
        {edDateEdit, u"05/03/2024", "grid_editor_date_dropped.png"},
        {edDateEditUpDown, u"05/03/2024", "grid_editor_date_up_down.png"},
        {edTimeEdit, u"13:45:10", "grid_editor_time.png"},
        {edDateTimeEdit, u"05/03/2024 13:45", "grid_editor_date_time.png"},
        {edButton, u"Browse", "grid_editor_button.png"},
        {edRichEdit, u"rich text", "grid_editor_rich_text.png"},
    };
    for (const TShot& s : shots) {
        SCOPED_TRACE(s.File);
        Open(s.Type, s.Text);
        ASSERT_TRUE(grid->EditMode());
        if (s.Type == edDateEdit) {
            h.Press(VK_F4);
            EXPECT_TRUE(grid->DatePicker()->DroppedDown());
        }
        const auto path = picturePath(s.File);
        TRect area = form->BoundsRect();
        if (s.Type == edDateEdit) area.Bottom += 200;  // the calendar hangs below the form
        h.Display().SaveScreenToPng(area, String(path.u16string()));
        EXPECT_TRUE(std::filesystem::exists(path));
        if (s.Type == edDateEdit) h.Press(VK_ESCAPE);  // closes the calendar
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
        EXPECT_FALSE(grid->EditMode());
    }
}

}  // namespace
}  // namespace gw::test
