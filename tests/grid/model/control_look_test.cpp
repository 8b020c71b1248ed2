// The control look: which setters repaint, which pass their gradient colour on to the grid and
// when, the colour reset, and what Assign copies (and that it tells the grid nothing).
#include "grid/foundation/header_footer_appearance.h"
#include "grid/model/control_look.h"
#include "platform/graphics/bitmap.h"
#include "tests/grid/model/assign_table.h"
#include "tests/grid/model/fake_settings_grid.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using test::ExpectAssignTable;
using test::Member;
using test::Property;
using test::TFakeSettingsGrid;
using L = TControlLook;
using Log = std::vector<std::string>;

// A look whose creation has been forgotten by its grid's log.
struct LookOnGrid {
    TFakeSettingsGrid grid;
    L look{&grid};
    LookOnGrid() { grid.Log.clear(); }
};

struct GradientSetter {
    const char* Name;
    TColor (L::*Get)() const;
    void (L::*Set)(TColor);
    // Mirror colours always reach the grid; the others only when they are not clNone.
    bool Mirror;
};

const std::vector<GradientSetter>& GradientSetters()
{
    static const std::vector<GradientSetter> setters = {
        {"ZEQGradientFrom", &L::FixedGradientFrom, &L::SetFixedGradientFrom, false},
        {"ZEQGradientTo", &L::FixedGradientTo, &L::SetFixedGradientTo, false},
        {"ZEQGradientMirrorFrom", &L::FixedGradientMirrorFrom, &L::SetFixedGradientMirrorFrom, true},
        {"ZEQGradientMirrorTo", &L::FixedGradientMirrorTo, &L::SetFixedGradientMirrorTo, true},
        {"ZEQGradientHoverFrom", &L::FixedGradientHoverFrom, &L::SetFixedGradientHoverFrom, false},
        {"ZEQGradientHoverTo", &L::FixedGradientHoverTo, &L::SetFixedGradientHoverTo, false},
        {"ZEQGradientHoverMirrorFrom", &L::FixedGradientHoverMirrorFrom, &L::SetFixedGradientHoverMirrorFrom, true},
        {"ZEQGradientHoverMirrorTo", &L::FixedGradientHoverMirrorTo, &L::SetFixedGradientHoverMirrorTo, true},
        {"ZEQGradientHoverBorder", &L::FixedGradientHoverBorder, &L::SetFixedGradientHoverBorder, false},
        {"ZEQGradientDownFrom", &L::FixedGradientDownFrom, &L::SetFixedGradientDownFrom, false},
        {"ZEQGradientDownTo", &L::FixedGradientDownTo, &L::SetFixedGradientDownTo, false},
        {"ZEQGradientDownMirrorFrom", &L::FixedGradientDownMirrorFrom, &L::SetFixedGradientDownMirrorFrom, true},
        {"ZEQGradientDownMirrorTo", &L::FixedGradientDownMirrorTo, &L::SetFixedGradientDownMirrorTo, true},
        {"ZEQGradientDownBorder", &L::FixedGradientDownBorder, &L::SetFixedGradientDownBorder, false},
    };
    return setters;
}

TEST(ControlLook, GradientSettersPassTheirColourToTheGridsPropertyOfTheSameRole)
{
    for (const GradientSetter& s : GradientSetters()) {
        SCOPED_TRACE(s.Name);
        LookOnGrid t;
        (t.look.*s.Set)(0x123456);
        EXPECT_EQ((t.look.*s.Get)(), 0x123456);
        EXPECT_EQ(t.grid.Log, Log{TFakeSettingsGrid::ColourLine(s.Name, 0x123456)});

        t.grid.Log.clear();
        (t.look.*s.Set)(clNone);
        EXPECT_EQ((t.look.*s.Get)(), clNone) << "the look takes none either way";
        EXPECT_EQ(t.grid.Log, s.Mirror ? Log{TFakeSettingsGrid::ColourLine(s.Name, clNone)} : Log{});
    }
}

