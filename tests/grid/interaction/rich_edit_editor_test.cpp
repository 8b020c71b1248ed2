// The rich-text editor: sub- and superscript on the selection, the cell's document in and out,
// keys handed to the grid, and the row grown while typing.
#include "grid/interaction/ext_rich_edit.h"
#include "grid/model/cell_rich_text.h"
#include "grid/model/size_while_typing.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

class RichEditorTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = edRichEdit;
        };
    }
    void Open(const String& Text, Integer ARow = 1)
    {
        grid->SetCellEx(3, ARow, Text);
        grid->FocusCell(3, ARow);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
    TExtRichEdit* Editor() const { return grid->InplaceRichEditor(); }
};

TEST_F(RichEditorTest, TheSelectionOffsetIsOneOfNormalSubscriptAndSuperscript)
{
    Open(u"abc");
    struct TCase {
        const char* Name;
        void (TExtRichEdit::*Set)();
        bool Normal, Sub, Super;
    };
    const TCase cases[] = {
        {"superscript", &TExtRichEdit::SelSuperscript, false, false, true},
        {"subscript", &TExtRichEdit::SelSubscript, false, true, false},
        {"normal", &TExtRichEdit::SelNormal, true, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Editor()->SetSelStart(1);
        Editor()->SetSelLength(1);
        (Editor()->*c.Set)();
        EXPECT_EQ(Editor()->IsSelNormal(), c.Normal);
        EXPECT_EQ(Editor()->IsSelSubscript(), c.Sub);
        EXPECT_EQ(Editor()->IsSelSuperscript(), c.Super);
        // The characters around keep their offset.
        Editor()->SetSelStart(0);
        Editor()->SetSelLength(1);
        EXPECT_TRUE(Editor()->IsSelNormal());
    }
}

TEST_F(RichEditorTest, ACellsDocumentGoesThroughTheEditorUnchangedAndAnEmptyCellStaysEmpty)
{
    Open(u"plain");
    EXPECT_EQ(Editor()->Text(), u"plain");
    EXPECT_EQ(Editor()->SelLength(), 5) << "EditSelectAll";
    grid->HideInplaceEdit();
    const String document = grid->GetCellEx(3, 1);
    EXPECT_EQ(RichCellPlainText(document), u"plain");
    // The document the commit wrote comes back the same from a second round.
    Open(document);
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->GetCellEx(3, 1), document);
    // The converter: an empty cell clears it, RichToCell then CellToRich gives the document back.
    TExtRichEdit* converter = grid->RichEdit();
    EXPECT_FALSE(converter->Visible());
    grid->CellToRich(3, 1, converter);
    grid->RichToCell(3, 2, converter);
    EXPECT_EQ(grid->GetCellEx(3, 2), document);
    grid->SetCellEx(3, 3, u"");
    grid->CellToRich(3, 3, converter);
    EXPECT_EQ(converter->Text(), u"");
}

TEST_F(RichEditorTest, UpAndDownLeaveTheEditorWithoutWordWrapAndMoveInsideItWith)
{
    grid->SetWordWrap(false);
    Open(u"one");
    h.Press(VK_DOWN);
    h.ProcessMessages();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(RichCellPlainText(grid->GetCellEx(3, 1)), u"one");
    grid->Multilinecells = true;
    Open(u"");
    h.Type(u"a");
    h.Press(VK_RETURN, ssShift);
    h.Type(u"b");
    h.Press(VK_UP);
    EXPECT_TRUE(grid->EditMode()) << "Up moves to the editor's first line";
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(RichEditorTest, TabMovesToTheNextCellAndOpensItsEditorWithGoTabs)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol >= 3) AEditor = edRichEdit;
    };
    Open(u"x");
    h.Press(VK_TAB);
    h.ProcessMessages();
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_TRUE(grid->EditMode());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(RichCellPlainText(grid->GetCellEx(3, 1)), u"x");
}

TEST_F(RichEditorTest, AnEditLeftOpenForAnotherControlEndsWhenTheGridTakesTheFocus)
{
    Open(u"");
    h.Type(u"kept");
    other->SetFocus();
    h.ProcessMessages();
    ASSERT_TRUE(Editor()->Visible()) << "another control's focus leaves the edit open";
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(RichCellPlainText(grid->GetCellEx(3, 1)), u"kept");
}

TEST_F(RichEditorTest, TypingLinesGrowsTheRowUntilItWouldPassTheGridsBottom)
{
    grid->SizeWhileTyping()->Height = true;
    grid->Multilinecells = true;
    std::vector<Integer> sized;
    grid->OnEndRowSize = [&](TObject*, Integer ARow) { sized.push_back(ARow); };
    Open(u"");
    const Integer start = grid->RowHeights(1);
    for (Integer i = 0; i < 3; ++i) {
        h.Type(u"line");
        h.Press(VK_RETURN, ssShift);
    }
    const Integer content = Editor()->ContentSize().cy;
    EXPECT_GT(grid->RowHeights(1), start);
    EXPECT_GE(grid->RowHeights(1), content) << "row: content + 10";
    EXPECT_EQ(Editor()->Height() + 1, grid->RowHeights(1)) << "editor: content + 9";
    EXPECT_FALSE(sized.empty());
    EXPECT_EQ(sized.back(), 1);
    // Far more lines than the grid is high: the row stops inside the grid.
    for (Integer i = 0; i < 40; ++i) {
        h.Type(u"line");
        h.Press(VK_RETURN, ssShift);
    }
    const TRect cell = grid->CellRect(3, 1);
    EXPECT_LE(cell.Top + grid->RowHeights(1), grid->Height() + 10);
    // Deleting lines never shrinks it here.
    const Integer grown = grid->RowHeights(1);
    Editor()->SetText(u"");
    EXPECT_EQ(grid->RowHeights(1), grown);
}

TEST_F(RichEditorTest, LoadingALongDocumentWhileLockedLeavesTheRowAlone)
{
    grid->SizeWhileTyping()->Height = true;
    grid->Multilinecells = true;
    const Integer start = grid->RowHeights(2);
    // A document of several lines, made through the converter.
    TExtRichEdit* converter = grid->RichEdit();
    converter->SetText(u"a\r\nb\r\nc\r\nd");
    grid->RichToCell(3, 2, converter);
    Open(grid->GetCellEx(3, 2), 2);
    EXPECT_EQ(Editor()->Text(), u"a\r\nb\r\nc\r\nd");
    EXPECT_EQ(grid->RowHeights(2), start) << "the opening locks the editor while it loads";
    EXPECT_FALSE(Editor()->Locked());
}

}  // namespace
}  // namespace gw::test
