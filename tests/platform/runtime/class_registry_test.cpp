// Finding classes by name: registration, look-up, making instances from the name, taking back.
#include "platform/runtime/class_registry.h"

#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <memory>

namespace gw {
namespace {

class TWidget : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return u"TWidget"; }
};

class TGadget : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return u"TGadget"; }
};

class TRowItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    String ClassName() const override { return u"TRowItem"; }
};

// Needs its widget: made from a TWidget only.
class TWidgetPart : public TPersistent {
public:
    explicit TWidgetPart(TWidget* AWidget) : Widget(AWidget) {}
    String ClassName() const override { return u"TWidgetPart"; }
    TWidget* Widget;
};

// Needs more than an owner: found by name, made in code.
class TPairedWidget : public TComponent {
public:
    TPairedWidget(TComponent* AOwner, int /*Side*/) : TComponent(AOwner) {}
};

const TPersistentClassInfo WidgetClass = ClassInfoOf<TWidget>(u"TWidget");
const TPersistentClassInfo GadgetClass = ClassInfoOf<TGadget>(u"TGadget");
// Another class that claims the widget's name.
const TPersistentClassInfo ImpostorClass = ClassInfoOf<TGadget>(u"TWIDGET");
const TPersistentClassInfo RowItemClass = ClassInfoOf<TRowItem>(u"TRowItem");
const TPersistentClassInfo WidgetPartClass = ClassInfoOf<TWidgetPart, TWidget>(u"TWidgetPart");
const TPersistentClassInfo PairedClass = ClassInfoOf<TPairedWidget>(u"TPairedWidget");

// Every test starts and ends with none of these registered.
class ClassRegistry : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        UnRegisterClasses({&WidgetClass, &GadgetClass, &ImpostorClass, &RowItemClass, &WidgetPartClass, &PairedClass});
    }
};

TEST_F(ClassRegistry, ARegisteredClassIsFoundByItsNameInAnyLetterCase)
{
    RegisterClasses({&WidgetClass, &GadgetClass});
    for (const char16_t* name : {u"TWidget", u"twidget", u"TWIDGET"}) {
        EXPECT_EQ(GetClass(name), &WidgetClass) << StringToUtf8(name);
        EXPECT_EQ(FindClass(name), &WidgetClass);
    }
    EXPECT_EQ(FindClass(u"TGadget"), &GadgetClass) << "each name finds its own class";
}

TEST_F(ClassRegistry, AnUnknownNameFindsNothing)
{
    RegisterClass(&WidgetClass);
    for (const char16_t* name : {u"TNoSuchClass", u"", u"TWidge", u"TWidgets"}) {
        EXPECT_EQ(GetClass(name), nullptr) << StringToUtf8(name);
        try {
            FindClass(name);
            ADD_FAILURE() << "FindClass found " << StringToUtf8(name);
        } catch (const EClassNotFound& e) {
            EXPECT_EQ(e.Message(), u"Class " + String(name) + u" not found");
        }
    }
    EXPECT_THROW(FindClass(u"TNoSuchClass"), EFilerError) << "a filer error, as stream readers expect";
}

TEST_F(ClassRegistry, RegisteringTheSameClassTwiceKeepsOneEntry)
{
    RegisterClass(&WidgetClass);
    EXPECT_NO_THROW(RegisterClass(&WidgetClass));
    UnRegisterClass(&WidgetClass);
    EXPECT_EQ(GetClass(u"TWidget"), nullptr) << "one taking back undoes both registrations";
}

TEST_F(ClassRegistry, AnotherClassUnderATakenNameIsRefusedAndTheFirstStays)
{
    RegisterClass(&WidgetClass);
    try {
        RegisterClass(&ImpostorClass);
        ADD_FAILURE() << "a second class took the name";
    } catch (const EFilerError& e) {
        EXPECT_EQ(e.Message(), u"A class named TWIDGET already exists");
    }
    EXPECT_EQ(GetClass(u"TWidget"), &WidgetClass);
    UnRegisterClass(&ImpostorClass);
    EXPECT_EQ(GetClass(u"TWidget"), &WidgetClass) << "taking back the refused class leaves the registered one";
}

TEST_F(ClassRegistry, ARegistrationErrorEndsTheListThere)
{
    RegisterClass(&WidgetClass);
    EXPECT_THROW(RegisterClasses({&GadgetClass, &ImpostorClass, &RowItemClass}), EFilerError);
    EXPECT_EQ(GetClass(u"TGadget"), &GadgetClass) << "the class before the error";
    EXPECT_EQ(GetClass(u"TRowItem"), nullptr) << "the class after the error";
}

TEST_F(ClassRegistry, TakingBackLeavesTheOthers)
{
    RegisterClasses({&WidgetClass, &GadgetClass, &RowItemClass});
    UnRegisterClass(&GadgetClass);
    EXPECT_EQ(GetClass(u"TGadget"), nullptr);
    EXPECT_EQ(GetClass(u"TWidget"), &WidgetClass);
    EXPECT_EQ(GetClass(u"TRowItem"), &RowItemClass);
    EXPECT_NO_THROW(UnRegisterClass(&GadgetClass)) << "a class not registered";
    EXPECT_NO_THROW(UnRegisterClass(nullptr));
    RegisterClass(&GadgetClass);
    EXPECT_EQ(GetClass(u"TGadget"), &GadgetClass) << "registered again after being taken back";
}

TEST_F(ClassRegistry, AClassFoundByNameMakesInstancesOfItself)
{
    RegisterClasses({&WidgetClass, &RowItemClass, &WidgetPartClass});
    TComponent owner(nullptr);
    TPersistent* made = FindClass(u"TWidget")->CreateInstance(&owner);
    ASSERT_NE(dynamic_cast<TWidget*>(made), nullptr);
    EXPECT_EQ(static_cast<TWidget*>(made)->Owner(), &owner);
    std::unique_ptr<TPersistent> loose(FindClass(u"TWidget")->CreateInstance(nullptr));
    EXPECT_EQ(static_cast<TWidget*>(loose.get())->Owner(), nullptr) << "a component may be made without owner";

    TCollection rows(ItemClassOf<TRowItem>());
    TPersistent* item = FindClass(u"TRowItem")->CreateInstance(&rows);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Items(0), item);
    EXPECT_EQ(item->ClassName(), u"TRowItem");

    auto* widget = new TWidget(&owner);
    std::unique_ptr<TPersistent> part(FindClass(u"TWidgetPart")->CreateInstance(widget));
    EXPECT_EQ(static_cast<TWidgetPart*>(part.get())->Widget, widget);
}

TEST_F(ClassRegistry, AnOwnerOfTheWrongClassOrAClassMadeInCodeIsRefused)
{
    TComponent owner(nullptr);
    TCollection rows(ItemClassOf<TRowItem>());
    EXPECT_THROW(RowItemClass.CreateInstance(&owner), EInvalidCast) << "an item needs a collection";
    EXPECT_THROW(WidgetClass.CreateInstance(&rows), EInvalidCast) << "a component's owner is a component";
    EXPECT_THROW(WidgetPartClass.CreateInstance(&owner), EInvalidCast) << "the part needs a widget";
    EXPECT_THROW(WidgetPartClass.CreateInstance(nullptr), EInvalidCast) << "the part's owner is not optional";
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(rows.Count(), 0);
    RegisterClass(&PairedClass);
    EXPECT_EQ(FindClass(u"TPairedWidget"), &PairedClass) << "found by name though made in code";
    EXPECT_THROW(PairedClass.CreateInstance(&owner), EInvalidOperation);
}

}  // namespace
}  // namespace gw
