// The sort settings: the saved sort text read and written, the setters that repaint or check,
// Remove, ToggleDirection and the copy rule.
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/assign_table.h"
#include "tests/grid/model/fake_settings_grid.h"

#include <gtest/gtest.h>

#include <optional>

namespace gw {
namespace {

using test::ExpectAssignTable;
using test::Member;
using test::Property;
using test::TFakeSettingsGrid;
using Log = std::vector<std::string>;

struct LoadRow {
    const char* Text;
    bool Raises;
    bool Show;
    bool IndexShow;
    TSortDirection Direction;
    Integer Column;
    const char16_t* Indexes;
    Log Calls;
};

// Each text loaded into settings that sort column 4 descending, with "u0" as the list.
TEST(SortSettings, LoadFromStringTable)
{
    const std::vector<LoadRow> rows = {
        {"", false, false, false, sdDescending, 4, u"u0", {}},
        {"u", true, true, false, sdDescending, 4, u"u0", {"Invalidate"}},
        {"u-1", false, true, false, sdAscending, -1, u"u0", {"Invalidate", "QSort"}},
        {"d2", false, true, false, sdDescending, 2, u"u0", {"Invalidate", "QSort"}},
        {"u2", false, true, false, sdAscending, 2, u"u0", {"Invalidate", "QSort"}},
        {"x2", false, true, false, sdDescending, 2, u"u0", {"Invalidate", "QSort"}},
        {"ua", false, true, false, sdAscending, 4, u"u0", {"Invalidate"}},
        {"i;", false, true, true, sdDescending, 4, u"u0", {"Invalidate"}},
        {"i;u1;d3", false, true, true, sdDescending, 4, u"u1;d3", {"Invalidate", "QSortIndexed"}},
        // A "u" anywhere makes it ascending, even when no column follows the first letter.
        {"du7", false, true, false, sdAscending, 4, u"u0", {"Invalidate"}},
        {"q7", false, true, false, sdDescending, 7, u"u0", {"Invalidate", "QSort"}},
        {"d12x", false, true, false, sdDescending, 4, u"u0", {"Invalidate"}},
    };
    for (const LoadRow& row : rows) {
        SCOPED_TRACE(row.Text);
        TFakeSettingsGrid grid;
        grid.Indexes.AddIndex(0, true);
        TSortSettings sort(&grid);
        sort.Column = 4;
        sort.Direction = sdDescending;
        const String text = Utf8ToString(row.Text);
        if (row.Raises) {
            try {
                sort.LoadFromString(text);
                ADD_FAILURE() << "no error";
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), u"Invalid sort settings specifier");
            }
        } else {
            sort.LoadFromString(text);
        }
        EXPECT_EQ(sort.Show(), row.Show);
        EXPECT_EQ(sort.IndexShow, row.IndexShow);
        EXPECT_EQ(sort.Direction, row.Direction);
        EXPECT_EQ(sort.Column, row.Column);
        EXPECT_EQ(grid.Indexes.SaveToString(), row.Indexes);
        EXPECT_EQ(grid.Log, row.Calls);
    }
}

TEST(SortSettings, LoadingTurnsAnIndexedSortOff)
{
    TFakeSettingsGrid grid;
    TSortSettings sort(&grid);
    sort.IndexShow = true;
    sort.LoadFromString(u"d1");
    EXPECT_FALSE(sort.IndexShow);
}

TEST(SortSettings, SaveToString)
{
    TFakeSettingsGrid grid;
    TSortSettings sort(&grid);
    EXPECT_EQ(sort.SaveToString(), u"u-1") << "a new grid is not sorted";
    sort.Column = 3;
    sort.Direction = sdDescending;
    EXPECT_EQ(sort.SaveToString(), u"d3");
    sort.IndexShow = true;
    EXPECT_EQ(sort.SaveToString(), u"i;");
    grid.Indexes.AddIndex(1, true);
    grid.Indexes.AddIndex(12, false);
    EXPECT_EQ(sort.SaveToString(), u"i;u1;d12");
}

