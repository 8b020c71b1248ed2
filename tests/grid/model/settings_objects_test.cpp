// The grid's settings objects: the filter conditions and their operations, what each setter
// repaints, registers or reports, the Assign tables, and the change notifiers.
#include "grid/model/background.h"
#include "grid/model/balloon_settings.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/drag_scroll_options.h"
#include "grid/model/filter.h"
#include "grid/model/filter_drop_down.h"
#include "grid/model/grid_change_notifier.h"
#include "grid/model/grouping.h"
#include "grid/model/progress_appearance.h"
#include "grid/model/show_modified.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "tests/grid/model/assign_table.h"
#include "tests/grid/model/fake_settings_grid.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using test::ExpectAssignTable;
using test::Member;
using test::Property;
using test::TFakeSettingsGrid;
using Log = std::vector<std::string>;

// --- TFilter -----------------------------------------------------------------------------------

std::vector<std::pair<Integer, TFilterOperation>> Conditions(const TFilter& Filter)
{
    std::vector<std::pair<Integer, TFilterOperation>> r;
    for (Integer i = 0; i < Filter.Count(); ++i) r.emplace_back(Filter.Items(i)->Column, Filter.Items(i)->Operation);
    return r;
}

TEST(Filter, TheFirstConditionStandsAloneAndLaterOnesJoinWithAnd)
{
    TFilter filter(nullptr);
    filter.Add()->Column = 1;
    filter.Add()->Column = 2;
    filter.Add()->Column = 3;
    EXPECT_EQ(Conditions(filter),
              (std::vector<std::pair<Integer, TFilterOperation>>{{1, foNONE}, {2, foAND}, {3, foAND}}));
}

TEST(Filter, ColumnFilterIsFoundOrAdded)
{
    TFilter filter(nullptr);
    TFilterData* first = filter.GetColFilter(4);
    EXPECT_EQ(first->Column, 4);
    EXPECT_EQ(first->Operation, foNONE);
    EXPECT_EQ(filter.GetColFilter(4), first);
    TFilterData* second = filter.GetColFilter(6);
    EXPECT_EQ(second->Operation, foAND);
    EXPECT_EQ(filter.Count(), 2);
    EXPECT_TRUE(filter.HasFilter(6));
    EXPECT_FALSE(filter.HasFilter(5));
}

TEST(Filter, RemoveColumnFilterRemovesEveryConditionOfTheColumnAndRepaintsItsHeader)
{
    TFakeSettingsGrid grid;
    TFilter filter(&grid);
    for (Integer column : {2, 5, 2, 7, 2}) filter.Add()->Column = int16_t(column);
    filter.RemoveColumnFilter(2);
    EXPECT_EQ(Conditions(filter), (std::vector<std::pair<Integer, TFilterOperation>>{{5, foAND}, {7, foAND}}));
    EXPECT_EQ(grid.Log, Log{"RepaintCell 2,0"});
    filter.RemoveColumnFilter(9);
    EXPECT_EQ(grid.Log, (Log{"RepaintCell 2,0", "RepaintCell 9,0"}));
    TFilter alone(nullptr);
    alone.Add()->Column = 1;
    EXPECT_NO_THROW(alone.RemoveColumnFilter(1));
    EXPECT_EQ(alone.Count(), 0);
}

TEST(Filter, InsertPutsAConditionAtItsPlaceWithoutAnOperation)
{
    TFilter filter(nullptr);
    filter.Add()->Column = 1;
    filter.Add()->Column = 3;
    filter.Insert(1)->Column = 2;
    EXPECT_EQ(Conditions(filter),
              (std::vector<std::pair<Integer, TFilterOperation>>{{1, foNONE}, {2, foSHORT}, {3, foAND}}));
    EXPECT_THROW(filter.Insert(4), EListError);
    EXPECT_THROW(filter.Insert(-1), EListError);
}

TEST(Filter, OwnerIsTheGrid)
{
    TFakeSettingsGrid grid;
    TFilter filter(&grid);
    EXPECT_EQ(filter.GetOwner(), static_cast<TPersistent*>(&grid));
    EXPECT_EQ(filter.Add()->GetOwner(), &filter);
}

