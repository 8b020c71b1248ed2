// The grid classes registered by name at the grid unit's and the column grid unit's start-up:
// each found by its name and making an instance of itself, the order and the error rule of the
// registration, starting twice, and the shut-down taking them back.
#include "grid/model/ext_column_grid.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grid_column_item.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/class_registry.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace gw::test {
namespace {

// The grid unit's classes in their order, then the column grid unit's.
const std::vector<String> GridClassNames = {
    u"TExtStringGrid",   u"TDropList",       u"TArrowWindow",    u"TGridCombo",        u"TGridSpin",
    u"TGridTransEdit",   u"TGridTransCombo", u"TGridCheckBox",   u"TGridEditBtn",      u"TGridDateTimePicker",
    u"TGridUnitEditBtn", u"TGridButton",     u"TGridDatePicker", u"THeaderDragButton", u"TControlEdit",
    u"TControlCombo",    u"TScrollBar",      u"TExtRichEdit",    u"TFooterPanel",      u"TSearchPanel"};
const std::vector<String> ColumnGridClassNames = {u"TExtColumnGrid", u"TGridColumnItem", u"TGridColumnCollection"};

class GridUnitClasses : public ::testing::Test {
protected:
    void TearDown() override
    {
        TExtColumnGrid::ShutDown();
        TExtStringGrid::ShutDown();
    }
    THarness h;
};

TEST_F(GridUnitClasses, EveryClassIsFoundByItsNameAfterStartUpAndMakesItself)
{
    TExtStringGrid::StartUp();
    TExtColumnGrid::StartUp();
    auto* form = new TForm(Application);
    auto* grid = new TExtColumnGrid(form);
    // The owner each class is made in: a grid's form, an item's collection, and the grid for
    // the controls that serve it.
    auto ownerFor = [&](const String& Name) -> TPersistent* {
        if (Name == u"TExtStringGrid" || Name == u"TExtColumnGrid") return form;
        if (Name == u"TGridColumnItem") return grid->Columns();
        return grid;
    };
    std::vector<String> names = GridClassNames;
    names.insert(names.end(), ColumnGridClassNames.begin(), ColumnGridClassNames.end());
    for (const String& name : names) {
        SCOPED_TRACE(StringToUtf8(name));
        TPersistentClass found = GetClass(name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->ClassName, name);
        if (name == u"TArrowWindow") {
            EXPECT_FALSE(found->Create) << "an arrow window needs its direction: made in code";
            continue;
        }
        TPersistent* made = found->CreateInstance(ownerFor(name));
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->ClassName(), name) << "the name makes an instance of its own class";
        if (name == u"TGridColumnCollection") delete made;  // nobody else owns a spare collection
    }
    EXPECT_EQ(GetClass(u"TExtStringGridX"), nullptr);
    EXPECT_THROW(FindClass(u"TColumnGrid"), EClassNotFound);
    delete form;
}

TEST_F(GridUnitClasses, StartingTwiceRegistersOnceAndShutDownTakesThemBack)
{
    TExtStringGrid::StartUp();
    TExtStringGrid::StartUp();
    TExtColumnGrid::StartUp();
    TExtColumnGrid::StartUp();
    TExtStringGrid::ShutDown();
    TExtColumnGrid::ShutDown();
    for (const auto* names : {&GridClassNames, &ColumnGridClassNames})
        for (const String& name : *names) EXPECT_EQ(GetClass(name), nullptr) << StringToUtf8(name);
    TExtStringGrid::ShutDown();
    TExtColumnGrid::ShutDown();  // again: nothing left to do
    TExtStringGrid::StartUp();
    TExtColumnGrid::StartUp();
    EXPECT_NE(GetClass(u"TSearchPanel"), nullptr) << "a new start after a shut-down";
    EXPECT_NE(GetClass(u"TGridColumnItem"), nullptr);
}

TEST_F(GridUnitClasses, ATakenNameEndsTheRegistrationQuietlyAndTheUnitStartsAnyway)
{
    // Another class holds a name the grid unit registers in the middle of its list.
    class TForeign : public TComponent {
    public:
        using TComponent::TComponent;
    };
    static const TPersistentClassInfo foreign = ClassInfoOf<TForeign>(u"TGridCheckBox");
    RegisterClass(&foreign);
    const Cardinal observers = SendMessageObserverCount();
    EXPECT_NO_THROW(TExtStringGrid::StartUp());
    const auto taken = std::find(GridClassNames.begin(), GridClassNames.end(), u"TGridCheckBox");
    for (auto it = GridClassNames.begin(); it != taken; ++it)
        EXPECT_NE(GetClass(*it), nullptr) << StringToUtf8(*it) << " comes before the taken name";
    EXPECT_EQ(GetClass(u"TGridCheckBox"), &foreign);
    for (auto it = taken + 1; it != GridClassNames.end(); ++it)
        EXPECT_EQ(GetClass(*it), nullptr) << StringToUtf8(*it) << " comes after the taken name";
    EXPECT_EQ(SendMessageObserverCount(), observers + 1) << "the rest of the start-up ran";
    EXPECT_EQ(TExtStringGrid::EditDoneMessage(), RegisterWindowMessage(u"GridEditDone"));
    TExtStringGrid::ShutDown();
    EXPECT_EQ(GetClass(u"TGridCheckBox"), &foreign) << "the shut-down takes back only the grid's own classes";
    EXPECT_EQ(GetClass(u"TExtStringGrid"), nullptr);
    UnRegisterClass(&foreign);
}

}  // namespace
}  // namespace gw::test
