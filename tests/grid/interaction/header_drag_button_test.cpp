// The header drag button: its pop-up window, and its painting on the recording canvas (the
// header look from the grid, a plain caption cut with an ellipsis, a mark-up caption rendered).
#include "grid/interaction/header_drag_button.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class HeaderDragButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 400, 300);
        grid = new TExtStringGrid(form);
        grid->SetParent(form);
        grid->SetCellEx(0, 0, u"header");
        button = new THeaderDragButton(form);
        button->SetParent(form);
        button->SetBounds(20, 20, 80, 22);
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    std::vector<std::string> Drawn(const std::string& Prefix)
    {
        TRecordingCanvas c;
        c.Font()->Assign(button->Font());
        button->DrawButton(c);
        std::vector<std::string> out;
        for (const std::string& s : c.Log())
            if (s.rfind(Prefix, 0) == 0) out.push_back(s);
        return out;
    }
    THarness h;
    TForm* form = nullptr;
    TExtStringGrid* grid = nullptr;
    THeaderDragButton* button = nullptr;
};

TEST_F(HeaderDragButtonTest, APopUpWithABorderInTheButtonFace)
{
    EXPECT_EQ(GetWindowStyle(button->Handle()), Cardinal(WS_POPUP | WS_BORDER));
    EXPECT_EQ(button->Color(), clBtnFace);
}

TEST_F(HeaderDragButtonTest, CaptionPlainOrMarkup)
{
    button->SetCaption(u"A very long column caption that does not fit");
    const std::vector<std::string> plain = Drawn("DrawText");
    ASSERT_EQ(plain.size(), 1u);
    const Cardinal flags = DT_END_ELLIPSIS | DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    EXPECT_NE(plain[0].find("A very long column caption"), std::string::npos) << plain[0];
    EXPECT_NE(plain[0].find(std::to_string(flags)), std::string::npos) << plain[0];

    button->SetCaption(u"<b>Bold</b> name");
    EXPECT_TRUE(Drawn("DrawText(\"<b>").empty()) << "mark-up is not drawn as plain text";
    std::string all;
    for (const std::string& s : Drawn("")) all += s + "\n";
    EXPECT_NE(all.find("Bold"), std::string::npos) << all;
    EXPECT_EQ(all.find("</b>"), std::string::npos) << all;
}

TEST_F(HeaderDragButtonTest, TheGridsHeaderLookComesFirst)
{
    button->SetCaption(u"header");
    const std::vector<std::string> alone = Drawn("");
    button->Grid = grid;
    const std::vector<std::string> withGrid = Drawn("");
    EXPECT_GT(withGrid.size(), alone.size());
    ASSERT_FALSE(withGrid.empty());
    EXPECT_EQ(withGrid.back(), alone.back()) << "the caption over the cell's look";
    h.SavePng(form, u"header_drag_button.png");
}

}  // namespace
}  // namespace gw
