// Harness tests of the spin editor: keys and wheel at the limits for the four kinds, dates and
// times stepped by the part under the caret, typed text filtered by kind, the arrows' repeat,
// reading unreadable text, leaving with a value beyond the limits, and the arrows' painting.
#include "grid/foundation/spin_edit.h"

#include "../../support/format_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/message_beep.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/datetime.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <functional>

namespace gw::test {
namespace {

class SpinEditTest : public FormatSettingsTest {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 200);
        spin = new TEsgSpinEdit(form);
        spin->SetParent(form);
        spin->SetBounds(10, 10, 120, 24);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 60, 100, 21);
        form->Show();
        spin->SetFocus();
        h.ProcessMessages();
    }
    // Text and caret set as a person leaves them; the caret in the part to step.
    void Put(const String& Text, Integer Caret)
    {
        spin->SetText(Text);
        spin->SetSelStart(Caret);
        spin->SetSelLength(0);
    }

    THarness h;
    TForm* form = nullptr;
    TEsgSpinEdit* spin = nullptr;
    TEdit* other = nullptr;
};

// An action on the spin edit: a key (Page keys step the page) or wheel notches (0 key).
struct Input {
    Word Key;
    Integer Notches;
};
constexpr Input Up{VK_UP, 0}, Down{VK_DOWN, 0}, PageUp{VK_PRIOR, 0}, PageDown{VK_NEXT, 0};
constexpr Input WheelUp{0, 1}, WheelDown{0, -1};

