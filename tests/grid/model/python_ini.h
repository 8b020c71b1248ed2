// Reads an INI file with Python's configparser, an independent reader the written files are
// compared with key by key.
#pragma once

#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

namespace gw::test {

// (section, key) -> value as configparser reads the file (Windows-1252, keys keep their case);
// with DummySection a "[dummy]" line is put before the file, for a file of bare "Key=Value"
// lines. Nothing when python3 is missing.
inline std::optional<std::map<std::pair<String, String>, String>>
ReadWithConfigParser(const std::filesystem::path& File, bool DummySection = false)
{
    int code = -1;
    runCommand("python3 -c 'import configparser'", &code);
    if (code != 0) return std::nullopt;
    const std::string script =
        "import configparser, sys\n"
        "p = configparser.ConfigParser(interpolation=None, delimiters=('=',), strict=False)\n"
        "p.optionxform = str\n"
        "t = open(sys.argv[1], encoding='cp1252', newline='').read()\n"
        "p.read_string(('[dummy]\\n' if sys.argv[2] == '1' else '') + t)\n"
        "for s in p.sections():\n"
        "    for k in p[s]:\n"
        "        sys.stdout.buffer.write((s + '\\t' + k + '\\t' + p[s][k] + '\\n').encode('utf-8'))\n";
    const std::filesystem::path scriptFile = File.string() + ".py";
    writeBytes(scriptFile, script);
    const std::string out = runCommand(
        "python3 '" + scriptFile.string() + "' '" + File.string() + "' " + (DummySection ? "1" : "0"), &code);
    std::filesystem::remove(scriptFile);
    if (code != 0) throw std::runtime_error("configparser failed: " + out);
    std::map<std::pair<String, String>, String> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const size_t a = line.find('\t'), b = line.find('\t', a + 1);
        values[{Utf8ToString(line.substr(0, a)), Utf8ToString(line.substr(a + 1, b - a - 1))}] =
            Utf8ToString(line.substr(b + 1));
    }
    return values;
}

}  // namespace gw::test
