// Benchmarks of the EDS connection reader: reading and decoding a 1 MB EDS file against loading
// its lines alone, and the reader's time over growing files of one long continued entry.
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tables/eds_connections.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace gw {
namespace {

namespace fs = std::filesystem;

// A device description of about Bytes bytes: parameter sections and connection sections in turn,
// each entry spread over lines with comments as device makers write them.
std::string EdsText(std::size_t Bytes)
{
    std::string text = "$ Generated device description\n[File]\n    DescText = \"Bench device\";\n";
    for (int block = 0; text.size() < Bytes; ++block) {
        text += "[Params]\n";
        for (int p = 1; p <= 8; ++p)
            text += "    Param" + std::to_string(p) + " = 0, ,\"20 04 24 01 30 03\", 0x0000, 0xC7, 2, \"Parameter " +
                std::to_string(p) + "\", \"\", \"help\", 0, 65535, 0, , , , ;  $ parameter\n";
        text += "[Connection Manager]\n    Object_Name = \"Connection Manager Object\";\n";
        for (int c = 1; c <= 8; ++c) {
            text += "    Connection" + std::to_string(c) + " =\n";
            text += "        0x04010002,          $ trigger and transport\n";
            text += "        0x44640405,          $ connection parameters\n";
            text += "        10000, , Assem100,   $ O > T\n";
            text += "        10000, , Assem101,   $ T > O\n";
            text += "        , , , ,              $ configuration\n";
            text += "        \"Exclusive Owner " + std::to_string(block) + "\", \"\",\n";
            text += "        \"20 04 24 " + std::to_string(10 + c) + " 2C 64 2C 65\";  $ path\n";
        }
    }
    return text;
}

class EdsFile {
public:
    explicit EdsFile(std::size_t Bytes)
        : m_path(fs::temp_directory_path() / ("gw-bench-eds-" + std::to_string(::getpid()) + ".eds"))
    {
        std::ofstream(m_path, std::ios::binary) << EdsText(Bytes);
    }
    ~EdsFile()
    {
        std::error_code ec;
        fs::remove(m_path, ec);
    }
    String Name() const { return Utf8ToString(m_path.string()); }
    std::size_t Size() const { return static_cast<std::size_t>(fs::file_size(m_path)); }

private:
    fs::path m_path;
};

void BM_LoadLines(benchmark::State& state)
{
    const EdsFile file(1 << 20);
    for (auto _ : state) {
        TStringList lines;
        lines.LoadFromFile(file.Name());
        benchmark::DoNotOptimize(lines.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.Size()));
}
BENCHMARK(BM_LoadLines)->Unit(benchmark::kMillisecond);

void BM_ReadConnections(benchmark::State& state)
{
    const EdsFile file(1 << 20);
    std::size_t count = 0;
    for (auto _ : state) {
        const TConnList list = Load_EDS_Connections(file.Name());
        count = list.size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["connections"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.Size()));
}
BENCHMARK(BM_ReadConnections)->Unit(benchmark::kMillisecond);

// Both in turn on the same file, so that the allocator's and the cache's state is shared: the
// ratio of reading and decoding to loading the lines alone.
void BM_ReadAgainstLoad(benchmark::State& state)
{
    const EdsFile file(1 << 20);
    using Clock = std::chrono::steady_clock;
    Clock::duration load{};
    Clock::duration read{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            TStringList lines;
            lines.LoadFromFile(file.Name());
            benchmark::DoNotOptimize(lines.Count());
        }
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(Load_EDS_Connections(file.Name()).size());
        const auto t2 = Clock::now();
        load += t1 - t0;
        read += t2 - t1;
    }
    state.counters["read_over_load"] = std::chrono::duration<double>(read) / std::chrono::duration<double>(load);
}
BENCHMARK(BM_ReadAgainstLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One entry continued over N lines: the reader's time against N.
void BM_ContinuedEntry(benchmark::State& state)
{
    TStringList lines;
    lines.Add(u"[Connection Manager]");
    lines.Add(u"Connection1 = 0x0, 0x0,,,,,,,,,,, \"n\", \"h\", \"20 04 24 01 2C 64 2C 65");
    for (int64_t i = 0; i < state.range(0); ++i) lines.Add(u" 2C 10 $ more");
    lines.Add(u"\";");
    for (auto _ : state) benchmark::DoNotOptimize(Read_Connection_Manager(lines).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ContinuedEntry)->RangeMultiplier(4)->Range(1 << 12, 1 << 18)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw
