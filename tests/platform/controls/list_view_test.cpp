// The report-style list view: columns, items, single selection by click and keys, scrolling rows.
#include "platform/controls/list_view.h"
#include "platform/runtime/convert.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class ListViewTest : public StdControlsTest {};

TEST_F(ListViewTest, DeviceListSelectionByClickAndKeys)
{
    auto* lv = new TListView(form);
    lv->SetParent(form);
    lv->SetBounds(10, 10, 300, 120);
    lv->AddColumn(u"IP Address", 120);
    lv->AddColumn(u"MAC Address", 150);
    for (int i = 0; i < 20; ++i) {
        TListItem* item = lv->AddItem(u"192.168.2." + IntToStr(200 + i));
        item->SubItems()->Add(u"00:11:22:33:44:" + IntToStr(10 + i));
    }
    std::vector<std::pair<Integer, bool>> events;
    lv->OnSelectItem = [&](TObject*, TListItem* Item, bool Selected) { events.emplace_back(Item->Index(), Selected); };
    ShowForm();
    EXPECT_EQ(lv->ItemIndex(), -1);
    TRect row2 = lv->ItemRect(2);
    Click(lv, 50, (row2.Top + row2.Bottom) / 2);
    EXPECT_EQ(lv->ItemIndex(), 2);
    EXPECT_EQ(lv->Selected()->SubItems()->Strings(0), u"00:11:22:33:44:12");
    Key(VK_DOWN);
    EXPECT_EQ(lv->ItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::pair<Integer, bool>>{{2, true}, {2, false}, {3, true}}));
    // Going to the end scrolls the last row into view.
    Key(VK_END);
    EXPECT_EQ(lv->ItemIndex(), 19);
    EXPECT_GT(lv->TopIndex(), 0);
    EXPECT_LE(lv->ItemRect(19).Bottom, lv->ClientHeight());
    Key(VK_HOME);
    EXPECT_EQ(lv->TopIndex(), 0);
    // A click on the header selects nothing; deleting the selected item leaves none.
    Click(lv, 50, 5);
    EXPECT_EQ(lv->ItemIndex(), 0);
    lv->DeleteItem(0);
    EXPECT_EQ(lv->Selected(), nullptr);
    EXPECT_EQ(lv->ItemCount(), 19);
    lv->ClearItems();
    EXPECT_EQ(lv->ItemCount(), 0);
    Key(VK_DOWN);  // nothing to move to
}

}  // namespace
}  // namespace gw::test