TEST(FilterData, AssignCopiesAllButTheMethod)
{
    TFilter filter(nullptr);
    const auto make = [&] { return std::unique_ptr<TFilterData>(filter.Add()); };
    using D = TFilterData;
    ExpectAssignTable<D>(make,
                         {
                             Member<D>("Column", &D::Column, 3, true),
                             Member<D>("Condition", &D::Condition, u">5", true),
                             Member<D>("CaseSensitive", &D::CaseSensitive, false, true),
                             Member<D>("Data", &D::Data, fcStripHTML, true),
                             Member<D>("Prefix", &D::Prefix, u"$", true),
                             Member<D>("Suffix", &D::Suffix, u"%", true),
                             Member<D>("Operation", &D::Operation, foXOR, true),
                             Member<D>("Method", &D::Method, fmLiteral, false),
                         });
    TFilterData* condition = filter.Add();
    TGrouping grouping;
    EXPECT_THROW(condition->Assign(&grouping), EInvalidCast);
    EXPECT_THROW(condition->Assign(nullptr), EInvalidCast);
}

TEST(Filter, AssignCopiesTheConditions)
{
    TFilter source(nullptr);
    source.Add()->Condition = u"a*";
    source.Add()->Column = 4;
    TFilter target(nullptr);
    target.Add();
    target.Add();
    target.Add();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Items(0)->Condition, u"a*");
    EXPECT_EQ(target.Items(1)->Column, 4);
    EXPECT_EQ(target.Items(1)->Operation, foAND);
}

// --- TBackGround -------------------------------------------------------------------------------

TEST(BackGround, EverySetterRepaintsTheGrid)
{
    const std::vector<std::pair<const char*, std::function<void(TBackGround&)>>> setters = {
        {"Top", [](TBackGround& b) { b.SetTop(3); }},
        {"Left", [](TBackGround& b) { b.SetLeft(4); }},
        {"Display", [](TBackGround& b) { b.SetDisplay(bdGradientVert); }},
        {"Cells", [](TBackGround& b) { b.SetCells(bcAll); }},
        {"Color", [](TBackGround& b) { b.SetColor(clRed); }},
        {"ColorTo", [](TBackGround& b) { b.SetColorTo(clBlue); }},
        {"Bitmap",
         [](TBackGround& b) {
             TBitmap picture(5, 6);
             b.SetBitmap(&picture);
             EXPECT_EQ(b.Bitmap()->Height(), 6);
         }},
        {"same value", [](TBackGround& b) { b.SetTop(0); }},
    };
    for (const auto& [name, set] : setters) {
        SCOPED_TRACE(name);
        TFakeSettingsGrid grid;
        TBackGround background(&grid);
        set(background);
        EXPECT_EQ(grid.Log, Log{"Invalidate"});
    }
}

// --- TGrouping ---------------------------------------------------------------------------------

TEST(Grouping, AssignKeepsSummaryAndTheLines)
{
    using G = TGrouping;
    ExpectAssignTable<G>([] { return std::make_unique<G>(); },
                         {
                             Member<G>("AutoSelectGroup", &G::AutoSelectGroup, true, true),
                             Member<G>("AutoCheckGroup", &G::AutoCheckGroup, true, true),
                             Member<G>("GroupCountFormat", &G::GroupCountFormat, u"(%d)", true),
                             Member<G>("HeaderColor", &G::HeaderColor, clRed, true),
                             Member<G>("HeaderColorTo", &G::HeaderColorTo, clRed, true),
                             Member<G>("HeaderTextColor", &G::HeaderTextColor, clRed, true),
                             Member<G>("HeaderUnderline", &G::HeaderUnderline, true, true),
                             Member<G>("HeaderLineColor", &G::HeaderLineColor, clRed, false),
                             Member<G>("HeaderLineWidth", &G::HeaderLineWidth, 5, false),
                             Member<G>("MergeHeader", &G::MergeHeader, true, true),
                             Member<G>("MergeSummary", &G::MergeSummary, true, true),
                             Member<G>("ShowGroupCount", &G::ShowGroupCount, true, true),
                             Member<G>("Summary", &G::Summary, true, false),
                             Member<G>("SummaryColor", &G::SummaryColor, clRed, true),
                             Member<G>("SummaryColorTo", &G::SummaryColorTo, clRed, true),
                             Member<G>("SummaryTextColor", &G::SummaryTextColor, clRed, true),
                             Member<G>("SummaryLine", &G::SummaryLine, true, true),
                             Member<G>("SummaryLineColor", &G::SummaryLineColor, clRed, false),
                             Member<G>("SummaryLineWidth", &G::SummaryLineWidth, 5, false),
                         });
    TGrouping grouping;
    TShowModified other;
    EXPECT_NO_THROW(grouping.Assign(&other));
}

