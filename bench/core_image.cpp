// Benchmarks of the configuration image and of table files: build and save bank.bin for a full
// configuration; save and load a 2,000-row table file through the table-file helper.
#include "core/bank_image.h"
#include "core/par_gen_file.h"
#include "core/slaves_file.h"
#include "core/table_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace gw {
namespace {

namespace fs = std::filesystem;

// A scratch folder for one benchmark, removed afterwards.
class BenchDir {
public:
    explicit BenchDir(const std::string& name)
        : m_path(fs::temp_directory_path() / ("gw-bench-" + name + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~BenchDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    String Dir() const { return Utf8ToString(m_path.string()); }
    String File(const std::string& leaf) const { return Utf8ToString((m_path / leaf).string()); }

private:
    fs::path m_path;
};

// A slaves-shaped table of Rows data rows, every cell filled.
TStringTable FilledTable(Integer Rows)
{
    TStringTable table(Slaves_Col_Count, Rows + 1);
    for (Integer row = 1; row <= Rows; ++row) {
        table.SetCellEx(0, row, IntToStr(row));
        table.SetCellEx(scEnable, row, u"Y");
        table.SetCellEx(scIP_Address, row, u"10." + IntToStr(row / 250) + u"." + IntToStr(row % 250) + u".1");
        for (Integer col = scStart_Input; col < scDim_Header_T_O; ++col)
            table.SetCellEx(col, row, IntToStr(row * 7 % 1000));
        table.SetCellEx(scDim_Header_T_O, row, u"Default");
        table.SetCellEx(scDim_Header_O_T, row, u"4");
        table.SetCellEx(scMnemonic, row, u"Slave number " + IntToStr(row));
    }
    return table;
}

void BM_BuildAndSaveBank(benchmark::State& state)
{
    BenchDir conf("core-image-bank");
    TXMLDocument doc;
    TParGenTexts values = ParGen_Window_Defaults();
    values[pgMaster_EN_GAT] = u"1";
    values[pgEthernet_EN_GAT] = u"1";
    Write_ParGen(doc, conf.File("ParGen.xml"), values);
    Write_Slaves_File(doc, conf.File("EtherNetIP_Master_Rules.xml"), FilledTable(Slaves_Data_Rows));
    TBankImage bank;
    for (auto _ : state) {
        bank.Build_Bank(doc, conf.Dir());
        bank.Save_Bank(conf.Dir());
        benchmark::DoNotOptimize(bank.Image().data());
    }
}
BENCHMARK(BM_BuildAndSaveBank)->Unit(benchmark::kMicrosecond);

void BM_SaveTableFile2000(benchmark::State& state)
{
    BenchDir dir("core-image-save");
    const TStringTable table = FilledTable(2000);
    const TCellTable* tables[] = {&table};
    TXMLDocument doc;
    for (auto _ : state) Write_Table_File(doc, dir.File("table.xml"), Slaves_File_Layout(), tables);
}
BENCHMARK(BM_SaveTableFile2000)->Unit(benchmark::kMillisecond);

void BM_LoadTableFile2000(benchmark::State& state)
{
    BenchDir dir("core-image-load");
    {
        const TStringTable table = FilledTable(2000);
        const TCellTable* tables[] = {&table};
        TXMLDocument doc;
        Write_Table_File(doc, dir.File("table.xml"), Slaves_File_Layout(), tables);
    }
    TStringTable table(Slaves_Col_Count, 2001);
    TCellTable* tables[] = {&table};
    TXMLDocument doc;
    for (auto _ : state) {
        Read_Table_File(doc, dir.File("table.xml"), Slaves_File_Layout(), tables);
        benchmark::DoNotOptimize(table.GetCellEx(scMnemonic, 2000));
    }
}
BENCHMARK(BM_LoadTableFile2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw
