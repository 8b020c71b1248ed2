// Fuzz target: the table-file reader (the slaves file, and a file of two named tables) on
// arbitrary file bytes, and the save of what it read.
#include "fuzz/fuzz_support.h"

#include "core/slaves_file.h"
#include "core/table_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"
#include "platform/xml/xml_document.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

// A file with two tables under named elements, as the windows with two grids store them.
const TTableFileLayout& TwoTableLayout()
{
    static const TTableFileLayout layout{u"Two_Tables",
                                         u"1.000",
                                         {{u"First", 1, {{u"Key", u""}, {u"Enable", u"N", true}, {u"Name", u"-"}}},
                                          {u"Second", 2, {{u"Enable", u"N", true}, {u"Key", u""}}}}};
    return layout;
}

// Runs a save; it may refuse only tables holding a character an XML file cannot store.
template <typename F>
bool Saved(F&& Save, std::initializer_list<const TStringTable*> Tables)
{
    try {
        Save();
        return true;
    } catch (const EXmlError&) {
        for (const TStringTable* t : Tables)
            for (Integer r = 0; r < t->RowCount(); ++r)
                for (Integer c = 0; c < t->ColCount(); ++c)
                    if (!XmlCanStore(t->GetCellEx(c, r))) return false;
        Fail("a save refused tables an XML file can hold");
    }
}

void CheckSlaves(const String& file)
{
    TXMLDocument doc;
    TStringTable grid(Slaves_Col_Count, Slaves_Data_Rows + 1);
    try {
        Read_Slaves_File(doc, file, grid);
    } catch (const EXmlError&) {
        return;
    }
    // What was read saves, and the saved file reads again with the same rows that have a key.
    // A cell read from a reference to a character XML cannot hold is refused by the save.
    const String saved = ScratchFolder::File("slaves-saved.xml");
    if (!Saved([&] { Write_Slaves_File(doc, saved, grid); }, {&grid})) return;
    TStringTable again(Slaves_Col_Count, Slaves_Data_Rows + 1);
    Read_Slaves_File(doc, saved, again);
    Integer row = 1;
    for (Integer r = 1; r < grid.RowCount(); ++r) {
        if (Trim(grid.GetCellEx(scIP_Address, r)).empty()) continue;
        for (Integer c = 1; c < Slaves_Col_Count; ++c)
            if (grid.GetCellEx(c, r) != again.GetCellEx(c, row)) Fail("a slave row does not survive a save");
        ++row;
    }
}

void CheckTwoTables(const String& file)
{
    TXMLDocument doc;
    TStringTable first(4, 6);
    TStringTable second(3, 4);
    TCellTable* tables[] = {&first, &second};
    try {
        Read_Table_File(doc, file, TwoTableLayout(), tables);
    } catch (const EXmlError&) {
        return;
    }
    const TCellTable* written[] = {&first, &second};
    Saved([&] { Write_Table_File(doc, ScratchFolder::File("two-saved.xml"), TwoTableLayout(), written); },
          {&first, &second});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScratchFolder::Write(ScratchFolder::Path() / "table.xml", gw::fuzz::Bytes(data, size));
    const String file = ScratchFolder::File("table.xml");
    CheckSlaves(file);
    CheckTwoTables(file);
    return 0;
}
