// The grid's option objects: defaults, change events, the rules between options and the Assign
// copy and exclusion lists.
#include "grid/foundation/bands.h"
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw {
namespace {

// A Boolean option: how to read and set it, and its value after creation.
template <class T>
struct BoolOption {
    const char* name;
    std::function<bool(const T&)> get;
    std::function<void(T&, bool)> set;
    bool initial;
};

template <class T>
BoolOption<T> Field(const char* Name, bool T::*Member, bool Initial)
{
    return {Name, [Member](const T& o) { return o.*Member; }, [Member](T& o, bool v) { o.*Member = v; }, Initial};
}

// --- TNavigation -------------------------------------------------------------------------------

std::vector<BoolOption<TNavigation>> NavigationOptions()
{
    using N = TNavigation;
    return {
        Field("AllowInsertRow", &N::AllowInsertRow, false),
        Field("AllowDeleteRow", &N::AllowDeleteRow, false),
        Field("AdvanceOnEnter", &N::AdvanceOnEnter, false),
        {"AdvanceInsert", [](const N& n) { return n.AdvanceInsert(); }, [](N& n, bool v) { n.SetAdvanceInsert(v); },
         false},
        Field("AutoGotoWhenSorted", &N::AutoGotoWhenSorted, false),
        Field("AutoGotoIncremental", &N::AutoGotoIncremental, false),
        Field("AutoComboDropSize", &N::AutoComboDropSize, false),
        Field("AllowClipboardShortCuts", &N::AllowClipboardShortCuts, false),
        Field("AllowRTFClipboard", &N::AllowRTFClipboard, false),
        Field("AllowSmartClipboard", &N::AllowSmartClipboard, false),
        Field("AllowClipboardAlways", &N::AllowClipboardAlways, false),
        Field("AllowClipboardColGrow", &N::AllowClipboardColGrow, true),
        Field("AllowClipboardRowGrow", &N::AllowClipboardRowGrow, true),
        Field("CopyHTMLTagsToClipboard", &N::CopyHTMLTagsToClipboard, true),
        {"AdvanceAuto", [](const N& n) { return n.AdvanceAuto(); }, [](N& n, bool v) { n.SetAdvanceAuto(v); }, false},
        Field("AdvanceAutoEdit", &N::AdvanceAutoEdit, true),
        Field("CursorWalkEditor", &N::CursorWalkEditor, false),
        Field("CursorWalkAlwaysEdit", &N::CursorWalkAlwaysEdit, true),
        Field("MoveRowOnSort", &N::MoveRowOnSort, false),
        Field("KeepScrollOnSort", &N::KeepScrollOnSort, false),
        Field("ImproveMaskSel", &N::ImproveMaskSel, false),
        Field("AlwaysEdit", &N::AlwaysEdit, false),
        Field("LineFeedOnEnter", &N::LineFeedOnEnter, false),
        Field("KeepHorizScroll", &N::KeepHorizScroll, false),
        Field("AllowFmtClipboard", &N::AllowFmtClipboard, false),
        Field("TabToNextAtEnd", &N::TabToNextAtEnd, false),
        Field("EditSelectAll", &N::EditSelectAll, true),
        Field("SkipFixedCells", &N::SkipFixedCells, true),
        Field("SkipDisabledRows", &N::SkipDisabledRows, true),
        Field("AllowCtrlEnter", &N::AllowCtrlEnter, true),
        Field("AppendOnArrowDown", &N::AppendOnArrowDown, false),
        Field("LeftRightRowSelect", &N::LeftRightRowSelect, true),
        Field("MoveScrollOnly", &N::MoveScrollOnly, false),
        Field("ComboGetUpDown", &N::ComboGetUpDown, true),
        Field("AdvanceOnEnterLoop", &N::AdvanceOnEnterLoop, true),
        Field("AdvanceSkipReadOnlyCells", &N::AdvanceSkipReadOnlyCells, true),
        Field("CursorMoveRows", &N::CursorMoveRows, false),
    };
}

TEST(Navigation, DefaultsAndTheCopyOfEveryOptionButKeepScrollOnSort)
{
    const auto options = NavigationOptions();
    TNavigation fresh;
    for (const auto& o : options) EXPECT_EQ(o.get(fresh), o.initial) << o.name;
    EXPECT_EQ(fresh.ClipboardPasteAction, paReplace);
    EXPECT_EQ(fresh.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(fresh.InsertPosition, pInsertBefore);
    EXPECT_EQ(fresh.HomeEndKey, heFirstLastColumn);
    EXPECT_EQ(fresh.TabAdvanceDirection, adLeftRight);
    EXPECT_EQ(fresh.CursorAdvance, caDefault);

    TNavigation source;
    for (const auto& o : options) o.set(source, !o.initial);
    source.ClipboardPasteAction = paInsert;
    source.SetAdvanceDirection(adTopBottomInCol);
    source.InsertPosition = pInsertAfter;
    source.HomeEndKey = heFirstLastCell;
    source.TabAdvanceDirection = adTopBottom;
    source.CursorAdvance = caLoop;
    TNavigation target;
    int events = 0;
    target.OnChange = [&](TObject*) { ++events; };
    target.Assign(&source);
    for (const auto& o : options) {
        const bool copied = std::string(o.name) != "KeepScrollOnSort";
        EXPECT_EQ(o.get(target), copied ? !o.initial : o.initial) << o.name;
    }
    EXPECT_EQ(target.ClipboardPasteAction, paInsert);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(target.InsertPosition, pInsertAfter);
    EXPECT_EQ(target.HomeEndKey, heFirstLastCell);
    EXPECT_EQ(target.TabAdvanceDirection, adTopBottom);
    EXPECT_EQ(target.CursorAdvance, caLoop);
    EXPECT_EQ(events, 0);

    TSearchFooter otherClass(nullptr, false);
    target.Assign(&otherClass);  // ignored
    EXPECT_EQ(target.CursorAdvance, caLoop);
}

TEST(Navigation, OnlyAdvanceDirectionAndAdvanceInsertReportChanges)
{
    TNavigation n;
    std::vector<std::string> log;
    n.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &n);
        log.push_back("change");
    };
    n.SetAdvanceDirection(adLeftRight);  // unchanged
    n.SetAdvanceInsert(false);
    EXPECT_TRUE(log.empty());
    n.SetAdvanceDirection(adTopBottom);
    n.SetAdvanceInsert(true);
    EXPECT_EQ(log.size(), 2u);
    n.SetAdvanceAuto(true);
    n.AutoGotoWhenSorted = true;
    EXPECT_EQ(log.size(), 2u);
}

TEST(Navigation, SwitchingAdvanceAutoOnSwitchesAdvanceOnEnterOn)
{
    TNavigation n;
    n.SetAdvanceAuto(true);
    EXPECT_TRUE(n.AdvanceOnEnter);
    n.AdvanceOnEnter = false;
    n.SetAdvanceAuto(true);  // no change: AdvanceOnEnter stays as set
    EXPECT_FALSE(n.AdvanceOnEnter);
    n.SetAdvanceAuto(false);
    EXPECT_FALSE(n.AdvanceAuto());
    EXPECT_FALSE(n.AdvanceOnEnter);
}

// --- TMouseActions -----------------------------------------------------------------------------

std::vector<BoolOption<TMouseActions>> MouseOptions()
{
    using M = TMouseActions;
    return {
        Field("ColSelect", &M::ColSelect, false),
        Field("RowSelect", &M::RowSelect, false),
        Field("AllSelect", &M::AllSelect, false),
        Field("DirectEdit", &M::DirectEdit, false),
        Field("DirectComboDrop", &M::DirectComboDrop, false),
        Field("DirectComboClose", &M::DirectComboClose, false),
        Field("DirectDateClose", &M::DirectDateClose, false),
        Field("DirectDateDrop", &M::DirectDateDrop, false),
        {"DisjunctRowSelect", [](const M& m) { return m.DisjunctRowSelect(); },
         [](M& m, bool v) { m.SetDisjunctRowSelect(v); }, false},
        {"DisjunctColSelect", [](const M& m) { return m.DisjunctColSelect(); },
         [](M& m, bool v) { m.SetDisjunctColSelect(v); }, false},
        Field("AllColumnSize", &M::AllColumnSize, false),
        Field("AllRowSize", &M::AllRowSize, false),
        Field("CaretPositioning", &M::CaretPositioning, false),
        Field("SizeFixedCol", &M::SizeFixedCol, false),
        Field("SizeFixedRow", &M::SizeFixedRow, false),
        {"DisjunctCellSelect", [](const M& m) { return m.DisjunctCellSelect(); },
         [](M& m, bool v) { m.SetDisjunctCellSelect(v); }, false},
        {"HotmailRowSelect", [](const M& m) { return m.HotmailRowSelect(); },
         [](M& m, bool v) { m.SetHotmailRowSelect(v); }, false},
        Field("RangeSelectAndEdit", &M::RangeSelectAndEdit, false),
        Field("NoAutoRangeScroll", &M::NoAutoRangeScroll, false),
        Field("PreciseCheckBoxCheck", &M::PreciseCheckBoxCheck, false),
        Field("PreciseNodeClick", &M::PreciseNodeClick, true),
        Field("CheckAllCheck", &M::CheckAllCheck, false),
        Field("NodeAllExpandContract", &M::NodeAllExpandContract, false),
        Field("MoveRowOnNodeClick", &M::MoveRowOnNodeClick, false),
        Field("RowSelectPersistent", &M::RowSelectPersistent, false),
        Field("SelectOnRightClick", &M::SelectOnRightClick, false),
        Field("NoScrollOnPartialRow", &M::NoScrollOnPartialRow, false),
        Field("AutoSizeColOnDblClick", &M::AutoSizeColOnDblClick, true),
        {"EditOnDblClickOnly", [](const M& m) { return m.EditOnDblClickOnly(); },
         [](M& m, bool v) { m.SetEditOnDblClickOnly(v); }, false},
        Field("DisjunctRowSelectNoCtrl", &M::DisjunctRowSelectNoCtrl, false),
    };
}

TEST(MouseActions, DefaultsAndTheCopyWithItsFourExclusions)
{
    const auto options = MouseOptions();
    TMouseActions fresh(nullptr);
    for (const auto& o : options) EXPECT_EQ(o.get(fresh), o.initial) << o.name;
    EXPECT_EQ(fresh.FixedRowsEdit, fceNone);
    EXPECT_EQ(fresh.FixedColsEdit, fceNone);
    EXPECT_EQ(fresh.FixedRowsEditor, fceEdit);
    EXPECT_EQ(fresh.FixedColsEditor, fceEdit);
    EXPECT_EQ(fresh.WheelIncrement, 0);
    EXPECT_EQ(fresh.WheelAction(), waMoveSelection);
    EXPECT_EQ(fresh.FixedComboValues()->Count(), 0);

    TMouseActions source(nullptr);
    // Hotmail selection also switches two others on, so it goes first and they are set after it.
    source.SetHotmailRowSelect(true);
    for (const auto& o : options) o.set(source, !o.initial);
    source.FixedRowsEdit = fceDblClick;
    source.FixedColsEdit = fceRightClick;
    source.FixedRowsEditor = fceComboList;
    source.FixedColsEditor = fceComboEdit;
    source.WheelIncrement = 3;
    source.SetWheelAction(waScroll);
    source.FixedComboValues()->Add(u"a");
    TMouseActions target(nullptr);
    int events = 0;
    target.OnChange = target.OnInvalidate = target.OnDisableEdit = [&](TObject*) { ++events; };
    target.Assign(&source);
    const std::vector<std::string> excluded = {"EditOnDblClickOnly", "HotmailRowSelect", "SizeFixedRow"};
    for (const auto& o : options) {
        const bool copied = std::find(excluded.begin(), excluded.end(), o.name) == excluded.end();
        EXPECT_EQ(o.get(target), copied ? !o.initial : o.initial) << o.name;
    }
    EXPECT_EQ(target.FixedRowsEdit, fceDblClick);
    EXPECT_EQ(target.FixedColsEdit, fceRightClick);
    EXPECT_EQ(target.FixedRowsEditor, fceComboList);
    EXPECT_EQ(target.FixedColsEditor, fceComboEdit);
    EXPECT_EQ(target.WheelIncrement, 3);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_EQ(target.FixedComboValues()->Count(), 0);
    EXPECT_EQ(events, 0);
}

TEST(MouseActions, OptionRulesAndTheirNotifications)
{
    TMouseActions m(nullptr);
    std::vector<std::string> log;
    m.OnChange = [&](TObject*) { log.push_back("change"); };
    m.OnInvalidate = [&](TObject*) { log.push_back("invalidate"); };
    m.OnDisableEdit = [&](TObject*) { log.push_back("disable edit"); };

    m.SetWheelAction(waMoveSelection);
    m.SetWheelAction(waScroll);
    m.SetEditOnDblClickOnly(false);
    m.SetEditOnDblClickOnly(true);
    m.SetHotmailRowSelect(false);
    EXPECT_FALSE(m.DisjunctRowSelect());
    m.SetHotmailRowSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck);
    EXPECT_EQ(log, (std::vector<std::string>{"change", "disable edit", "invalidate", "invalidate"}));

    TStringList values;
    values.Add(u"one");
    values.Add(u"two");
    m.SetFixedComboValues(&values);
    values.Clear();
    EXPECT_EQ(m.FixedComboValues()->Count(), 2);  // a copy
    m.SetDisjunctRowSelectDirect(false);
    EXPECT_FALSE(m.DisjunctRowSelect());
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyInTheDesigner)
{
    for (bool designing : {false, true}) {
        TMouseActions m(nullptr);
        m.OnIsDesigning = [&](TObject*, bool& Answer) { Answer = designing; };
        m.SetDisjunctRowSelect(true);
        m.SetDisjunctColSelect(true);
        m.SetDisjunctCellSelect(true);
        EXPECT_EQ(m.DisjunctRowSelect(), !designing);
        EXPECT_EQ(m.DisjunctColSelect(), !designing);
        EXPECT_TRUE(m.DisjunctCellSelect());
        m.SetDisjunctColSelect(true);
        EXPECT_EQ(m.DisjunctCellSelect(), !designing);
        EXPECT_EQ(m.DisjunctRowSelect(), !designing);
        // Switching one off leaves the others.
        m.SetDisjunctColSelect(false);
        EXPECT_FALSE(m.DisjunctColSelect());
        EXPECT_EQ(m.DisjunctCellSelect(), !designing);
    }
}