// --- TDragDropSettings -------------------------------------------------------------------------

TEST(DragDropSettings, DropTargetRegistersAndRevokesWhatSucceeded)
{
    struct Row {
        const char* Name;
        bool RegisterSucceeds;
        std::vector<bool> Values;
        Log Expected;
        bool RegisteredAfter;
    };
    const std::vector<Row> rows = {
        {"on", true, {true}, {"RegisterDropTarget"}, true},
        {"on then off", true, {true, false}, {"RegisterDropTarget", "RevokeDropTarget"}, false},
        {"failed registration is not revoked", false, {true, false}, {"RegisterDropTarget"}, false},
        {"on twice registers once", true, {true, true}, {"RegisterDropTarget"}, true},
        {"off when never on", true, {false}, {}, false},
        {"off twice revokes once", true, {true, false, false}, {"RegisterDropTarget", "RevokeDropTarget"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TFakeSettingsGrid grid;
        grid.RegisterSucceeds = row.RegisterSucceeds;
        TDragDropSettings settings(&grid);
        for (bool v : row.Values) settings.SetOleDropTarget(v);
        EXPECT_EQ(grid.Log, row.Expected);
        EXPECT_EQ(settings.OleDropTarget(), row.Values.back());
        EXPECT_EQ(settings.DropTargetRegistered(), row.RegisteredAfter);
    }
}

TEST(DragDropSettings, NothingIsRegisteredWhileDesigning)
{
    TFakeSettingsGrid grid;
    grid.SetDesigning(true);
    TDragDropSettings settings(&grid);
    settings.SetOleDropTarget(true);
    EXPECT_TRUE(settings.OleDropTarget());
    EXPECT_EQ(grid.Log, Log{});
}

TEST(DragDropSettings, RichTextAcceptanceIsPassedOnBeforeItIsStored)
{
    TFakeSettingsGrid grid;
    TDragDropSettings settings(&grid);
    std::vector<bool> storedWhenPassed;
    grid.OnRtfFlag = [&](bool) { storedWhenPassed.push_back(settings.OleDropRTF()); };
    settings.SetOleDropRTF(true);
    settings.SetOleDropRTF(false);
    EXPECT_EQ(grid.Log, (Log{"OleRtfAccept 1", "OleRtfAccept 0"}));
    EXPECT_EQ(storedWhenPassed, (std::vector<bool>{false, true}));
    EXPECT_FALSE(settings.OleDropRTF());
}

TEST(DragDropSettings, AssignCopiesAllFlagsWithoutRegistering)
{
    using D = TDragDropSettings;
    TFakeSettingsGrid grid;
    const auto make = [&] { return std::make_unique<D>(&grid); };
    ExpectAssignTable<D>(make,
                         {
                             Member<D>("ShowCells", &D::ShowCells, false, true),
                             Member<D>("OleAcceptFiles", &D::OleAcceptFiles, false, true),
                             Member<D>("OleAcceptText", &D::OleAcceptText, false, true),
                             Member<D>("OleAcceptURLs", &D::OleAcceptURLs, false, true),
                             Member<D>("OleAppendRows", &D::OleAppendRows, true, true),
                             Member<D>("OleColumnDragDrop", &D::OleColumnDragDrop, true, true),
                             Member<D>("OleColumnReorder", &D::OleColumnReorder, true, true),
                             Member<D>("OleColumnsOnly", &D::OleColumnsOnly, true, true),
                             Member<D>("OleCopyAlways", &D::OleCopyAlways, true, true),
                             Property<D>("OleDropTarget", &D::OleDropTarget, &D::SetOleDropTarget, true, true),
                             Member<D>("OleDropSource", &D::OleDropSource, true, true),
                             Member<D>("OleEntireRows", &D::OleEntireRows, true, true),
                             Member<D>("OleInsertRows", &D::OleInsertRows, true, true),
                             Member<D>("OleRemoveRows", &D::OleRemoveRows, true, true),
                             Property<D>("OleDropRTF", &D::OleDropRTF, &D::SetOleDropRTF, true, true),
                         });
    TFakeSettingsGrid quiet;
    D source(nullptr);
    source.SetOleDropTarget(true);
    source.SetOleDropRTF(true);
    D target(&quiet);
    target.Assign(&source);
    EXPECT_EQ(quiet.Log, Log{});
    EXPECT_FALSE(target.DropTargetRegistered());
}

// --- TBalloonSettings --------------------------------------------------------------------------

TEST(BalloonSettings, EnableReportsEverySet)
{
    TBalloonSettings balloon;
    std::vector<bool> seen;
    balloon.OnEnableChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &balloon);
        seen.push_back(balloon.Enable());
    };
    balloon.SetEnable(true);
    balloon.SetEnable(true);
    balloon.SetEnable(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, true, false}));
}