TEST(SortSettings, WhatIsSavedLoadsBackTheSame)
{
    const std::vector<std::function<void(TSortSettings&, TSortIndexList&)>> states = {
        [](TSortSettings&, TSortIndexList&) {},
        [](TSortSettings& s, TSortIndexList&) {
            s.Column = 0;
            s.Direction = sdDescending;
        },
        [](TSortSettings& s, TSortIndexList&) { s.Column = 2147483647; },
        [](TSortSettings& s, TSortIndexList& l) {
            s.IndexShow = true;
            l.AddIndex(2, false);
            l.AddIndex(0, true);
        },
    };
    for (const auto& state : states) {
        TFakeSettingsGrid grid;
        TSortSettings sort(&grid);
        state(sort, grid.Indexes);
        const String saved = sort.SaveToString();
        SCOPED_TRACE(StringToUtf8(saved));
        TFakeSettingsGrid other;
        TSortSettings loaded(&other);
        loaded.LoadFromString(saved);
        EXPECT_EQ(loaded.SaveToString(), saved);
        EXPECT_EQ(loaded.Direction, sort.Direction);
        EXPECT_EQ(loaded.IndexShow, sort.IndexShow);
    }
}

TEST(SortSettings, ShowRepaintsTheGridWhenItChanges)
{
    TFakeSettingsGrid grid;
    TSortSettings sort(&grid);
    sort.SetShow(false);
    sort.SetShow(true);
    sort.SetShow(true);
    EXPECT_EQ(grid.Log, Log{"Invalidate"});
}

TEST(SortSettings, RowMustBeAFixedRow)
{
    TFakeSettingsGrid grid;
    grid.Fixed = 2;
    TSortSettings sort(&grid);
    sort.SetRow(1);
    EXPECT_EQ(sort.Row(), 1);
    sort.SetRow(0);
    EXPECT_EQ(sort.Row(), 0);
    const auto message = [&](Integer Row) -> std::optional<String> {
        try {
            sort.SetRow(Row);
        } catch (const Exception& e) {
            return e.Message();
        }
        return std::nullopt;
    };
    EXPECT_EQ(message(2), u"Sort row should be smaller than number of fixed rows");
    EXPECT_EQ(message(5), u"Sort row should be smaller than number of fixed rows");
    EXPECT_EQ(message(-1), u"Sort row should not be negative");
    EXPECT_EQ(sort.Row(), 0) << "the old value stays";
    grid.Fixed = 0;
    EXPECT_EQ(message(0), u"Sort row should be smaller than number of fixed rows");
}

TEST(SortSettings, HeaderColoursRepaintTheLastFixedRowWhenTheyChange)
{
    const std::vector<std::pair<void (TSortSettings::*)(TColor), TColor (TSortSettings::*)() const>> colours = {
        {&TSortSettings::SetHeaderColor, &TSortSettings::HeaderColor},
        {&TSortSettings::SetHeaderColorTo, &TSortSettings::HeaderColorTo},
        {&TSortSettings::SetHeaderMirrorColor, &TSortSettings::HeaderMirrorColor},
        {&TSortSettings::SetHeaderMirrorColorTo, &TSortSettings::HeaderMirrorColorTo},
    };
    for (auto [set, get] : colours) {
        TFakeSettingsGrid grid;
        grid.Fixed = 3;
        TSortSettings sort(&grid);
        (sort.*set)(clNone);
        (sort.*set)(0xFCF9F2);
        (sort.*set)(0xFCF9F2);
        EXPECT_EQ((sort.*get)(), 0xFCF9F2);
        EXPECT_EQ(grid.Log, Log{"RepaintRow 2"});
        grid.Fixed = 0;
        (sort.*set)(clRed);
        EXPECT_EQ(grid.Log, Log{"RepaintRow 2"}) << "no fixed row to repaint";
        EXPECT_EQ((sort.*get)(), clRed);
    }
}

TEST(SortSettings, RemoveUnsortsAndRepaintsTheHeaderRow)
{
    TFakeSettingsGrid grid;
    grid.Fixed = 2;
    grid.Indexes.AddIndex(3, true);
    TSortSettings sort(&grid);
    sort.Column = 3;
    sort.Remove();
    EXPECT_EQ(sort.Column, -1);
    EXPECT_EQ(grid.Indexes.Count(), 0);
    EXPECT_EQ(grid.Log, Log{"RepaintRow 1"});
}

