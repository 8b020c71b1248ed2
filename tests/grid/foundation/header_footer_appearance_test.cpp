// Tests of the header and footer appearance records: defaults, what Assign and AssignColors
// copy, the change events and the buttons.
#include "grid/foundation/header_footer_appearance.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace gw {
namespace {

// Every shared property set to a value other than its default.
void Customise(TBandAppearance& a)
{
    a.Color = clRed;
    a.ColorTo = clBlue;
    a.Caption = u"Pick a device";
    a.Font()->SetName(u"Verdana");
    a.Font()->SetHeight(-14);
    a.GradientDirection = gdHorizontal;
    a.SetVisible(false);
    a.Height = 30;
    a.BorderColor = clGreen;
    a.BorderWidth = 3;
    a.ImageIndex = 4;
    a.ButtonAlignment = baLeft;
}

// One property's value on a fresh appearance, as a number, and the default it must have.
struct DefaultCase {
    const char* name;
    std::function<Int64(const TBandAppearance&)> value;
    Int64 expected;
};

TEST(HeaderFooterAppearance, Defaults)
{
    TComponent owner(nullptr);
    THeaderAppearance header(&owner);
    TFooterAppearance footer(&owner);
    const DefaultCase shared[] = {
        {"Color", [](const TBandAppearance& a) { return Int64(a.Color); }, 0xC0C0C0},
        {"ColorTo", [](const TBandAppearance& a) { return Int64(a.ColorTo); }, 0xFFFFFF},
        {"Caption empty", [](const TBandAppearance& a) { return Int64(a.Caption.size()); }, 0},
        {"GradientDirection", [](const TBandAppearance& a) { return Int64(a.GradientDirection); }, gdVertical},
        {"Visible", [](const TBandAppearance& a) { return Int64(a.Visible()); }, 1},
        {"Height", [](const TBandAppearance& a) { return Int64(a.Height); }, 22},
        {"BorderColor", [](const TBandAppearance& a) { return Int64(a.BorderColor); }, 0},
        {"BorderWidth", [](const TBandAppearance& a) { return Int64(a.BorderWidth); }, 1},
        {"ImageIndex", [](const TBandAppearance& a) { return Int64(a.ImageIndex); }, -1},
        {"ButtonAlignment", [](const TBandAppearance& a) { return Int64(a.ButtonAlignment); }, baRight},
    };
    for (TBandAppearance* a : {static_cast<TBandAppearance*>(&header), static_cast<TBandAppearance*>(&footer)}) {
        SCOPED_TRACE(StringToUtf8(a->ClassName()));
        for (const DefaultCase& k : shared) EXPECT_EQ(k.value(*a), k.expected) << k.name;
        EXPECT_EQ(a->GetOwner(), &owner);
    }
    EXPECT_TRUE(footer.SizeGrip);
    EXPECT_EQ(header.Buttons()->Count(), 0);
    EXPECT_EQ(footer.Buttons()->Count(), 0);
    EXPECT_EQ(header.Buttons()->GetOwner(), &owner);
    EXPECT_EQ(footer.Buttons()->GetOwner(), &owner);

    // The header names its font; the footer keeps the library's default font (Tahoma too here).
    EXPECT_EQ(header.Font()->Name(), u"Tahoma");
    TFont plain;
    EXPECT_EQ(footer.Font()->Name(), plain.Name());
    EXPECT_EQ(footer.Font()->Height(), plain.Height());
    EXPECT_EQ(footer.Font()->Color(), plain.Color());
}

// What a property looks like after a copy: copied from the customised source, or still default.
struct Property {
    const char* name;
    std::function<bool(const TBandAppearance&)> customised;
};

const Property SharedProperties[] = {
    {"Color", [](const TBandAppearance& a) { return a.Color == clRed; }},
    {"ColorTo", [](const TBandAppearance& a) { return a.ColorTo == clBlue; }},
    {"Caption", [](const TBandAppearance& a) { return a.Caption == u"Pick a device"; }},
    {"Font", [](const TBandAppearance& a) { return a.Font()->Name() == u"Verdana" && a.Font()->Height() == -14; }},
    {"GradientDirection", [](const TBandAppearance& a) { return a.GradientDirection == gdHorizontal; }},
    {"Visible", [](const TBandAppearance& a) { return !a.Visible(); }},
    {"Height", [](const TBandAppearance& a) { return a.Height == 30; }},
    {"BorderColor", [](const TBandAppearance& a) { return a.BorderColor == clGreen; }},
    {"BorderWidth", [](const TBandAppearance& a) { return a.BorderWidth == 3; }},
    {"ImageIndex", [](const TBandAppearance& a) { return a.ImageIndex == 4; }},
    {"ButtonAlignment", [](const TBandAppearance& a) { return a.ButtonAlignment == baLeft; }},
};

template <class TAppearance>
void ExpectCopied(const TAppearance& Target, std::initializer_list<std::string> Copied)
{
    for (const Property& p : SharedProperties) {
        const bool expected = std::find(Copied.begin(), Copied.end(), p.name) != Copied.end();
        EXPECT_EQ(p.customised(Target), expected) << p.name;
    }
}

TEST(HeaderFooterAppearance, AssignCopiesEverythingAndAssignColorsOnlyTheLook)
{
    const std::initializer_list<std::string> all = {
        "Color",  "ColorTo",     "Caption",     "Font",       "GradientDirection", "Visible",
        "Height", "BorderColor", "BorderWidth", "ImageIndex", "ButtonAlignment"};
    const std::initializer_list<std::string> look = {"Color", "ColorTo", "Font", "GradientDirection", "BorderColor"};
    {
        THeaderAppearance source(nullptr), full(nullptr), colours(nullptr);
        Customise(source);
        source.Buttons()->Add()->SetCaption(u"OK");
        full.Assign(&source);
        ExpectCopied(full, all);
        ASSERT_EQ(full.Buttons()->Count(), 1);
        EXPECT_EQ(full.Buttons()->Items(0)->Caption(), u"OK");
        colours.AssignColors(&source);
        ExpectCopied(colours, look);
        EXPECT_EQ(colours.Buttons()->Count(), 0);
    }
    {
        TFooterAppearance source(nullptr), full(nullptr), colours(nullptr);
        Customise(source);
        source.SizeGrip = false;
        source.Buttons()->Add()->ModalResult = 1;
        full.Assign(&source);
        ExpectCopied(full, all);
        EXPECT_FALSE(full.SizeGrip);
        ASSERT_EQ(full.Buttons()->Count(), 1);
        EXPECT_EQ(full.Buttons()->Items(0)->ModalResult, 1);
        colours.AssignColors(&source);
        ExpectCopied(colours, look);
        EXPECT_TRUE(colours.SizeGrip);
    }
}

TEST(HeaderFooterAppearance, AnotherClassChangesNothing)
{
    THeaderAppearance header(nullptr);
    TFooterAppearance footer(nullptr);
    Customise(header);
    footer.Assign(&header);
    footer.AssignColors(&header);
    ExpectCopied(footer, {});
    Customise(footer);
    THeaderAppearance fresh(nullptr);
    fresh.Assign(&footer);
    fresh.AssignColors(&footer);
    fresh.Assign(nullptr);
    ExpectCopied(fresh, {});
}

TEST(HeaderFooterAppearance, VisibleFiresOnChangeOnlyOnAChange)
{
    THeaderAppearance a(nullptr);
    int changes = 0;
    TObject* sender = nullptr;
    a.OnChange = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    a.SetVisible(true);
    EXPECT_EQ(changes, 0);
    a.SetVisible(false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &a);
    // The other properties are plain values; setting the font or buttons fires nothing either.
    a.Height = 40;
    TFont f;
    a.SetFont(&f);
    THeaderButtons other(nullptr);
    other.Add();
    a.SetButtons(&other);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.Buttons()->Count(), 1);