TEST(BalloonSettings, AssignCopiesColoursDelaysAndTheSwitchQuietlyButNotTransparency)
{
    using B = TBalloonSettings;
    ExpectAssignTable<B>([] { return std::make_unique<B>(); },
                         {
                             Member<B>("AutoHideDelay", &B::AutoHideDelay, 900, true),
                             Member<B>("BackgroundColor", &B::BackgroundColor, clInfoBk, true),
                             Property<B>("Enable", &B::Enable, &B::SetEnable, true, true),
                             Member<B>("InitialDelay", &B::InitialDelay, 100, true),
                             Member<B>("ReshowDelay", &B::ReshowDelay, 200, true),
                             Member<B>("TextColor", &B::TextColor, clInfoText, true),
                             Member<B>("Transparency", &B::Transparency, 128, false),
                         });
    B source;
    source.SetEnable(true);
    B target;
    bool fired = false;
    target.OnEnableChange = [&](TObject*) { fired = true; };
    target.Assign(&source);
    EXPECT_TRUE(target.Enable());
    EXPECT_FALSE(fired);
}

// --- TShowModified -----------------------------------------------------------------------------

TEST(ShowModified, ColourReportsAndAssignCopiesBoth)
{
    TShowModified marker;
    Integer changes = 0;
    marker.OnChange = [&](TObject*) { ++changes; };
    marker.SetColor(clRed);
    marker.SetColor(clRed);
    marker.Enabled = true;
    EXPECT_EQ(changes, 2);
    using M = TShowModified;
    ExpectAssignTable<M>([] { return std::make_unique<M>(); },
                         {
                             Member<M>("Enabled", &M::Enabled, true, true),
                             Property<M>("Color", &M::Color, &M::SetColor, clRed, true),
                         });
}

// --- TDragScrollOptions ------------------------------------------------------------------------

TEST(DragScrollOptions, AssignCopiesActiveDelaysAndMargins)
{
    using O = TDragScrollOptions;
    const auto field = [](const char* Name, auto Change, auto Read) {
        return test::AssignCase<O>{Name, Change, [Read](const O& a, const O& b) { return Read(a) == Read(b); }, true};
    };
    ExpectAssignTable<O>([] { return std::make_unique<O>(); },
                         {
                             Member<O>("Active", &O::Active, true, true),
                             field(
                                 "InitialDelay", [](O& o) { o.Delays()->InitialDelay = 10; },
                                 [](const O& o) { return o.Delays()->InitialDelay; }),
                             field(
                                 "RepeatDelay", [](O& o) { o.Delays()->RepeatDelay = 11; },
                                 [](const O& o) { return o.Delays()->RepeatDelay; }),
                             field(
                                 "TopMargin", [](O& o) { o.Margins()->TopMargin = 1; },
                                 [](const O& o) { return o.Margins()->TopMargin; }),
                             field(
                                 "BottomMargin", [](O& o) { o.Margins()->BottomMargin = 2; },
                                 [](const O& o) { return o.Margins()->BottomMargin; }),
                             field(
                                 "LeftMargin", [](O& o) { o.Margins()->LeftMargin = 3; },
                                 [](const O& o) { return o.Margins()->LeftMargin; }),
                             field(
                                 "RightMargin", [](O& o) { o.Margins()->RightMargin = 4; },
                                 [](const O& o) { return o.Margins()->RightMargin; }),
                         });
    O options;
    TDragScrollDelays* own = options.Delays();
    TDragScrollDelays delays;
    delays.RepeatDelay = 5;
    options.SetDelays(&delays);
    EXPECT_EQ(options.Delays(), own);
    EXPECT_EQ(options.Delays()->RepeatDelay, 5);
}

