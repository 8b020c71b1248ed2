// The registry through which dropdown/ lends the grid its drop-down editors, by editor type.
#include "grid/interaction/drop_down_editors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw {
namespace {

// Ordinals of the grid's editor types (the cell store names them): the memo and the grid
// drop-downs, and the plain text editor, which no drop-down serves.
const TEditorType MemoDropDown = static_cast<TEditorType>(31);
const TEditorType GridDropDown = static_cast<TEditorType>(35);
const TEditorType Normal = static_cast<TEditorType>(0);

TEST(DropDownEditors, TheFactoryOfATypeIsFoundAndALaterOneReplacesIt)
{
    std::vector<std::string> made;
    RegisterDropDownEditor(MemoDropDown, [&](TWinControl*) {
        made.push_back("memo");
        return nullptr;
    });
    RegisterDropDownEditor(GridDropDown, [&](TWinControl*) {
        made.push_back("grid");
        return nullptr;
    });
    ASSERT_NE(FindDropDownEditor(MemoDropDown), nullptr);
    (*FindDropDownEditor(MemoDropDown))(nullptr);
    (*FindDropDownEditor(GridDropDown))(nullptr);
    EXPECT_EQ(made, (std::vector<std::string>{"memo", "grid"})) << "each type its own factory";

    RegisterDropDownEditor(MemoDropDown, [&](TWinControl*) {
        made.push_back("memo, again");
        return nullptr;
    });
    (*FindDropDownEditor(MemoDropDown))(nullptr);
    EXPECT_EQ(made.back(), "memo, again");
}

TEST(DropDownEditors, ATypeWithoutAFactoryHasNone)
{
    EXPECT_EQ(FindDropDownEditor(Normal), nullptr);
    RegisterDropDownEditor(Normal, nullptr);
    EXPECT_EQ(FindDropDownEditor(Normal), nullptr) << "an empty factory is none";
}

}  // namespace
}  // namespace gw