TEST(ControlLook, RepaintingSettersInvalidateTheGridAndPlainOnesDoNot)
{
    const std::vector<std::pair<const char*, std::function<void(L&)>>> repainting = {
        {"Color", [](L& l) { l.SetColor(clRed); }},
        {"CommentColor", [](L& l) { l.SetCommentColor(clBlue); }},
        {"CheckSize", [](L& l) { l.SetCheckSize(13); }},
        {"RadioSize", [](L& l) { l.SetRadioSize(12); }},
        {"ControlStyle", [](L& l) { l.SetControlStyle(csFlat); }},
        {"DropDownAlwaysVisible", [](L& l) { l.SetDropDownAlwaysVisible(true); }},
        {"SpinButtonsAlwaysVisible", [](L& l) { l.SetSpinButtonsAlwaysVisible(true); }},
        {"FlatButton", [](L& l) { l.SetFlatButton(true); }},
        {"NoDisabledCheckRadioLook", [](L& l) { l.SetNoDisabledCheckRadioLook(true); }},
        {"NoDisabledButtonLook", [](L& l) { l.SetNoDisabledButtonLook(true); }},
        {"ProgressMarginX", [](L& l) { l.SetProgressMarginX(4); }},
        {"ProgressMarginY", [](L& l) { l.SetProgressMarginY(5); }},
        {"ProgressXP", [](L& l) { l.SetProgressXP(true); }},
        {"same value", [](L& l) { l.SetCheckSize(15); }},
    };
    for (const auto& [name, set] : repainting) {
        SCOPED_TRACE(name);
        LookOnGrid t;
        set(t.look);
        EXPECT_EQ(t.grid.Log, Log{"Invalidate"});
    }
    LookOnGrid t;
    t.look.FixedDropDownButton = true;
    t.look.HintMaxWidth = 300;
    t.look.CheckAlwaysActive = true;
    t.look.RadioAlwaysActive = true;
    t.look.DropDownCount = 12;
    t.look.SetProgressBorderColor(clRed);
    EXPECT_EQ(t.grid.Log, Log{});
}

TEST(ControlLook, GlyphSettersCopyThePictureAndRepaint)
{
    const std::vector<std::pair<void (L::*)(TBitmap*), TBitmap* (L::*)() const>> glyphs = {
        {&L::SetCheckedGlyph, &L::CheckedGlyph},
        {&L::SetUnCheckedGlyph, &L::UnCheckedGlyph},
        {&L::SetRadioOnGlyph, &L::RadioOnGlyph},
        {&L::SetRadioOffGlyph, &L::RadioOffGlyph},
    };
    for (auto [set, get] : glyphs) {
        LookOnGrid t;
        TBitmap picture(11, 12);
        TBitmap* own = (t.look.*get)();
        (t.look.*set)(&picture);
        EXPECT_EQ((t.look.*get)(), own);
        EXPECT_EQ(own->Height(), 12);
        EXPECT_EQ(t.grid.Log, Log{"Invalidate"});
    }
}

TEST(ControlLook, InitPutsTheColoursBackAndClearsOnlyTheGridsHoverAndPressedMirrors)
{
    LookOnGrid t;
    t.look.SetColor(clRed);
    t.look.SetCommentColor(clGreen);
    t.look.SetProgressBorderColor(clBlue);
    for (const GradientSetter& s : GradientSetters()) (t.look.*s.Set)(0x010203);
    t.look.SetCheckSize(20);
    t.grid.Log.clear();
    t.look.Init();
    L fresh(nullptr);
    for (const GradientSetter& s : GradientSetters()) EXPECT_EQ((t.look.*s.Get)(), (fresh.*s.Get)()) << s.Name;
    EXPECT_EQ(t.look.Color(), 0);
    EXPECT_EQ(t.look.CommentColor(), clRed);
    EXPECT_EQ(t.look.ProgressBorderColor(), clGray);
    EXPECT_EQ(t.look.CheckSize(), 20) << "not a colour";
    EXPECT_EQ(t.grid.Log,
              (Log{
                  TFakeSettingsGrid::ColourLine("ZEQGradientHoverMirrorFrom", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientHoverMirrorTo", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientDownMirrorFrom", clNone),
                  TFakeSettingsGrid::ColourLine("ZEQGradientDownMirrorTo", clNone),
              }));
}