// --- TSearchFooter -----------------------------------------------------------------------------

TEST(SearchFooter, DefaultsWithAndWithoutDesignTexts)
{
    TSearchFooter plain(nullptr, false);
    EXPECT_FALSE(plain.Visible());
    EXPECT_EQ(plain.Color(), TColor(0xFFFFFF));
    EXPECT_EQ(plain.ColorTo(), TColor(0xFF00000F));
    EXPECT_NE(plain.Font(), nullptr);
    for (bool shown : {plain.ShowFindNext(), plain.ShowFindPrev(), plain.ShowClose(), plain.ShowHighLight(),
                       plain.ShowMatchCase(), plain.AutoSearch})
        EXPECT_TRUE(shown);
    EXPECT_FALSE(plain.AlwaysHighLight);
    EXPECT_FALSE(plain.SearchActiveColumnOnly);
    EXPECT_EQ(plain.SearchColumn, -1);
    EXPECT_FALSE(plain.SearchMatchStart);
    EXPECT_FALSE(plain.SearchFixedCells);
    EXPECT_FALSE(plain.SearchHiddenRows);
    EXPECT_EQ(plain.SearchDirection, sdTopBottom);
    EXPECT_FALSE(plain.AutoThemeAdapt());
    EXPECT_TRUE(plain.LastSearch.empty());
    for (const String& text :
         {plain.FindNextCaption(), plain.FindPrevCaption(), plain.MatchCaseCaption(), plain.HighLightCaption(),
          plain.HintClose(), plain.HintFindNext(), plain.HintFindPrev(), plain.HintHighlight()})
        EXPECT_TRUE(text.empty());

    TSearchFooter designed(nullptr, true);
    EXPECT_EQ(designed.FindPrevCaption(), u"Find &previous");
    EXPECT_EQ(designed.FindNextCaption(), u"Find &next");
    EXPECT_EQ(designed.MatchCaseCaption(), u"Match case");
    EXPECT_EQ(designed.HighLightCaption(), u"Highlight");
    EXPECT_EQ(designed.HintClose(), u"Close");
    EXPECT_EQ(designed.HintFindNext(), u"Find next occurrence");
    EXPECT_EQ(designed.HintFindPrev(), u"Find previous occurrence");
    EXPECT_EQ(designed.HintHighlight(), u"Highlight occurrences");
}