TEST(SortSettings, ToggleDirectionFlipsAndDoesNothingElse)
{
    TFakeSettingsGrid grid;
    TSortSettings sort(&grid);
    sort.ToggleDirection();
    EXPECT_EQ(sort.Direction, sdDescending);
    sort.ToggleDirection();
    EXPECT_EQ(sort.Direction, sdAscending);
    EXPECT_EQ(grid.Log, Log{});
}

TEST(SortSettings, AssignCopiesEveryPublishedValueWithoutRepaintOrCheck)
{
    using S = TSortSettings;
    TFakeSettingsGrid grid;
    grid.Fixed = 5;
    const auto glyph = [](const char* Name, TBitmap* (S::*Get)() const) {
        return test::AssignCase<S>{Name, [Get](S& s) { (s.*Get)()->SetSize(4, 4); },
                                   [Get](const S& a, const S& b) { return (a.*Get)()->Width() == (b.*Get)()->Width(); },
                                   true};
    };
    ExpectAssignTable<S>(
        [&] { return std::make_unique<S>(&grid); },
        {
            Member<S>("AutoSortForGrouping", &S::AutoSortForGrouping, false, true),
            Member<S>("AutoColumnMerge", &S::AutoColumnMerge, true, true),
            Member<S>("Column", &S::Column, 3, true),
            Property<S>("Show", &S::Show, &S::SetShow, true, true),
            Member<S>("IndexShow", &S::IndexShow, true, true),
            Member<S>("IndexColor", &S::IndexColor, clRed, true),
            Member<S>("IndexSortKey", &S::IndexSortKey, ikCtrl, true),
            Member<S>("Full", &S::Full, false, true),
            Member<S>("SingleColumn", &S::SingleColumn, true, true),
            Member<S>("IgnoreBlanks", &S::IgnoreBlanks, true, true),
            Member<S>("BlankPos", &S::BlankPos, blLast, true),
            Member<S>("AutoFormat", &S::AutoFormat, false, true),
            Member<S>("Direction", &S::Direction, sdDescending, true),
            glyph("UpGlyph", &S::UpGlyph),
            glyph("DownGlyph", &S::DownGlyph),
            Member<S>("IgnoreCase", &S::IgnoreCase, true, true),
            glyph("IndexUpGlyph", &S::IndexUpGlyph),
            glyph("IndexDownGlyph", &S::IndexDownGlyph),
            Member<S>("InitSortDirection", &S::InitSortDirection, sdDescending, true),
            Member<S>("FixedCols", &S::FixedCols, true, true),
            Member<S>("NormalCellsOnly", &S::NormalCellsOnly, true, true),
            Property<S>("Row", &S::Row, &S::SetRow, 4, true),
            Member<S>("UndoSort", &S::UndoSort, true, true),
            Member<S>("SortOnVirtualCells", &S::SortOnVirtualCells, false, true),
            Property<S>("HeaderColor", &S::HeaderColor, &S::SetHeaderColor, clRed, true),
            Property<S>("HeaderColorTo", &S::HeaderColorTo, &S::SetHeaderColorTo, clRed, true),
            Property<S>("HeaderMirrorColor", &S::HeaderMirrorColor, &S::SetHeaderMirrorColor, clRed, true),
            Property<S>("HeaderMirrorColorTo", &S::HeaderMirrorColorTo, &S::SetHeaderMirrorColorTo, clRed, true),
        });
    TFakeSettingsGrid quiet;
    quiet.Fixed = 1;
    S source(&grid);
    source.SetRow(4);
    source.SetShow(true);
    source.SetHeaderColor(clRed);
    S target(&quiet);
    target.Assign(&source);
    EXPECT_EQ(target.Row(), 4) << "copied without the fixed-row check";
    EXPECT_EQ(quiet.Log, Log{});
    TBitmap other;
    target.Assign(&other);
    EXPECT_EQ(target.Row(), 4);
}

}  // namespace
}  // namespace gw
