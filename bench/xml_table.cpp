// Benchmark: saving and loading a table file of 2,000 rows of 20 attributes, as the table windows do.
#include "platform/runtime/unicode.h"
#include "platform/xml/xml_document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRows = 2000;
constexpr int kColumns = 20;

gw::String Name(int column) { return gw::S("Column_" + std::to_string(column)); }

void Build(gw::TXMLDocument& doc)
{
    doc.Clear();
    gw::TXMLNode root = doc.AddChild(u"Table_Bench");
    doc.AddComment(u"SW_VERSION = 1.000");
    for (int r = 0; r < kRows; ++r) {
        gw::TXMLNode row = root.AddChild(u"row");
        for (int c = 0; c < kColumns; ++c)
            row.SetAttribute(Name(c), gw::S("cell " + std::to_string(r) + "/" + std::to_string(c)));
    }
}

gw::String FilePath()
{
    auto path = std::filesystem::temp_directory_path() / ("bench_xml_table_" + std::to_string(::getpid()) + ".xml");
    return gw::S(path.string());
}

void BM_SaveTable(benchmark::State& state)
{
    gw::String file = FilePath();
    for (auto _ : state) {
        gw::TXMLDocument doc;
        Build(doc);
        doc.SaveToFile(file);
    }
    std::filesystem::remove(gw::StringToUtf8(file));
}
BENCHMARK(BM_SaveTable)->Unit(benchmark::kMillisecond);

// Load, then read every attribute by position and name, as a reader fills its grid.
void BM_LoadTable(benchmark::State& state)
{
    gw::String file = FilePath();
    {
        gw::TXMLDocument doc;
        Build(doc);
        doc.SaveToFile(file);
    }
    std::vector<gw::String> names;
    for (int c = 0; c < kColumns; ++c) names.push_back(Name(c));
    for (auto _ : state) {
        gw::TXMLDocument doc;
        doc.LoadFromFile(file);
        gw::TXMLNode root = doc.FirstNode();
        size_t total = 0;
        gw::String value;
        const int rows = root.ChildCount();
        for (int r = 0; r < rows; ++r) {
            gw::TXMLNode row = root.Child(r);
            for (const auto& name : names)
                if (row.TryGetAttribute(name, value)) total += value.size();
        }
        benchmark::DoNotOptimize(total);
    }
    std::filesystem::remove(gw::StringToUtf8(file));
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond);

}  // namespace