TEST(SearchFooter, WhichSettersReportEverySetAndWhichOnlyAChange)
{
    struct Case {
        const char* what;
        std::function<void(TSearchFooter&)> setSame;  // to the value it already has
        bool fires;
    };
    TFont font;
    const Case cases[] = {
        {"Visible", [](TSearchFooter& s) { s.SetVisible(false); }, false},
        {"ShowFindNext", [](TSearchFooter& s) { s.SetShowFindNext(true); }, false},
        {"ShowFindPrev", [](TSearchFooter& s) { s.SetShowFindPrev(true); }, false},
        {"ShowHighLight", [](TSearchFooter& s) { s.SetShowHighLight(true); }, false},
        {"ShowMatchCase", [](TSearchFooter& s) { s.SetShowMatchCase(true); }, false},
        {"Color", [](TSearchFooter& s) { s.SetColor(0xFFFFFF); }, true},
        {"ColorTo", [](TSearchFooter& s) { s.SetColorTo(TColor(0xFF00000F)); }, true},
        {"Font", [&](TSearchFooter& s) { s.SetFont(s.Font()); }, true},
        {"ShowClose", [](TSearchFooter& s) { s.SetShowClose(true); }, true},
        {"FindNextCaption", [](TSearchFooter& s) { s.SetFindNextCaption(u""); }, true},
        {"FindPrevCaption", [](TSearchFooter& s) { s.SetFindPrevCaption(u""); }, true},
        {"MatchCaseCaption", [](TSearchFooter& s) { s.SetMatchCaseCaption(u""); }, true},
        {"HighLightCaption", [](TSearchFooter& s) { s.SetHighLightCaption(u""); }, true},
        {"HintClose", [](TSearchFooter& s) { s.SetHintClose(u""); }, true},
        {"HintFindNext", [](TSearchFooter& s) { s.SetHintFindNext(u""); }, true},
        {"HintFindPrev", [](TSearchFooter& s) { s.SetHintFindPrev(u""); }, true},
        {"HintHighlight", [](TSearchFooter& s) { s.SetHintHighlight(u""); }, true},
        {"AutoThemeAdapt", [](TSearchFooter& s) { s.SetAutoThemeAdapt(false); }, true},
    };
    for (const Case& c : cases) {
        TSearchFooter s(nullptr, false);
        int events = 0;
        s.OnChange = [&](TObject* Sender) {
            EXPECT_EQ(Sender, &s);
            ++events;
        };
        c.setSame(s);
        EXPECT_EQ(events, c.fires ? 1 : 0) << c.what;
    }
    TSearchFooter s(nullptr, false);
    int events = 0;
    s.OnChange = [&](TObject*) { ++events; };
    s.SetVisible(true);
    s.SetShowFindNext(false);
    s.SetShowFindPrev(false);
    s.SetShowHighLight(false);
    s.SetShowMatchCase(false);
    EXPECT_EQ(events, 5);
    font.SetSize(14);
    s.SetFont(&font);
    EXPECT_EQ(s.Font()->Size(), 14);
    EXPECT_NE(s.Font(), &font);
}

