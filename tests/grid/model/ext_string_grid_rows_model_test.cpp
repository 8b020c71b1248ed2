// Rows inserted, removed, hidden and cleared in random order against a plain model of the rows:
// after every step each side structure of the grid (cells by real column, cell objects by
// identity, heights, hidden-row items, modified, enabled and selected rows) matches the model,
// and no cell object is referenced twice, stored rows past the end included.
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/show_modified.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/ext_string_grid_rows_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace gw::test {
namespace {

constexpr Integer Cols = 6;  // real columns; column 3 is hidden
constexpr Integer DefaultHeight = 20;

struct TModelRow {
    std::vector<String> Texts = std::vector<String>(Cols);
    std::vector<const TCellProperties*> Objects = std::vector<const TCellProperties*>(Cols);
    Integer Height = DefaultHeight;
    bool Hidden = false;
};

// The rows in real order, and the per-row lists by the index each list uses.
struct TModel {
    std::vector<TModelRow> Rows;
    std::vector<Integer> Modified;
    std::vector<Integer> Enabled;
    std::vector<bool> Selected;

    size_t Shown(Integer Displayed) const
    {
        for (size_t i = 0; i < Rows.size(); ++i)
            if (!Rows[i].Hidden && Displayed-- == 0) return i;
        return Rows.size();
    }
    Integer ShownCount() const
    {
        Integer n = 0;
        for (const TModelRow& r : Rows) n += r.Hidden ? 0 : 1;
        return n;
    }
    void EraseShown(Integer At, Integer Count)
    {
        for (Integer i = 0; i < Count; ++i) Rows.erase(Rows.begin() + Integer(Shown(At)));
    }
    template <class L>
    static void EraseEntries(L& List, Integer At, Integer Count)
    {
        for (Integer i = 0; i < Count && At < Integer(List.size()); ++i) List.erase(List.begin() + At);
    }
    template <class L, class V>
    static void InsertEntries(L& List, Integer At, Integer Count, V Value)
    {
        if (At < Integer(List.size())) List.insert(List.begin() + At, Count, Value);
    }
};

class ExtStringGridRowsModel : public ::testing::TestWithParam<uint32_t> {
protected:
    ExtStringGridRowsModel()
    {
        g.SetDefaultRowHeight(DefaultHeight);
        g.SetColCount(Cols);
        g.SetRowCount(12);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        g.ShowModified()->Enabled = true;
        g.MouseActions()->SetDisjunctRowSelect(true);
        for (Integer r = 0; r < 12; ++r) {
            m.Rows.emplace_back();
            for (Integer c = 0; c < Cols; ++c) {
                const String text = Utf8ToString(std::to_string(r) + "." + std::to_string(c));
                g.SetGridCell(c, r, text);
                m.Rows[r].Texts[c] = text;
            }
            const Integer height = DefaultHeight + r;
            g.SetRowHeights(r, height);
            m.Rows[r].Height = height;
        }
        // Colours on a diagonal, a merge over two rows, and a hidden column.
        for (Integer r = 1; r < 12; r += 2) g.SetColors(1 + r % (Cols - 1), r, clRed);
        g.MergeCells(2, 4, 1, 2);
        for (Integer r = 0; r < 12; ++r)
            for (Integer c = 0; c < Cols; ++c) m.Rows[r].Objects[c] = g.GetGridObject(c, r);
        g.HideColumnForTest(3);
        // The row setter copies the rectangle into the row flags: the current row comes first.
        g.SetRowEx(1);
        for (const Integer r : {2, 5, 9}) {
            g.SetRowModified(r, true);
            g.SetRowEnabled(r, false);
            g.SetRowSelect(r, true);
        }
        m.Modified = m.Enabled = {0, 0, 1, 0, 0, 1, 0, 0, 0, 1};
        m.Selected = {false, true, true, false, false, true, false, false, false, true};  // the current row too
        Hide(7);
    }

    void Hide(Integer Row)
    {
        g.HideRowForTest(Row);
        m.Rows[m.Shown(Row)].Hidden = true;
        if (!g.MouseActions()->RowSelectPersistent) TModel::EraseEntries(m.Selected, Row, 1);
    }

    std::string Check()
    {
        std::string err;
        const auto fail = [&](const std::string& What) {
            if (err.empty()) err = What;
        };
        if (g.RowCount() != m.ShownCount()) fail("row count");
        std::set<const TObject*> seen;
        const auto once = [&](const TObject* O, const std::string& Where) {
            if (O && !seen.insert(O).second) fail("object referenced twice at " + Where);
        };
        Integer d = 0, hidden = 0;
        for (size_t i = 0; i < m.Rows.size(); ++i) {
            const TModelRow& row = m.Rows[i];
            const std::string where = "real row " + std::to_string(i);
            if (row.Hidden) {
                const TGridItem& item = g.FHiddenRows.Items(hidden++);
                if (item.Idx().Value() != Integer(i)) fail("hidden index of " + where);
                for (Integer c = 0; c < Cols; ++c) {
                    if (item.Items.Strings(c) != row.Texts[c]) fail("hidden text of " + where);
                    if (item.Items.Objects(c) != row.Objects[c]) fail("hidden object of " + where);
                    once(item.Items.Objects(c), where);
                }
                continue;
            }
            if (g.RowHeights(d) != row.Height) fail("height of " + where);
            for (Integer c = 0; c < Cols; ++c) {
                if (g.GetGridCell(c, d) != row.Texts[c]) fail("text of " + where + " col " + std::to_string(c));
                if (g.GetGridObject(c, d) != row.Objects[c]) fail("object of " + where + " col " + std::to_string(c));
                once(g.GetGridObject(c, d), where);
            }
            ++d;
        }
        if (g.NumHiddenRows() != hidden) fail("hidden row count");
        for (Integer r = g.RowCount(); r < g.RowCount() + 8; ++r)
            for (Integer c = 0; c < Cols; ++c)
                if (g.GetGridObject(c, r) || !g.GetGridCell(c, r).empty())
                    fail("stored row " + std::to_string(r) + " past the end not empty");
        for (Integer r = 0; r < 40; ++r) {
            if (g.GetRowModified(r) != (r < Integer(m.Modified.size()) && m.Modified[r] == 1)) fail("modified rows");
            if (g.GetRowEnabled(r) != !(r < Integer(m.Enabled.size()) && m.Enabled[r] == 1)) fail("enabled rows");
        }
        std::set<Integer> listed;
        for (Integer i = 0; i < g.SelectedRows()->Count(); ++i) listed.insert(g.SelectedRows()->GetInteger(i));
        std::set<Integer> flagged;
        for (Integer r = 0; r < Integer(m.Selected.size()); ++r)
            if (m.Selected[r] && r >= g.FixedRows()) flagged.insert(r);
        if (listed != flagged) fail("selected rows list");
        for (Integer r = 0; r < g.AllRowCount(); ++r)
            if (g.GetRowSelect(r) != (r < Integer(m.Selected.size()) && m.Selected[r])) fail("row flags");
        return err;
    }

    // One random step on both; returns its description.
    std::string Step(std::mt19937& Rng)
    {
        const auto pick = [&](Integer Lo, Integer Hi) { return std::uniform_int_distribution<Integer>(Lo, Hi)(Rng); };
        const Integer normal = g.RowCount() - g.FixedRows();
        const Integer at = pick(g.FixedRows(), g.RowCount());
        // Every removal keeps one normal row: with none left the selection would be hidden.
        const Integer removable = std::min(g.RowCount() - at, normal - 1);
        const Integer count = pick(1, 3);
        switch (pick(0, 5)) {
        case 0: {
            g.InsertRows(at, count, false);
            const size_t real = m.Shown(at);
            m.Rows.insert(m.Rows.begin() + Integer(real), count, TModelRow{});
            TModel::InsertEntries(m.Modified, at, count, 0);
            TModel::InsertEntries(m.Enabled, at, count, 0);
            TModel::InsertEntries(m.Selected, at, count, false);
            return "InsertRows(" + std::to_string(at) + ", " + std::to_string(count) + ")";
        }
        case 1:
        case 2: {
            if (removable <= 0) return "nothing";
            const Integer n = std::min(count, removable);
            const bool ex = pick(0, 1) == 1;
            const std::vector<Integer> heights = ShownHeights();
            if (ex)
                g.RemoveRowsEx(at, n);
            else
                g.RemoveRows(at, n);
            m.EraseShown(at, n);
            TModel::EraseEntries(m.Selected, at, n);
            if (ex) {
                KeepHeightsByPosition(heights);
            } else {
                TModel::EraseEntries(m.Modified, at, n);
                TModel::EraseEntries(m.Enabled, at, n);
            }
            return std::string(ex ? "RemoveRowsEx(" : "RemoveRows(") + std::to_string(at) + ", " + std::to_string(n) +
                ")";
        }
        case 3: {
            if (removable <= 0) return "nothing";
            const Integer n = std::min(count, removable);
            g.DeleteRowRange(at, n);
            m.EraseShown(at, n);
            TModel::EraseEntries(m.Selected, at, n);
            return "DeleteRowRange(" + std::to_string(at) + ", " + std::to_string(n) + ")";
        }
        case 4: {
            if (removable <= 0) return "nothing";
            Hide(at);
            return "hide " + std::to_string(at);
        }
        default: {
            if (at >= g.RowCount()) return "nothing";
            const Integer n = std::min(count, g.RowCount() - at);
            g.ClearRows(at, n);
            for (Integer r = at; r < at + n; ++r) {
                TModelRow& row = m.Rows[m.Shown(r)];
                row.Texts.assign(Cols, String());
                row.Objects.assign(Cols, nullptr);
            }
            return "ClearRows(" + std::to_string(at) + ", " + std::to_string(n) + ")";
        }
        }
    }

    std::vector<Integer> ShownHeights() const
    {
        std::vector<Integer> h;
        for (const TModelRow& r : m.Rows)
            if (!r.Hidden) h.push_back(r.Height);
        return h;
    }
    // RemoveRowsEx moves texts and objects only: the heights stay with the positions.
    void KeepHeightsByPosition(const std::vector<Integer>& Heights)
    {
        size_t p = 0;
        for (TModelRow& r : m.Rows)
            if (!r.Hidden) r.Height = Heights[p++];
    }

    THarness h;
    TRowsGrid g{nullptr};
    TModel m;
};

TEST_P(ExtStringGridRowsModel, EverySideStructureFollowsTheRows)
{
    ASSERT_EQ(Check(), "") << "after the set-up";
    std::mt19937 rng(GetParam());
    std::string steps;
    for (Integer i = 0; i < 40; ++i) {
        steps += Step(rng) + "; ";
        const std::string err = Check();
        ASSERT_EQ(err, "") << "seed " << GetParam() << ": " << steps;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ExtStringGridRowsModel, ::testing::Range(uint32_t{1}, uint32_t{41}));

}  // namespace
}  // namespace gw::test