TEST_F(SpinEditTest, KeysAndWheelStepUpToTheLimitsOfEachKind)
{
    struct Case {
        const char* Name;
        TEsgSpinType Kind;
        std::function<void(TEsgSpinEdit&)> Setup;
        String Text;
        Integer Caret;
        Input In;
        String Expected;
    };
    auto none = [](TEsgSpinEdit&) {};
    auto year2024 = [](TEsgSpinEdit& s) {
        s.MinDateValue = EncodeDate(2024, 1, 1);
        s.MaxDateValue = EncodeDate(2024, 12, 31);
    };
    auto noon = [](TEsgSpinEdit& s) { s.MaxDateValue = 0.5; };
    auto noSeconds = [](TEsgSpinEdit& s) { s.ShowSeconds = false; };
    auto dayShift = [](TEsgSpinEdit& s) {
        s.MinDateValue = 0.25;
        s.MaxDateValue = 0.75;
    };
    const Case cases[] = {
        {"integer up at the top", sptNormal, none, u"100", 0, Up, u"100"},
        {"integer up below the top", sptNormal, none, u"99", 0, Up, u"100"},
        {"integer down at the bottom", sptNormal, none, u"0", 0, Down, u"0"},
        {"integer page keys step by one", sptNormal, none, u"50", 0, PageUp, u"51"},
        {"integer wheel up at the top", sptNormal, none, u"100", 0, WheelUp, u"100"},
        {"integer wheel down", sptNormal, none, u"7", 0, WheelDown, u"6"},
        {"integer step of 5 held at 100", sptNormal, [](TEsgSpinEdit& s) { s.Increment = 5; }, u"98", 0, Up, u"100"},
        {"integer equal limits: no limit", sptNormal, [](TEsgSpinEdit& s) { s.MaxValue = 0; }, u"100", 0, Up, u"101"},
        {"float up", sptFloat, none, u"9.8", 0, Up, u"9.9"},
        {"float page up at the top", sptFloat, none, u"99.5", 0, PageUp, u"100"},
        {"float page down", sptFloat, none, u"5", 0, PageDown, u"4"},
        {"float down at the bottom", sptFloat, none, u"0.05", 0, Down, u"0"},
        {"float wheel down", sptFloat, none, u"2.5", 0, WheelDown, u"2.4"},
        {"float wheel up at the top", sptFloat, none, u"99.95", 0, WheelUp, u"100"},
        {"float wheel down at the bottom", sptFloat, none, u"0", 0, WheelDown, u"0"},
        {"date day up", sptDate, year2024, u"14/03/2024", 1, Up, u"15/03/2024"},
        {"date month up", sptDate, year2024, u"14/03/2024", 4, Up, u"14/04/2024"},
        {"date month caret right of the separator", sptDate, year2024, u"14/03/2024", 3, Down, u"14/02/2024"},
        {"date year down at the bottom", sptDate, year2024, u"14/03/2024", 8, Down, u"01/01/2024"},
        {"date day up at the top", sptDate, year2024, u"31/12/2024", 0, Up, u"31/12/2024"},
        {"date month up clips the day", sptDate, year2024, u"31/01/2024", 3, Up, u"29/02/2024"},
        {"date wheel in the day", sptDate, year2024, u"14/03/2024", 0, WheelDown, u"13/03/2024"},
        {"date page keys step a part", sptDate, year2024, u"14/03/2024", 4, PageUp, u"14/04/2024"},
        {"date wheel up in the year at the top", sptDate, year2024, u"14/03/2024", 9, WheelUp, u"31/12/2024"},
        {"date wheel down in the month at the bottom", sptDate, year2024, u"14/01/2024", 4, WheelDown, u"01/01/2024"},
        {"date 29 February a year on", sptDate, none, u"29/02/2024", 7, Up, u"28/02/2025"},
        {"time hours up", sptTime, none, u"09:05:00", 0, Up, u"10:05:00"},
        {"time minutes up", sptTime, none, u"09:05:00", 3, Up, u"09:06:00"},
        {"time seconds up", sptTime, none, u"09:05:00", 6, Up, u"09:05:01"},
        {"time seconds up past midnight", sptTime, none, u"23:59:59", 7, Up, u"00:00:00"},
        {"time minutes down round midnight", sptTime, none, u"00:00:00", 4, Down, u"23:59:00"},
        {"time hours up held at noon", sptTime, noon, u"11:30:00", 0, Up, u"12:00:00"},
        {"time wheel in the hours", sptTime, none, u"09:05:00", 1, WheelUp, u"10:05:00"},
        {"time hours down held at the bottom", sptTime, dayShift, u"06:30:00", 0, Down, u"06:00:00"},
        {"time wheel down at the bottom: no wrap past the limit", sptTime, dayShift, u"06:00:00", 0, WheelDown,
         u"06:00:00"},
        {"time wheel up in the seconds at the top", sptTime, dayShift, u"17:59:59", 7, WheelUp, u"18:00:00"},
        {"time wheel up held at the top", sptTime, dayShift, u"18:00:00", 4, WheelUp, u"18:00:00"},
        {"time without seconds: minutes round midnight", sptTime, noSeconds, u"0:00", 2, Down, u"23:59"},
        {"time without seconds: caret at the end", sptTime, noSeconds, u"9:05", 4, Up, u"9:06"},
    };
    for (const Case& c : cases) {
        auto* s = new TEsgSpinEdit(form);
        s->SetParent(form);
        s->SetBounds(150, 10, 120, 24);
        c.Setup(*s);
        s->SetSpinType(c.Kind);
        s->SetFocus();
        h.ProcessMessages();
        s->SetText(c.Text);
        s->SetSelStart(c.Caret);
        s->SetSelLength(0);
        if (c.In.Key)
            h.Press(c.In.Key);
        else
            h.Wheel(s, c.In.Notches);
        EXPECT_EQ(s->Text(), c.Expected) << c.Name;
        delete s;
    }
}

TEST_F(SpinEditTest, TheStepKeysNeverReachTheKeyEvents)
{
    std::vector<Word> keys;
    spin->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { keys.push_back(Key); };
    Put(u"5", 0);
    for (Word k : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME}) h.Press(k);
    EXPECT_EQ(keys, std::vector<Word>{VK_HOME});
    EXPECT_EQ(spin->Text(), u"5") << "one step up, one down, page up, page down";
}

