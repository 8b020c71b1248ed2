// The combo cell editor end to end on the slaves table's grid: opening by a typed character,
// the list, the change reports, Enter, Escape, Tab, the wheel and the item API.
#include "grid/interaction/grid_combo.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// The slaves table's combo column (2) with its items set as the table sets them.
class ComboEditorTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->OnGetEditorProp = [this](TObject*, Integer ACol, Integer) {
            if (ACol != 2) return;
            grid->ClearComboString();
            for (const char16_t* item : {u"Default", u"Dim Header", u"Disabled"}) grid->AddComboString(item);
        };
    }
    TGridCombo* Combo() const { return grid->Combobox(); }
    bool ComboShown() const { return Combo()->Visible(); }
    void LogCombo()
    {
        LogEvents();
        grid->OnComboChange = [this](TObject*, Integer c, Integer r, Integer i, const String& s) {
            h.Log.Add("combo change " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " +
                      Utf8(s));
        };
    }
    void OpenAt(Integer ACol, Integer ARow, const String& Typed)
    {
        grid->FocusCell(ACol, ARow);
        h.ProcessMessages();
        h.Type(Typed);
        h.ProcessMessages();
    }
};

TEST_F(ComboEditorTest, DimHeaderScriptOpensPicksCommitsAndMovesOn)
{
    EnterMovesOn();
    grid->SetCellEx(2, 1, u"Dim Header");
    grid->FocusCell(2, 1);
    h.ProcessMessages();
    LogCombo();
    h.Type(u"D");
    h.ProcessMessages();
    ASSERT_TRUE(ComboShown());
    EXPECT_TRUE(Combo()->Focused());
    EXPECT_EQ(Combo()->Text(), u"D") << "the typed character replaces the text";
    h.Log.Clear();

    h.Press(VK_DOWN, ssAlt);
    EXPECT_TRUE(Combo()->DroppedDown());
    const TRect item = Combo()->ListPopup()->ItemRect(0);
    h.Click(Combo()->ListPopup(), TPoint{item.Left + 4, (item.Top + item.Bottom) / 2});
    h.ProcessMessages();
    EXPECT_FALSE(Combo()->DroppedDown());
    EXPECT_EQ(Combo()->Text(), u"Default");
    Log picked = h.Log.Take();
    EXPECT_EQ(std::count(picked.begin(), picked.end(), "combo change 2,1 0 Default"), 1)
        << testing::PrintToString(picked);

    h.Press(VK_END);
    h.Press(VK_BACK);
    h.ProcessMessages();
    Log typed = h.Log.Take();
    EXPECT_EQ(std::count_if(typed.begin(), typed.end(),
                            [](const std::string& e) { return e == "combo change 2,1 -1 Defaul"; }),
              2)
        << "the selection-or-edit report and the edit report: " << testing::PrintToString(typed);
    h.Type(u"T");
    h.ProcessMessages();
    h.Log.Clear();

    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(2, 1), u"DefaulT");
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(grid->Col(), 3) << "the posted Enter character reaches the table's key handler";
    const Log done = h.Log.Take();
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.back(), "edit cell done 2,1") << testing::PrintToString(done);
}

}  // namespace
}  // namespace gw::test
