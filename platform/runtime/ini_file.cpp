// INI files in memory (TMemIniFile) and written through at once (TIniFile).
#include "platform/runtime/ini_file.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <sys/stat.h>

namespace gw {

// ---- TCustomIniFile ----

Integer TCustomIniFile::ReadInteger(StringView Section, StringView Ident, Integer Default)
{
    return StrToIntDef(Trim(ReadString(Section, Ident, u"")), Default);
}

void TCustomIniFile::WriteInteger(StringView Section, StringView Ident, Integer Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(StringView Section, StringView Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(StringView Section, StringView Ident, bool Value)
{
    WriteString(Section, Ident, Value ? u"1" : u"0");
}

double TCustomIniFile::ReadFloat(StringView Section, StringView Ident, double Default)
{
    double value = Default;
    const String text = Trim(ReadString(Section, Ident, u""));
    return !text.empty() && TryStrToFloat(text, value) ? value : Default;
}

void TCustomIniFile::WriteFloat(StringView Section, StringView Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value));
}

bool TCustomIniFile::SectionExists(StringView Section)
{
    TStringList names;
    ReadSections(&names);
    return names.IndexOf(Section) >= 0;
}

bool TCustomIniFile::ValueExists(StringView Section, StringView Ident)
{
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}

// ---- the file in memory ----

// The lines of the file: comments, blank and unparsable lines are kept as they were so that
// rewriting the file loses nothing.
class TIniData {
public:
    struct Line {
        bool isValue = false;
        String key;
        String value;
        String raw;  // the line as read; empty for a value written since
    };
    struct Section {
        String name;
        std::vector<Line> lines;
    };

    std::vector<Line> preamble;
    std::vector<Section> sections;
    TStringList io;

    void Parse(const TStrings& lines)
    {
        preamble.clear();
        sections.clear();
        std::vector<Line>* target = &preamble;
        for (Integer i = 0; i < lines.Count(); ++i) {
            const String text = lines.Get(i);
            const String trimmed = Trim(text);
            if (!trimmed.empty() && trimmed[0] == u'[') {
                const size_t close = trimmed.find(u']');
                sections.push_back(
                    {Trim(StringView(trimmed).substr(1, close == String::npos ? String::npos : close - 1)), {}});
                target = &sections.back().lines;
                continue;
            }
            Line line;
            const size_t eq = trimmed.find(u'=');
            if (!trimmed.empty() && trimmed[0] != u';' && eq != String::npos && eq > 0) {
                line.isValue = true;
                line.key = Trim(StringView(trimmed).substr(0, eq));
                line.value = Trim(StringView(trimmed).substr(eq + 1));
            }
            line.raw = text;
            target->push_back(std::move(line));
        }
    }

    void Render(TStrings& out) const
    {
        const TUpdateScope update(out);
        out.Clear();
        auto put = [&](const std::vector<Line>& lines) {
            for (const Line& l : lines) out.Add(l.isValue && l.raw.empty() ? l.key + u"=" + l.value : l.raw);
        };
        put(preamble);
        for (const Section& s : sections) {
            out.Add(u"[" + s.name + u"]");
            put(s.lines);
        }
    }

    Section* Find(StringView name)
    {
        for (Section& s : sections)
            if (AnsiCompareText(s.name, name) == 0) return &s;
        return nullptr;
    }

    static Line* FindKey(Section& s, StringView key)
    {
        for (Line& l : s.lines)
            if (l.isValue && AnsiCompareText(l.key, key) == 0) return &l;
        return nullptr;
    }