TEST(SearchFooter, AssignCopiesTheLookAndSearchRulesButNotTheRest)
{
    TSearchFooter source(nullptr, true);
    source.AlwaysHighLight = true;
    source.SetColor(clRed);
    source.SetColorTo(clLime);
    source.SetFindNextCaption(u"next");
    source.SetHintHighlight(u"hl");
    source.SetShowClose(false);
    source.SetShowFindNext(false);
    source.SetShowFindPrev(false);
    source.SetShowHighLight(false);
    source.SetShowMatchCase(false);
    source.SearchActiveColumnOnly = true;
    source.SearchMatchStart = true;
    source.SearchColumn = 4;
    source.SearchDirection = sdLeftRight;
    source.SearchHiddenRows = true;
    source.SetVisible(true);
    source.Font()->SetName(u"Courier New");
    // Not copied:
    source.AutoSearch = false;
    source.SearchFixedCells = true;
    source.SetAutoThemeAdapt(true);
    source.LastSearch = u"abc";

    TSearchFooter target(nullptr, false);
    int events = 0;
    target.OnChange = [&](TObject*) { ++events; };
    target.Assign(&source);
    EXPECT_TRUE(target.AlwaysHighLight);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clLime);
    EXPECT_EQ(target.FindNextCaption(), u"next");
    EXPECT_EQ(target.FindPrevCaption(), u"Find &previous");
    EXPECT_EQ(target.MatchCaseCaption(), u"Match case");
    EXPECT_EQ(target.HighLightCaption(), u"Highlight");
    EXPECT_EQ(target.HintClose(), u"Close");
    EXPECT_EQ(target.HintFindNext(), u"Find next occurrence");
    EXPECT_EQ(target.HintFindPrev(), u"Find previous occurrence");
    EXPECT_EQ(target.HintHighlight(), u"hl");
    EXPECT_FALSE(target.ShowClose());
    EXPECT_FALSE(target.ShowFindNext());
    EXPECT_FALSE(target.ShowFindPrev());
    EXPECT_FALSE(target.ShowHighLight());
    EXPECT_FALSE(target.ShowMatchCase());
    EXPECT_TRUE(target.SearchActiveColumnOnly);
    EXPECT_TRUE(target.SearchMatchStart);
    EXPECT_EQ(target.SearchColumn, 4);
    EXPECT_EQ(target.SearchDirection, sdLeftRight);
    EXPECT_TRUE(target.SearchHiddenRows);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.Font()->Name(), u"Courier New");
    EXPECT_TRUE(target.AutoSearch);
    EXPECT_FALSE(target.SearchFixedCells);
    EXPECT_FALSE(target.AutoThemeAdapt());
    EXPECT_TRUE(target.LastSearch.empty());
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(target.OnChange != nullptr);
}