    // Assign sets Visible through its setter.
    THeaderAppearance shown(nullptr);
    a.Assign(&shown);
    EXPECT_EQ(changes, 2);
}

TEST(HeaderFooterAppearance, ButtonChangesReachTheAppearance)
{
    TFooterAppearance a(nullptr);
    int changes = 0;
    TObject* sender = nullptr;
    a.OnButtonsChanged = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    TFooterButton* b = a.Buttons()->Add();  // adding fires nothing
    a.Buttons()->Insert(0);
    EXPECT_EQ(changes, 0);
    b->Height = 30;
    b->ImageIndex = 2;
    b->ModalResult = 1;
    EXPECT_EQ(changes, 0);
    b->SetWidth(80);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &a);
    b->SetWidth(80);  // unchanged
    b->SetCaption(u"");
    b->SetEnabled(true);
    EXPECT_EQ(changes, 1);
    b->SetCaption(u"Close");
    b->SetEnabled(false);
    EXPECT_EQ(changes, 3);
    a.Buttons()->Delete(0);
    EXPECT_EQ(changes, 3);
}

TEST(HeaderFooterAppearance, ButtonDefaultsAndAssign)
{
    THeaderButtons headers(nullptr);
    TFooterButtons footers(nullptr);
    THeaderButton* h = headers.Add();
    TFooterButton* f = footers.Add();
    EXPECT_EQ(h->Caption(), u"");
    EXPECT_EQ(h->ImageIndex, -1);
    EXPECT_TRUE(h->Enabled());
    EXPECT_EQ(h->Width(), 0);
    EXPECT_EQ(h->Height, 0);
    EXPECT_EQ(f->ModalResult, 0);

    f->SetCaption(u"OK");
    f->ImageIndex = 3;
    f->ModalResult = 1;
    f->SetEnabled(false);
    f->SetWidth(75);
    f->Height = 23;
    int changes = 0;
    footers.OnChange = [&](TObject* s) {
        ++changes;
        EXPECT_EQ(s, &footers);
    };
    TFooterButton* copy = footers.Add();
    copy->Assign(f);
    EXPECT_EQ(copy->Caption(), u"OK");
    EXPECT_EQ(copy->ImageIndex, 3);
    EXPECT_EQ(copy->ModalResult, 1);
    EXPECT_FALSE(copy->Enabled());
    EXPECT_EQ(copy->Width(), 75);
    EXPECT_EQ(copy->Height, 23);
    EXPECT_EQ(changes, 3);  // through the setters of Caption, Enabled and Width

    footers.SetItem(0, copy);
    EXPECT_EQ(footers.Items(0)->Caption(), u"OK");

    // A header button takes over from its own class only.
    EXPECT_THROW(h->Assign(f), EConvertError);
    EXPECT_THROW(f->Assign(h), EConvertError);
}

}  // namespace
}  // namespace gw
