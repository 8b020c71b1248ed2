// The rows of the grid benchmarks: the generator's CSV (shared/bench/gen_grid_csv.py) written to
// the temporary folder once per row count, read, and checked against the generator's digest.
#pragma once

#include "platform/runtime/types.h"
#include "platform/runtime/unicode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace gw::bench {

inline std::filesystem::path FindGenerator()
{
    for (std::filesystem::path dir = GW_SOURCE_DIR; !dir.empty(); dir = dir.parent_path()) {
        auto candidate = dir / "shared" / "bench" / "gen_grid_csv.py";
        if (std::filesystem::exists(candidate)) return candidate;
        if (dir == dir.parent_path()) break;
    }
    throw std::runtime_error("gen_grid_csv.py not found above " GW_SOURCE_DIR);
}

inline uint32_t Crc32(const std::string& Bytes, uint32_t Crc)
{
    Crc = ~Crc;
    for (unsigned char b : Bytes) {
        Crc ^= b;
        for (int k = 0; k < 8; ++k) Crc = (Crc >> 1) ^ (0xEDB88320u & (0u - (Crc & 1u)));
    }
    return ~Crc;
}

// RFC 4180 records; a quoted field may hold commas, doubled quotes and line feeds.
inline std::vector<std::vector<std::string>> ParseCsv(const std::string& S)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < S.size(); ++i) {
        char c = S[i];
        if (quoted) {
            if (c == '"' && i + 1 < S.size() && S[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\r' && i + 1 < S.size() && S[i + 1] == '\n') {
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

// The first Count rows the generator makes (it makes the same rows for every count).
inline std::vector<std::vector<String>> GeneratorRows(std::size_t Count)
{
    auto out = std::filesystem::temp_directory_path() / ("gw_bench_grid_rows_" + std::to_string(Count) + ".csv");
    auto metaPath = std::filesystem::path(out.string() + ".meta");
    auto readMeta = [&] {
        std::map<std::string, std::string> meta;
        std::ifstream metaFile(metaPath);
        for (std::string line; std::getline(metaFile, line);)
            if (auto eq = line.find('='); eq != std::string::npos) meta[line.substr(0, eq)] = line.substr(eq + 1);
        return meta;
    };
    auto meta = readMeta();
    if (meta["rows"] != std::to_string(Count)) {
        std::string cmd = "python3 '" + FindGenerator().string() + "' --rows " + std::to_string(Count) + " --out '" +
            out.string() + "' > /dev/null";
        if (std::system(cmd.c_str()) != 0) throw std::runtime_error("the generator failed");
        meta = readMeta();
    }
    std::ifstream in(out, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    auto records = ParseCsv(all.str());
    uint32_t crc = 0;
    std::vector<std::vector<String>> cells;
    cells.reserve(records.size());
    for (auto& record : records) {
        std::string canonical;
        cells.emplace_back();
        cells.back().reserve(record.size());
        for (const auto& field : record) {
            canonical += field + '\x1f';
            cells.back().push_back(Utf8ToString(field));
        }
        crc = Crc32(canonical + '\x1e', crc);
        record.clear();
        record.shrink_to_fit();
    }
    char digest[16];
    std::snprintf(digest, sizeof digest, "%08x", crc);
    if (records.size() != Count || meta["digest_file_order"] != digest)
        throw std::runtime_error("the rows read do not match the generator's digest");
    return cells;
}

}  // namespace gw::bench
