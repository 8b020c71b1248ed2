// Which row of the slaves table an imported EDS connection lands in: the first row whose address
// and Instance T > O are both empty after trimming, whatever its other cells hold; with none,
// the table stays as it was and nothing is said.
#include "core/program_state.h"
#include "core/slaves_file.h"
#include "grid/model/ext_column_grid.h"
#include "imagebutton/img_button.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "tables/ethernetip_eds.h"
#include "tables/ethernetip_master_access.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

// A cell to set before the import: data row, column, text.
struct TCell {
    Integer Row;
    TSlaveColumn Column;
    const char* Text;
};

class SlavesImportTarget : public ::testing::Test {
protected:
    SlavesImportTarget()
    {
        m_savedPath = ProgramState.Path_EtherNetIP_Master_Rules;
        ProgramState.Path_EtherNetIP_Master_Rules = Utf8ToString((dir / "EtherNetIP_Master_Rules.xml").string());
        Application->CreateForm(FEtherNetIP_Master_Access);
        Application->CreateForm(FEtherNEtIP_EDS);
        win = FEtherNetIP_Master_Access;
    }
    ~SlavesImportTarget() override { ProgramState.Path_EtherNetIP_Master_Rules = m_savedPath; }

    // Every data row as its cells 1 to 14.
    std::vector<std::vector<String>> Rows() const
    {
        std::vector<std::vector<String>> rows;
        for (Integer r = 1; r <= Slaves_Data_Rows; ++r) {
            std::vector<String> row;
            for (Integer c = 1; c < Slaves_Col_Count; ++c) row.push_back(win->ACG->GetCellEx(c, r));
            rows.push_back(row);
        }
        return rows;
    }

    // Sets Cells in a showing, imports the second connection of DEVICE.EDS, and gives the rows
    // before and after.
    void Import(const std::vector<TCell>& Cells, std::vector<std::vector<String>>& Before,
                std::vector<std::vector<String>>& After)
    {
        h.AnswerModal(u"TFEtherNEtIP_EDS", [](TCustomForm& Form) {
            auto& chooser = dynamic_cast<TFEtherNEtIP_EDS&>(Form);
            chooser.ACG->SetRowEx(2);
            chooser.ModalResult = mrOk;
        });
        h.AnswerModal(u"TFEtherNetIP_Master_Access", [&](TCustomForm& Form) {
            h.ProcessMessages();
            for (const TCell& cell : Cells) win->ACG->SetCellEx(cell.Column, cell.Row, S(cell.Text));
            Before = Rows();
            h.AnswerFileDialog(Utf8ToString(std::string(GW_TEST_DATA) + "/DEVICE.EDS"));
            h.Click(win->Btn_Import_EDS);
            After = Rows();
            Form.ModalResult = mrCancel;
        });
        win->ShowModal();
    }

    THarness h;
    ScratchDir dir{"tables-import-target"};
    TFEtherNetIP_Master_Access* win = nullptr;

private:
    String m_savedPath;
};

TEST_F(SlavesImportTarget, TheFirstRowWithoutAddressAndInstanceTakesTheSixCells)
{
    struct TCase {
        const char* Name;
        std::vector<TCell> Cells;
        Integer Target;  // 0: no row takes it
    };
    std::vector<TCell> full;
    for (Integer r = 1; r <= Slaves_Data_Rows; ++r) full.push_back({r, r % 2 ? scIP_Address : scInstance_T_O, "1"});
    const std::vector<TCase> cases = {
        {"an empty table: row 1", {}, 1},
        {"an address alone makes a row taken", {{1, scIP_Address, "10.0.0.1"}}, 2},
        {"an Instance T > O alone makes a row taken", {{1, scInstance_T_O, "1"}}, 2},
        {"blanks are empty", {{1, scIP_Address, "   "}, {1, scInstance_T_O, " "}}, 1},
        {"other cells do not count and are kept",
         {{1, scIP_Address, "10.0.0.1"}, {2, scMnemonic, "spare"}, {2, scNum_Input, "4"}, {2, scEnable, "N"}},
         2},
        {"the first free row after taken ones",
         {{1, scIP_Address, "10.0.0.1"}, {2, scInstance_T_O, "3"}, {3, scIP_Address, " 10.0.0.3"}},
         4},
        {"every row taken by one or the other", full, 0},
    };
    // The second connection of DEVICE.EDS, in columns 8 to 13.
    const std::vector<std::pair<TSlaveColumn, String>> imported = {
        {scInstance_T_O, u"6"}, {scConnection_Point_T_O, u"113"}, {scInstance_O_T, u"5"},
        {scConnection_Point_O_T, u"112"}, {scDim_Header_T_O, u"2"}, {scDim_Header_O_T, u"3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::size_t shown = h.MessagesShown().size();
        std::vector<std::vector<String>> before, after;
        Import(c.Cells, before, after);
        std::vector<std::vector<String>> expected = before;
        if (c.Target > 0)
            for (const auto& [column, text] : imported) expected[std::size_t(c.Target - 1)][std::size_t(column - 1)] = text;
        EXPECT_EQ(after, expected);
        EXPECT_EQ(h.MessagesShown().size(), shown) << "the import says nothing";
        EXPECT_EQ(h.PendingAnswers(), 0u) << "the dialog and the chooser were both shown";
    }
}

}  // namespace
}  // namespace gw::test