// --- TSyncGrid ---------------------------------------------------------------------------------

// The settings only compare and keep grid references: addresses stand in for grids here.
TExtStringGrid* GridAt(char& Byte) { return reinterpret_cast<TExtStringGrid*>(&Byte); }

TEST(SyncGrid, TheOwnerIsRefusedAndAssignGoesThroughTheSetter)
{
    char ownerByte = 0, otherByte = 0, thirdByte = 0;
    TExtStringGrid* owner = GridAt(ownerByte);
    TExtStringGrid* other = GridAt(otherByte);
    TSyncGrid sync(owner);
    int links = 0;
    sync.OnGridChange = [&](TObject*) { ++links; };
    EXPECT_EQ(sync.Grid(), nullptr);
    for (bool flag : {sync.ScrollHorizontal, sync.ScrollVertical, sync.SelectionRow, sync.SelectionColumn, sync.MoveRow,
                      sync.MoveColumn})
        EXPECT_FALSE(flag);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(other);
    EXPECT_EQ(sync.Grid(), other);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), other);
    EXPECT_EQ(links, 1);

    // A source that follows this owner's grid: the grid is refused, the flags are copied.
    TSyncGrid source(GridAt(thirdByte));
    source.SetGrid(owner);
    source.ScrollHorizontal = source.ScrollVertical = source.SelectionRow = true;
    source.SelectionColumn = source.MoveRow = source.MoveColumn = true;
    sync.Assign(&source);
    EXPECT_EQ(sync.Grid(), other);
    for (bool flag : {sync.ScrollHorizontal, sync.ScrollVertical, sync.SelectionRow, sync.SelectionColumn, sync.MoveRow,
                      sync.MoveColumn})
        EXPECT_TRUE(flag);
    TSyncGrid third(GridAt(thirdByte));
    third.SetGrid(nullptr);
    sync.Assign(&third);
    EXPECT_EQ(sync.Grid(), nullptr);
    EXPECT_EQ(links, 2);
}