// --- TGridProgressAppearance -------------------------------------------------------------------

using P = TGridProgressAppearance;

// Each property with a value other than its default.
std::vector<test::AssignCase<P>> ProgressProperties()
{
    return {
        Property<P>("CompleteColor", &P::CompleteColor, &P::SetCompleteColor, clGreen, true),
        Property<P>("CompleteFontColor", &P::CompleteFontColor, &P::SetCompleteFontColor, clGreen, true),
        Property<P>("UnCompleteColor", &P::UnCompleteColor, &P::SetUnCompleteColor, clGreen, true),
        Property<P>("UnCompleteFontColor", &P::UnCompleteFontColor, &P::SetUnCompleteFontColor, clGreen, true),
        Property<P>("Level0Color", &P::Level0Color, &P::SetLevel0Color, clGreen, true),
        Property<P>("Level0ColorTo", &P::Level0ColorTo, &P::SetLevel0ColorTo, clGreen, true),
        Property<P>("Level1Color", &P::Level1Color, &P::SetLevel1Color, clGreen, true),
        Property<P>("Level1ColorTo", &P::Level1ColorTo, &P::SetLevel1ColorTo, clGreen, true),
        Property<P>("Level2Color", &P::Level2Color, &P::SetLevel2Color, clGreen, true),
        Property<P>("Level2ColorTo", &P::Level2ColorTo, &P::SetLevel2ColorTo, clGreen, true),
        Property<P>("Level3Color", &P::Level3Color, &P::SetLevel3Color, clGreen, true),
        Property<P>("Level3ColorTo", &P::Level3ColorTo, &P::SetLevel3ColorTo, clGreen, true),
        Property<P>("Level1Perc", &P::Level1Perc, &P::SetLevel1Perc, 50, true),
        Property<P>("Level2Perc", &P::Level2Perc, &P::SetLevel2Perc, 60, true),
        Property<P>("BorderColor", &P::BorderColor, &P::SetBorderColor, clGreen, true),
        Property<P>("ShowBorder", &P::ShowBorder, &P::SetShowBorder, true, true),
        Property<P>("Stacked", &P::Stacked, &P::SetStacked, true, true),
        Property<P>("ShowPercentage", &P::ShowPercentage, &P::SetShowPercentage, false, true),
        Property<P>("CompletionSmooth", &P::CompletionSmooth, &P::SetCompletionSmooth, false, true),
        Property<P>("ShowGradient", &P::ShowGradient, &P::SetShowGradient, false, true),
        Property<P>("Steps", &P::Steps, &P::SetSteps, 4, true),
        Member<P>("Style", &P::Style, psClassic, true),
    };
}

TEST(ProgressAppearance, SettersReportAChangeOnceAndTheSameValueNotAtAll)
{
    for (const auto& property : ProgressProperties()) {
        if (std::string(property.Field) == "Style") continue;  // a plain field
        SCOPED_TRACE(property.Field);
        P fresh;
        P progress;
        Integer changes = 0;
        progress.OnChange = [&](TObject*) { ++changes; };
        property.Change(progress);
        EXPECT_EQ(changes, 1);
        property.Change(progress);
        EXPECT_EQ(changes, 1) << "the value it already has";
        EXPECT_FALSE(property.Same(progress, fresh));
    }
}

TEST(ProgressAppearance, AssignCopiesEverythingAndReportsOnce)
{
    ExpectAssignTable<P>([] { return std::make_unique<P>(); }, ProgressProperties());
    P source;
    source.SetSteps(3);
    source.SetLevel1Perc(10);
    P target;
    Integer changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    TGrouping other;
    target.Assign(&other);
    EXPECT_EQ(changes, 1) << "another class is ignored";
}

// --- TFilterDropDown ---------------------------------------------------------------------------