TEST(ControlLook, AssignCopiesTheLookButNotFiveSwitches)
{
    std::vector<test::AssignCase<L>> cases = {
        Property<L>("CheckSize", &L::CheckSize, &L::SetCheckSize, 20, true),
        Property<L>("RadioSize", &L::RadioSize, &L::SetRadioSize, 21, true),
        Property<L>("ControlStyle", &L::ControlStyle, &L::SetControlStyle, csGlyph, true),
        Property<L>("ProgressMarginX", &L::ProgressMarginX, &L::SetProgressMarginX, 6, true),
        Property<L>("ProgressMarginY", &L::ProgressMarginY, &L::SetProgressMarginY, 7, true),
        Property<L>("CommentColor", &L::CommentColor, &L::SetCommentColor, clBlue, true),
        Property<L>("Color", &L::Color, &L::SetColor, clAqua, true),
        Property<L>("ProgressBorderColor", &L::ProgressBorderColor, &L::SetProgressBorderColor, clRed, true),
        Member<L>("CheckAlwaysActive", &L::CheckAlwaysActive, true, true),
        Member<L>("RadioAlwaysActive", &L::RadioAlwaysActive, true, true),
        Property<L>("DropDownAlwaysVisible", &L::DropDownAlwaysVisible, &L::SetDropDownAlwaysVisible, true, true),
        Property<L>("SpinButtonsAlwaysVisible", &L::SpinButtonsAlwaysVisible, &L::SetSpinButtonsAlwaysVisible, true,
                    true),
        Member<L>("DropDownCount", &L::DropDownCount, 3, true),
        Member<L>("HintMaxWidth", &L::HintMaxWidth, 250, true),
        {"DropDownHeader", [](L& l) { l.DropDownHeader()->Caption = u"Head"; },
         [](const L& a, const L& b) { return a.DropDownHeader()->Caption == b.DropDownHeader()->Caption; }, true},
        {"DropDownFooter", [](L& l) { l.DropDownFooter()->Caption = u"Foot"; },
         [](const L& a, const L& b) { return a.DropDownFooter()->Caption == b.DropDownFooter()->Caption; }, true},
        Member<L>("FixedDropDownButton", &L::FixedDropDownButton, true, false),
        Property<L>("FlatButton", &L::FlatButton, &L::SetFlatButton, true, false),
        Property<L>("NoDisabledCheckRadioLook", &L::NoDisabledCheckRadioLook, &L::SetNoDisabledCheckRadioLook, true,
                    false),
        Property<L>("NoDisabledButtonLook", &L::NoDisabledButtonLook, &L::SetNoDisabledButtonLook, true, false),
        Property<L>("ProgressXP", &L::ProgressXP, &L::SetProgressXP, true, false),
    };
    for (const GradientSetter& s : GradientSetters())
        cases.push_back(Property<L>(s.Name, s.Get, s.Set, 0x0A0B0C, true));
    for (auto [name, get] :
         std::vector<std::pair<const char*, TBitmap* (L::*)() const>>{{"CheckedGlyph", &L::CheckedGlyph},
                                                                      {"UnCheckedGlyph", &L::UnCheckedGlyph},
                                                                      {"RadioOnGlyph", &L::RadioOnGlyph},
                                                                      {"RadioOffGlyph", &L::RadioOffGlyph}})
        cases.push_back({name, [get](L& l) { (l.*get)()->SetSize(5, 5); },
                         [get](const L& a, const L& b) { return (a.*get)()->Width() == (b.*get)()->Width(); }, true});
    ExpectAssignTable<L>([] { return std::make_unique<L>(nullptr); }, cases);
}

// After A.Assign(B) the grid still paints with its former gradient until a setter runs.
TEST(ControlLook, AssignTellsTheGridNothingAndRepaintsNothing)
{
    L source(nullptr);
    for (const GradientSetter& s : GradientSetters()) (source.*s.Set)(0x445566);
    source.SetControlStyle(csFlat);
    LookOnGrid t;
    t.look.Assign(&source);
    EXPECT_EQ(t.look.FixedGradientHoverFrom(), 0x445566);
    EXPECT_EQ(t.grid.Log, Log{});
    TBitmap other;
    t.look.Assign(&other);
    EXPECT_EQ(t.look.ControlStyle(), csFlat) << "another class is ignored";
}

}  // namespace
}  // namespace gw