// --- TBands ------------------------------------------------------------------------------------

TEST(Bands, DefaultsAndTheRowColours)
{
    TBands b;
    EXPECT_FALSE(b.Active());
    EXPECT_FALSE(b.Print);
    EXPECT_EQ(b.PrimaryColor(), TColor(0xFF000018));
    EXPECT_EQ(b.SecondaryColor(), TColor(0xFF000005));
    EXPECT_EQ(b.PrimaryLength(), 1);
    EXPECT_EQ(b.SecondaryLength(), 1);
    EXPECT_EQ(b.TotalLength(), 2);
    b.SetPrimaryColor(clRed);
    b.SetSecondaryColor(clBlue);
    b.SetPrimaryLength(3);
    b.SetSecondaryLength(2);
    EXPECT_EQ(b.TotalLength(), 5);
    const TColor expected[] = {clRed, clRed, clRed, clBlue, clBlue, clRed, clRed, clRed, clBlue, clBlue, clRed};
    for (Integer row = 0; row < 11; ++row) EXPECT_EQ(b.RowColor(row), expected[row]) << row;
    b.SetPrimaryLength(0);
    b.SetSecondaryLength(0);
    EXPECT_EQ(b.RowColor(4), clNone);
}

TEST(Bands, ChangesAreReportedOnlyWhileActive)
{
    TBands b;
    int events = 0;
    b.OnChange = [&](TObject*) { ++events; };
    b.SetPrimaryColor(clRed);
    b.SetSecondaryLength(4);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(b.TotalLength(), 5);  // recomputed all the same
    b.SetActive(true);
    b.SetActive(true);
    EXPECT_EQ(events, 1);
    b.SetPrimaryColor(clRed);  // unchanged
    b.SetPrimaryLength(1);
    EXPECT_EQ(events, 1);
    b.SetPrimaryColor(clLime);
    b.SetSecondaryColor(clBlue);
    b.SetPrimaryLength(2);
    b.SetSecondaryLength(2);
    EXPECT_EQ(events, 5);
    b.Print = true;
    b.SetActive(false);
    EXPECT_EQ(events, 6);
}