TEST_F(SpinEditTest, MonthFirstLocaleStepsTheMonthInTheFirstPart)
{
    FormatSettings.ShortDateFormat = u"mm/dd/yyyy";
    spin->SetSpinType(sptDate);
    Put(u"03/14/2024", 0);
    h.Press(VK_UP);
    EXPECT_EQ(spin->Text(), u"04/14/2024");
    spin->SetSelStart(4);
    h.Press(VK_UP);
    EXPECT_EQ(spin->Text(), u"04/15/2024");
}

TEST_F(SpinEditTest, AReadOnlyEditBeepsAndKeepsItsValue)
{
    Put(u"5", 0);
    spin->SetReadOnly(true);
    const Cardinal beeps = BeepCount();
    h.Press(VK_UP);
    h.Wheel(spin, -1);
    EXPECT_EQ(spin->Text(), u"5");
    EXPECT_EQ(BeepCount(), beeps + 2);
}

TEST_F(SpinEditTest, TypedCharactersAreFilteredByKind)
{
    FormatSettings.DecimalSeparator = u'.';
    FormatSettings.ThousandSeparator = u',';
    struct Case {
        const char* Name;
        TEsgSpinType Kind;
        String Text;
        Integer SelStart, SelLength;
        String Typed;
        String Expected;
    };
    const Case cases[] = {
        {"integer digit", sptNormal, u"12", 2, 0, u"3", u"123"},
        {"integer letter", sptNormal, u"12", 2, 0, u"a", u"12"},
        {"integer decimal separator", sptNormal, u"12", 2, 0, u".", u"12"},
        {"integer date separator", sptNormal, u"12", 2, 0, u"/", u"12"},
        {"integer time separator", sptNormal, u"12", 2, 0, u":", u"12"},
        {"minus at the start", sptNormal, u"12", 0, 0, u"-", u"-12"},
        {"minus elsewhere", sptNormal, u"12", 1, 0, u"-", u"12"},
        {"second minus at the start", sptNormal, u"-12", 0, 0, u"-", u"-12"},
        {"minus over the selected minus", sptNormal, u"-12", 0, 1, u"-", u"-12"},
        {"float separator", sptFloat, u"1", 1, 0, u".", u"1."},
        {"float second separator", sptFloat, u"1.5", 3, 0, u".", u"1.5"},
        {"float separator over the selected one", sptFloat, u"1.5", 1, 1, u".", u"1.5"},
        {"float thousand separator", sptFloat, u"1", 1, 0, u",", u"1"},
        {"float precision full at the end", sptFloat, u"1.50", 4, 0, u"7", u"1.50"},
        {"float precision full before the separator", sptFloat, u"1.50", 1, 0, u"7", u"17.50"},
        {"date separator in a date", sptDate, u"1", 1, 0, u"/", u"1/"},
        {"time separator in a date", sptDate, u"1", 1, 0, u":", u"1"},
        {"time separator in a time", sptTime, u"1", 1, 0, u":", u"1:"},
        {"third time separator", sptTime, u"1:2:3", 5, 0, u":", u"1:2:3"},
        {"date separator in a time", sptTime, u"1", 1, 0, u"/", u"1"},
    };
    for (const Case& c : cases) {
        spin->SetSpinType(c.Kind);
        spin->SetPrecision(c.Kind == sptFloat && c.Text == u"1.50" ? 2 : 0);
        spin->SetText(c.Text);
        spin->SetSelStart(c.SelStart);
        spin->SetSelLength(c.SelLength);
        const Cardinal beeps = BeepCount();
        h.Type(c.Typed);
        EXPECT_EQ(spin->Text(), c.Expected) << c.Name;
        const bool refused = c.Expected == c.Text && c.SelLength == 0;
        EXPECT_EQ(BeepCount() > beeps, refused) << c.Name << ": a refused character beeps";
    }
}

TEST_F(SpinEditTest, EditingShortcutsPassTheIntegerFilter)
{
    // Ctrl+A, Ctrl+C and Ctrl+V are commands, not text: the integer kind takes them too.
    Put(u"42", 0);
    const Cardinal beeps = BeepCount();
    h.Press('A', ssCtrl);
    h.Press('C', ssCtrl);
    spin->SetText(u"");
    h.Press('V', ssCtrl);
    EXPECT_EQ(spin->Text(), u"42");
    EXPECT_EQ(BeepCount(), beeps);
}