TEST(FilterDropDown, GlyphChangesAreReported)
{
    TFilterDropDown dropDown;
    Integer changes = 0;
    dropDown.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &dropDown);
        ++changes;
    };
    TBitmap picture(8, 8);
    dropDown.SetGlyph(&picture);
    EXPECT_EQ(changes, 1);
    dropDown.GlyphActive()->SetSize(4, 4);
    EXPECT_EQ(changes, 2) << "a change on the bitmap itself";
    TFont font;
    font.SetName(u"Arial");
    dropDown.SetFont(&font);
    dropDown.Height = 10;
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dropDown.Font()->Name(), u"Arial");
}

TEST(FilterDropDown, AssignCopiesAllButAutoSize)
{
    using F = TFilterDropDown;
    ExpectAssignTable<F>(
        [] { return std::make_unique<F>(); },
        {
            Member<F>("AutoSize", &F::AutoSize, true, false),
            Member<F>("Color", &F::Color, clRed, true),
            Member<F>("ColumnWidth", &F::ColumnWidth, true, true),
            {"Font", [](F& f) { f.Font()->SetName(u"Arial"); },
             [](const F& a, const F& b) { return a.Font()->Name() == b.Font()->Name(); }, true},
            Member<F>("Height", &F::Height, 90, true),
            Member<F>("Width", &F::Width, 80, true),
            {"Glyph", [](F& f) { f.Glyph()->SetSize(3, 3); },
             [](const F& a, const F& b) { return a.Glyph()->Width() == b.Glyph()->Width(); }, true},
            {"GlyphActive", [](F& f) { f.GlyphActive()->SetSize(3, 3); },
             [](const F& a, const F& b) { return a.GlyphActive()->Width() == b.GlyphActive()->Width(); }, true},
        });
}

// --- TGridChangeNotifier -----------------------------------------------------------------------

class TRecordingNotifier : public TGridChangeNotifier {
public:
    TRecordingNotifier(std::vector<std::string>& Log, std::string Name)
        : TGridChangeNotifier(nullptr), m_log(Log), m_name(std::move(Name))
    {
    }
    void CellsChanged(const TGridRect& R) override
    {
        m_log.push_back(m_name + " " + std::to_string(R.Left) + "," + std::to_string(R.Top) + "-" +
                        std::to_string(R.Right) + "," + std::to_string(R.Bottom));
        if (OnChanged) OnChanged();
    }
    std::function<void()> OnChanged;

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

TEST(GridChangeNotifier, TheBaseDoesNothing)
{
    TGridChangeNotifier notifier(nullptr);
    EXPECT_NO_THROW(notifier.CellsChanged({1, 2, 3, 4}));
}

TEST(GridChangeNotifier, RegisteredNotifiersHearInOrderOnceEach)
{
    Log log;
    TRecordingNotifier a(log, "a"), b(log, "b");
    TGridChangeNotifiers list;
    list.RegisterNotifier(&b);
    list.RegisterNotifier(&a);
    list.RegisterNotifier(&b);
    EXPECT_EQ(list.Count(), 2);
    list.CellsChanged({1, 2, 3, 4});
    EXPECT_EQ(log, (Log{"b 1,2-3,4", "a 1,2-3,4"}));
    list.UnRegisterNotifier(&b);
    list.UnRegisterNotifier(&b);
    log.clear();
    list.CellsChanged({0, 0, 0, 0});
    EXPECT_EQ(log, Log{"a 0,0-0,0"});
}

TEST(GridChangeNotifier, AFreedNotifierLeavesTheList)
{
    Log log;
    TGridChangeNotifiers list;
    TRecordingNotifier kept(log, "kept");
    {
        TRecordingNotifier gone(log, "gone");
        list.RegisterNotifier(&gone);
        list.RegisterNotifier(&kept);
    }
    EXPECT_EQ(list.Count(), 1);
    list.CellsChanged({5, 5, 5, 5});
    EXPECT_EQ(log, Log{"kept 5,5-5,5"});
}

TEST(GridChangeNotifier, ANotifierUnregisteredDuringTheCallIsNotCalled)
{
    Log log;
    TGridChangeNotifiers list;
    TRecordingNotifier first(log, "first"), second(log, "second");
    first.OnChanged = [&] { list.UnRegisterNotifier(&second); };
    list.RegisterNotifier(&first);
    list.RegisterNotifier(&second);
    list.CellsChanged({0, 1, 0, 1});
    EXPECT_EQ(log, Log{"first 0,1-0,1"});
}

}  // namespace
}  // namespace gw