TEST(Bands, AssignCopiesEverySettingAndTheTotal)
{
    TBands source;
    source.SetActive(true);
    source.Print = true;
    source.SetPrimaryColor(clRed);
    source.SetPrimaryLength(3);
    source.SetSecondaryColor(clBlue);
    source.SetSecondaryLength(4);
    TBands target;
    int events = 0;
    target.OnChange = [&](TObject*) { ++events; };
    target.Assign(&source);
    EXPECT_TRUE(target.Active());
    EXPECT_TRUE(target.Print);
    EXPECT_EQ(target.PrimaryColor(), clRed);
    EXPECT_EQ(target.PrimaryLength(), 3);
    EXPECT_EQ(target.SecondaryColor(), clBlue);
    EXPECT_EQ(target.SecondaryLength(), 4);
    EXPECT_EQ(target.TotalLength(), 7);
    EXPECT_EQ(events, 0);
}

// --- TFocusHelper ------------------------------------------------------------------------------

TEST(FocusHelper, EnabledIsOffAndCopiedOnlyFromItsOwnClass)
{
    TFocusHelper a, b;
    EXPECT_FALSE(a.Enabled);
    b.Enabled = true;
    a.Assign(&b);
    EXPECT_TRUE(a.Enabled);
    TBands other;
    a.Assign(&other);
    a.Assign(nullptr);
    EXPECT_TRUE(a.Enabled);
}

}  // namespace
}  // namespace gw