TEST_F(SpinEditTest, WithTheEditorDisabledNothingTypedPastedOrDeletedReachesTheText)
{
    Put(u"42", 2);
    spin->SelectAll();
    h.Press('C', ssCtrl);
    spin->EditorEnabled = false;
    spin->SetSelStart(0);
    h.Type(u"7");
    h.Press(VK_BACK);
    h.Press(VK_DELETE);
    h.Press('V', ssCtrl);
    spin->Perform(WM_PASTE);
    EXPECT_EQ(spin->Text(), u"42");
    h.Press(VK_UP);
    EXPECT_EQ(spin->Text(), u"43") << "the arrows still step";
    EXPECT_EQ(spin->SelLength(), 2) << "a value set while the editor is disabled is selected";
}

TEST_F(SpinEditTest, TheKeypadDecimalKeyTypesTheLocaleSeparator)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    spin->SetSpinType(sptFloat);
    spin->ExcelStyleDecimalSeparator = true;
    Put(u"1", 1);
    InjectKeyEx(VK_DECIMAL, true, 0x53, false, u'.');
    InjectKeyEx(VK_DECIMAL, false, 0x53, false, u'.');
    h.ProcessMessages();
    EXPECT_EQ(spin->Text(), u"1,");
    h.Type(u".");
    EXPECT_EQ(spin->Text(), u"1,") << "the main full stop is the thousand separator here";
}

TEST_F(SpinEditTest, ReadingUnreadableTextFallsBack)
{
    spin->MinValue = 3;
    spin->MaxValue = 90;
    spin->MinDateValue = EncodeDate(2020, 5, 6);
    struct Case {
        String Text;
        Integer Value;
        double Float;
        TDateTime Time;
    };
    const Case cases[] = {
        {u"", 0, 3, 0},    {u" 12 ", 12, 12, 0}, {u"$1F", 31, 3, 0},
        {u"abc", 3, 3, 0}, {u"2.5", 3, 2.5, 0},  {u"10:30", 3, 3, EncodeTime(10, 30, 0, 0)},
    };
    for (const Case& c : cases) {
        spin->SetText(c.Text);
        EXPECT_EQ(spin->Value(), c.Value) << "'" << std::string(c.Text.begin(), c.Text.end()) << "'";
        EXPECT_DOUBLE_EQ(spin->FloatValue(), c.Float);
        EXPECT_DOUBLE_EQ(spin->TimeValue(), c.Time);
    }
    spin->SetText(u"no date");
    EXPECT_DOUBLE_EQ(spin->DateValue(), EncodeDate(2020, 5, 6));
    spin->SetText(u"0");
    EXPECT_NEAR(spin->DateValue(), Now(), 1.0 / 24) << "\"0\" reads as now";
}

TEST_F(SpinEditTest, SwitchingKindsNormalisesAndLimitsTheText)
{
    EXPECT_EQ(spin->Text(), u"0") << "a new spin edit";
    spin->SetText(u"250");
    spin->SetSpinType(sptNormal);
    EXPECT_EQ(spin->Text(), u"100");
    spin->SetText(u"3.14159");
    spin->SetSpinType(sptFloat);
    EXPECT_EQ(spin->Text(), u"3.14159");
    spin->SetPrecision(2);
    EXPECT_EQ(spin->Text(), u"3.14");
    spin->SetText(u"9:5");
    spin->SetSpinType(sptTime);
    EXPECT_EQ(spin->Text(), u"09:05:00");
}