    void Write(StringView section, StringView key, StringView value)
    {
        Section* s = Find(section);
        if (s == nullptr) {
            // A blank line between sections, as the files are usually laid out.
            std::vector<Line>& last = sections.empty() ? preamble : sections.back().lines;
            if (!last.empty() && (last.back().isValue || !Trim(last.back().raw).empty())) last.push_back(Line{});
            sections.push_back({String(section), {}});
            s = &sections.back();
        }
        if (Line* l = FindKey(*s, key)) {
            l->value = String(value);
            l->raw.clear();  // written anew; untouched lines keep their own spelling
            return;
        }
        // After the last value, so that trailing blank lines and comments stay at the end.
        auto at = std::find_if(s->lines.rbegin(), s->lines.rend(), [](const Line& l) { return l.isValue; });
        s->lines.insert(at.base(), Line{true, String(key), String(value), {}});
    }
};

TMemIniFile::TMemIniFile(const String& FileName) : TCustomIniFile(FileName), m_data(std::make_unique<TIniData>())
{
    Rename(FileName, true);
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Rename(const String& FileName, bool Reload)
{
    SetFileName(FileName);
    if (!Reload) return;
    m_data = std::make_unique<TIniData>();
    if (FileExists(FileName)) {
        m_data->io.LoadFromFile(FileName, TTextEncoding::Ansi);
        m_data->Parse(m_data->io);
    }
}

String TMemIniFile::ReadString(StringView Section, StringView Ident, StringView Default)
{
    if (TIniData::Section* s = m_data->Find(Section))
        if (const TIniData::Line* l = TIniData::FindKey(*s, Ident)) return l->value;
    return String(Default);
}

void TMemIniFile::WriteString(StringView Section, StringView Ident, StringView Value)
{
    m_data->Write(Section, Ident, Value);
}

void TMemIniFile::ReadSection(StringView Section, TStrings* Strings)
{
    const TUpdateScope update(*Strings);
    Strings->Clear();
    if (TIniData::Section* s = m_data->Find(Section))
        for (const TIniData::Line& l : s->lines)
            if (l.isValue) Strings->Add(l.key);
}

void TMemIniFile::ReadSections(TStrings* Strings)
{
    const TUpdateScope update(*Strings);
    Strings->Clear();
    for (const TIniData::Section& s : m_data->sections) Strings->Add(s.name);
}

void TMemIniFile::ReadSectionValues(StringView Section, TStrings* Strings)
{
    const TUpdateScope update(*Strings);
    Strings->Clear();
    if (TIniData::Section* s = m_data->Find(Section))
        for (const TIniData::Line& l : s->lines)
            if (l.isValue) Strings->Add(l.key + u"=" + l.value);
}

void TMemIniFile::EraseSection(StringView Section)
{
    auto& all = m_data->sections;
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const TIniData::Section& s) { return AnsiCompareText(s.name, Section) == 0; }),
              all.end());
}

void TMemIniFile::DeleteKey(StringView Section, StringView Ident)
{
    if (TIniData::Section* s = m_data->Find(Section)) {
        auto& lines = s->lines;
        lines.erase(
            std::remove_if(lines.begin(), lines.end(),
                           [&](const TIniData::Line& l) { return l.isValue && AnsiCompareText(l.key, Ident) == 0; }),
            lines.end());
    }
}

void TMemIniFile::UpdateFile()
{
    m_data->Render(m_data->io);
    m_data->io.SaveToFile(FileName());
}

void TMemIniFile::Clear()
{
    m_data->preamble.clear();
    m_data->sections.clear();
}

void TMemIniFile::GetStrings(TStrings* List) const { m_data->Render(*List); }

void TMemIniFile::SetStrings(const TStrings* List) { m_data->Parse(*List); }

// ---- TIniFile ----

TIniFile::TIniFile(const String& FileName) : TCustomIniFile(FileName) {}

TIniFile::~TIniFile() = default;

TIniFile::Stamp TIniFile::StampOf(const String& FileName)
{
    struct stat st {};
    if (::stat(StringToUtf8(FileName).c_str(), &st) != 0) return {};
    return {true, static_cast<Int64>(st.st_size),
            static_cast<Int64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, static_cast<Int64>(st.st_ino)};
}

TMemIniFile& TIniFile::Fresh()
{
    const Stamp now = StampOf(FileName());
    if (!m_file || !m_stamp || !(*m_stamp == now)) {
        m_file = std::make_unique<TMemIniFile>(FileName());
        m_stamp = now;
    }
    return *m_file;
}

void TIniFile::Store()
{
    try {
        m_file->UpdateFile();
    } catch (const EStreamError&) {
        m_file.reset();
        m_stamp.reset();
        throw EIniFileException(u"Unable to write to " + FileName());
    }
    m_stamp = StampOf(FileName());
}

String TIniFile::ReadString(StringView Section, StringView Ident, StringView Default)
{
    const String none(1, Char(0));
    String value = Fresh().ReadString(Section, Ident, none);
    if (value == none) return String(Default);
    if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value;
}

void TIniFile::WriteString(StringView Section, StringView Ident, StringView Value)
{
    Fresh().WriteString(Section, Ident, Value);
    Store();
}

void TIniFile::ReadSection(StringView Section, TStrings* Strings) { Fresh().ReadSection(Section, Strings); }

void TIniFile::ReadSections(TStrings* Strings) { Fresh().ReadSections(Strings); }

void TIniFile::ReadSectionValues(StringView Section, TStrings* Strings) { Fresh().ReadSectionValues(Section, Strings); }

void TIniFile::EraseSection(StringView Section)
{
    Fresh().EraseSection(Section);
    Store();
}

void TIniFile::DeleteKey(StringView Section, StringView Ident)
{
    Fresh().DeleteKey(Section, Ident);
    Store();
}

}  // namespace gw
