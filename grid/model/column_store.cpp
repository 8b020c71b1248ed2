// The stored column widths and positions, in an INI file or the registry stand-in.
#include "grid/model/column_store.h"

#include "grid/model/column_states.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <cstdlib>

namespace gw {

namespace {

String Environment(const char* Name)
{
    const char* value = std::getenv(Name);
    return value ? Utf8ToString(value) : String();
}

// The INI file and section a column size names, open for one load or save; Update rewrites it.
class TColumnStore {
public:
    explicit TColumnStore(const TColumnSize& Size)
        : m_file(Size.Location == clIniFile ? Size.Key : RegistryStandInFileName()),
          m_section(Size.Location == clIniFile ? Size.Section : Size.Key + u"\\" + Size.Section),
          m_registry(Size.Location == clRegistry)
    {
    }
    String Read(const String& Name) { return m_file.ReadString(m_section, Name, u""); }
    Integer ReadInteger(const String& Name, Integer Default) { return m_file.ReadInteger(m_section, Name, Default); }
    void WriteInteger(const String& Name, Integer Value) { m_file.WriteInteger(m_section, Name, Value); }
    void Update()
    {
        if (m_registry) ForceDirectories(ExtractFileDir(m_file.FileName()));
        m_file.UpdateFile();
    }

private:
    TMemIniFile m_file;
    String m_section;
    bool m_registry;
};

String ColName(size_t Index) { return u"Col" + IntToStr(static_cast<Int64>(Index)); }
String PosName(Integer Index) { return u"Pos" + IntToStr(Index); }

std::vector<Integer> ReadPositions(TColumnStore& Store, Integer N)
{
    std::vector<Integer> positions;
    for (Integer i = 0; i < N; ++i)
        if (const Integer p = Store.ReadInteger(PosName(i), -1); p != -1) positions.push_back(p);
    return positions;
}

}  // namespace

String RegistryStandInFileName()
{
    String folder = Environment("XDG_CONFIG_HOME");
    if (folder.empty()) folder = Environment("HOME") + u"/.config";
    return IncludeTrailingPathDelimiter(folder) + u"gw-registry.ini";
}

void SaveColSizes(const TColumnSize& Size, const std::vector<Integer>& Widths)
{
    if (Size.Key.empty() || Size.Section.empty()) return;
    TColumnStore store(Size);
    for (size_t i = 0; i < Widths.size(); ++i) store.WriteInteger(ColName(i), Widths[i]);
    store.Update();
}

void LoadColSizes(const TColumnSize& Size, std::vector<Integer>& Widths)
{
    if (Size.Key.empty() || Size.Section.empty()) return;
    TColumnStore store(Size);
    for (size_t i = 0; i < Widths.size(); ++i) {
        Integer width = 0;
        if (TryStrToColumnWidth(Trim(store.Read(ColName(i))), width)) Widths[i] = width;
    }
    store.Update();
}

void SaveColPositions(const TColumnSize& Size, const std::vector<Integer>& ColumnOrder)
{
    if (Size.Key.empty() || Size.Section.empty()) return;
    TColumnStore store(Size);
    for (size_t i = 0; i < ColumnOrder.size(); ++i)
        store.WriteInteger(PosName(static_cast<Integer>(i)), ColumnOrder[i]);
    store.Update();
}

std::optional<TStoredColumnPositions> LoadColPositions(const TColumnSize& Size, Integer N)
{
    if (Size.Key.empty() || Size.Section.empty()) return std::nullopt;
    TColumnStore store(Size);
    std::optional<TStoredColumnPositions> stored;
    if (store.ReadInteger(PosName(0), -1) != -1) {
        std::vector<Integer> positions = ReadPositions(store, N);
        std::vector<Integer> moveOrder = InverseColumnOrder(positions, N);
        stored = TStoredColumnPositions{std::move(positions), std::move(moveOrder)};
    }
    store.Update();
    return stored;
}

}  // namespace gw
