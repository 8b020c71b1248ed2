// A string grid for the clipboard tests: four data columns and five data rows under one fixed
// row and column, editing on, the clipboard's steps and state reachable, the marks it is asked
// for noted.
#pragma once

#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {

class TClipGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FClipLastOp;
    using TExtStringGrid::FClipTopLeft;
    using TExtStringGrid::FEditDisable;
    using TExtStringGrid::NormalizeMergedSelection;
    using TExtStringGrid::PasteClipboardAt;
    using TExtStringGrid::PasteTextAt;
    using TExtStringGrid::SelectionToText;
    using TExtStringGrid::TExtStringGrid;

    struct TMark {
        TPoint From;
        TGridRect R;
        TClipOperation Operation;
    };
    std::vector<TMark> Marks;
    std::vector<std::string> Hooks;

protected:
    void MarkPastedRowsModified(TPoint SourceTopLeft, const TGridRect& R, TClipOperation Operation) override
    {
        Marks.push_back({SourceTopLeft, R, Operation});
        TExtStringGrid::MarkPastedRowsModified(SourceTopLeft, R, Operation);
    }
    void PasteStarting() override { Hooks.push_back("starting"); }
    void PasteFinished() override { Hooks.push_back("finished"); }
    void ExportNotification(TGridExportState AState, Integer ARow) override
    {
        Hooks.push_back("export " + std::to_string(AState) + " " + std::to_string(ARow));
    }
    void ImportNotification(TGridImportState AState, Integer ARow) override
    {
        Hooks.push_back("import " + std::to_string(AState) + " " + std::to_string(ARow));
    }
};

class ClipboardGridTest : public ::testing::Test {
protected:
    ClipboardGridTest()
    {
        g.SetColCount(5);
        g.SetRowCount(6);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        g.SetOptions(g.Options() | goEditing | goRangeSelect);
        Clipboard()->Clear();
    }

    // Rows from Top to Bottom of columns Left to Right, cells joined by "|", rows by "/".
    std::string Cells(Integer Left, Integer Top, Integer Right, Integer Bottom)
    {
        std::string s;
        for (Integer r = Top; r <= Bottom; ++r) {
            if (r > Top) s += "/";
            for (Integer c = Left; c <= Right; ++c) s += (c > Left ? "|" : "") + StringToUtf8(g.GetCellEx(c, r));
        }
        return s;
    }
    void Fill(Integer Left, Integer Top, Integer Right, Integer Bottom, const char* Prefix = "")
    {
        for (Integer r = Top; r <= Bottom; ++r)
            for (Integer c = Left; c <= Right; ++c)
                g.SetCellEx(c, r, Utf8ToString(Prefix + std::to_string(c) + std::to_string(r)));
    }
    void Select(Integer Left, Integer Top, Integer Right, Integer Bottom) { g.SetSelection({Left, Top, Right, Bottom}); }
    static std::string Text() { return StringToUtf8(Clipboard()->AsText()); }

    THarness h;
    TClipGrid g{nullptr};
};

}  // namespace gw::test
