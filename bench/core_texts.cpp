// Time to build the built-in text table and overlay a language file that sets every text.
#include "core/text_table.h"

#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A 2400-line UTF-8 language file in a temporary folder, removed at the end of the run.
class LangFile {
public:
    LangFile()
    {
        m_path = std::filesystem::temp_directory_path() / "bench_core_texts.lng";
        std::ofstream out(m_path, std::ios::binary);
        out << "\xEF\xBB\xBF"
            << "Bench language /#/ heading\r\n";
        for (int n = 0; n < gw::Text_Count; ++n)
            out << "STR" << n << " = Translated text number " << n << " \xC3\xA4\xC3\xB6 /#/ note\r\n";
    }
    ~LangFile() { std::filesystem::remove(m_path); }
    gw::String Name() const { return gw::Utf8ToString(m_path.string()); }

private:
    std::filesystem::path m_path;
};

void BM_BuildDefaultTexts(benchmark::State& state)
{
    gw::TTextTable table;
    for (auto _ : state) {
        table.Build_Default_Texts();
        benchmark::DoNotOptimize(table.Text(0).data());
    }
}
BENCHMARK(BM_BuildDefaultTexts)->Unit(benchmark::kMicrosecond);

void BM_BuildAndLoadLanguageFile(benchmark::State& state)
{
    const LangFile file;
    const gw::String name = file.Name();
    gw::TTextTable table;
    for (auto _ : state) {
        table.Build_Default_Texts();
        if (!table.Load_Lang_File(name)) state.SkipWithError("language file not readable");
        benchmark::DoNotOptimize(table.Text(2399).data());
    }
}
BENCHMARK(BM_BuildAndLoadLanguageFile)->Unit(benchmark::kMicrosecond);

}  // namespace