TEST_F(SpinEditTest, SettingAValueLimitsAndFormatsItKeepingTheCaret)
{
    spin->SetSpinType(sptDate);
    spin->MinDateValue = EncodeDate(2024, 1, 1);
    spin->MaxDateValue = EncodeDate(2024, 12, 31);
    Put(u"14/03/2024", 4);
    spin->SetDateValue(EncodeDate(2025, 6, 1));
    EXPECT_EQ(spin->Text(), u"31/12/2024");
    EXPECT_EQ(spin->SelStart(), 4) << "the caret stays in the month";
    EXPECT_DOUBLE_EQ(spin->DateValue(), EncodeDate(2024, 12, 31));
    spin->MinDateValue = spin->MaxDateValue = 0;
    spin->ShowSeconds = false;
    spin->SetSpinType(sptTime);
    spin->SetTimeValue(EncodeTime(9, 5, 30, 0));
    EXPECT_EQ(spin->Text(), u"9:05");
    EXPECT_DOUBLE_EQ(spin->TimeValue(), EncodeTime(9, 5, 0, 0));
    spin->SetSpinType(sptFloat);
    spin->SetPrecision(2);
    const std::pair<double, const char16_t*> floats[] = {{2.5, u"2.50"}, {123.456, u"100.00"}, {-1, u"0.00"}};
    for (auto [value, text] : floats) {
        spin->SetFloatValue(value);
        EXPECT_EQ(spin->Text(), text) << value;
    }
    spin->SetPrecision(0);
    spin->SetFloatValue(2.25);
    EXPECT_EQ(spin->Text(), u"2.25") << "the shortest form";
    spin->SetSpinType(sptNormal);
    spin->SetValue(-5);
    EXPECT_EQ(spin->Text(), u"0");
}

TEST_F(SpinEditTest, LeavingWritesBackAValueBeyondTheLimits)
{
    spin->SetText(u"");
    h.Type(u"150");
    EXPECT_EQ(spin->Text(), u"150") << "typing is not limited";
    h.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), other);
    EXPECT_EQ(spin->Text(), u"100");
}

TEST_F(SpinEditTest, EnterActsAsTabWhenAsked)
{
    spin->ReturnIsTab = true;
    h.Press(VK_RETURN);
    EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(SpinEditTest, HoldingAnArrowStepsOnPressThenRepeats)
{
    Put(u"10", 0);
    TExtTimerSpeedButton* up = spin->Button()->UpButton();
    const TPoint centre{up->Width() / 2, up->Height() / 2};
    h.MouseDown(up, centre);
    EXPECT_EQ(spin->Text(), u"11") << "the press steps";
    h.Advance(399);
    EXPECT_EQ(spin->Text(), u"11");
    h.Advance(1);
    EXPECT_EQ(spin->Text(), u"12") << "400 ms after the press";
    h.Advance(100);
    h.Advance(100);
    EXPECT_EQ(spin->Text(), u"14") << "then every 100 ms";
    h.MouseUp(up, centre);
    h.Advance(500);
    EXPECT_EQ(spin->Text(), u"14") << "the release gives no further step and the repeat stops";
    h.Click(spin->Button()->DownButton());
    EXPECT_EQ(spin->Text(), u"13");
    EXPECT_EQ(form->ActiveControl(), spin) << "the arrows hand the focus to the edit";
}

TEST_F(SpinEditTest, AFocusedArrowPairAnswersSpaceAndTheArrowKeys)
{
    Put(u"10", 0);
    TEsgSpinButton* b = spin->Button();
    b->SetTabStop(true);
    b->SetFocus();
    h.ProcessMessages();
    EXPECT_TRUE(b->UpButton()->TimeBtnState & tbFocusRect) << "the focused arrow is marked";
    h.Press(VK_SPACE);
    EXPECT_EQ(spin->Text(), u"11") << "Space clicks the focused arrow";
    h.Press(VK_DOWN);
    EXPECT_EQ(spin->Text(), u"10");
    EXPECT_EQ(b->FocusedButton(), b->DownButton());
    EXPECT_TRUE(b->DownButton()->TimeBtnState & tbFocusRect);
    EXPECT_FALSE(b->UpButton()->TimeBtnState & tbFocusRect) << "the mark moves with the focus";
    h.Press(VK_SPACE);
    EXPECT_EQ(spin->Text(), u"9");
    h.Press(VK_UP);
    EXPECT_EQ(spin->Text(), u"10");
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(b->UpButton()->TimeBtnState & tbFocusRect) << "leaving clears the mark";
}

TEST_F(SpinEditTest, AnArrowTakesAGlyphAndGoesBackToItsOwnWithoutOne)
{
    TEsgSpinButton* b = spin->Button();
    ASSERT_FALSE(b->UpGlyph()->Empty());
    const Integer ownWidth = b->UpGlyph()->Width();
    ASSERT_NE(ownWidth, 24);
    TBitmap strip(24, 6);
    b->SetUpGlyph(&strip);
    b->SetUpNumGlyphs(2);
    EXPECT_EQ(b->UpGlyph()->Width(), 24);
    b->SetUpGlyph(nullptr);
    EXPECT_EQ(b->UpGlyph()->Width(), ownWidth);
    EXPECT_EQ(b->UpNumGlyphs(), 1);
    EXPECT_FALSE(b->DownGlyph()->Empty());
}

TEST_F(SpinEditTest, TheArrowsSitInsideTheRightEdge)
{
    // A single border: inside it, one pixel short of its right and bottom edge.
    const TEsgSpinButton* b = spin->Button();
    EXPECT_EQ(b->Width(), 15);
    EXPECT_EQ(b->Left(), 2 + spin->Width() - 15 - 5);
    EXPECT_EQ(b->Top(), 2);
    EXPECT_EQ(b->Height(), spin->Height() - 5);
    EXPECT_EQ(b->UpButton()->BoundsRect(), Rect(0, 0, 15, b->Height() / 2));
    EXPECT_EQ(b->DownButton()->Top(), b->Height() / 2 - 1);
    spin->SetHeight(4);
    EXPECT_EQ(spin->Height(), spin->GetMinHeight()) << "no lower than the text needs";
    spin->SetDirection(spHorizontal);
    EXPECT_EQ(b->Width(), 20);
    EXPECT_EQ(b->UpButton()->ButtonDirection, bdRight);
    EXPECT_EQ(b->DownButton()->BoundsRect(), Rect(0, 0, 10, b->Height()));
    EXPECT_EQ(b->UpButton()->Left(), 11);
}

TEST_F(SpinEditTest, ColouredArrowsAreFilledWithTheirStateColourAndABlackTriangle)
{
    TEsgSpinButton* b = spin->Button();
    b->ButtonColor = TColor(0x00AA00);
    b->ButtonColorHot = TColor(0x00BB00);
    b->ButtonColorDown = TColor(0x00CC00);
    spin->SetHeight(23);
    ASSERT_EQ(b->Height(), 18);
    TRecordingCanvas c;
    b->PaintTo(c, 0, 0);
    // Each arrow in its own coordinates: the up one 9 pixels high, the down one 10.
    const std::vector<std::string> log = c.Log();
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(
        std::vector<std::string>(log.end() - 6, log.end()),
        (std::vector<std::string>{"IntersectClipRect(0,0,15,9)", "FillRect(0,0,15,9)", "Polygon(4,4,8,4,6,2)",
                                  "IntersectClipRect(0,0,15,10)", "FillRect(0,0,15,10)", "Polygon(4,2,8,2,6,4)"}));
    const auto& calls = c.Calls();
    for (auto it = calls.end() - 6; it != calls.end(); ++it) {
        if (it->Name == "FillRect") {
            EXPECT_EQ(it->BrushColor, TColor(0x00AA00));
        }
        if (it->Name == "Polygon") {
            EXPECT_EQ(it->BrushColor, clBlack);
        }
    }
    h.MouseDown(b->UpButton(), {3, 3});
    TRecordingCanvas pressed;
    b->PaintTo(pressed, 0, 0);
    h.MouseUp(b->UpButton(), {3, 3});
    bool downColour = false;
    for (const TCanvasCall& call : pressed.Calls())
        downColour = downColour || (call.Name == "FillRect" && call.BrushColor == TColor(0x00CC00));
    EXPECT_TRUE(downColour);
}

}  // namespace
}  // namespace gw::test
