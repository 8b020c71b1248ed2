// Fuzz target: the grid's stored integer-list texts, the comma text of an integer list and the
// sort-column text of the sort index list.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/int_list.h"
#include "platform/runtime/exceptions.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

std::vector<Integer> Entries(const TIntList& List)
{
    std::vector<Integer> r;
    for (Integer i = 0; i < List.Count(); ++i) r.push_back(List.GetInteger(i));
    return r;
}

// What was read writes back as text that reads as the same entries.
void CheckIntList(StringView text)
{
    TIntList list(1, 2);
    Integer events = 0;
    list.OnChange = [&](TObject*, Integer, Integer) { ++events; };
    try {
        list.SetStrValue(text);
    } catch (const EConvertError&) {
        return;
    }
    if (events != list.Count()) Fail("StrValue raised other than one change per item");
    TIntList again(0, 0);
    again.SetStrValue(list.StrValue());
    if (Entries(again) != Entries(list)) Fail("StrValue does not read back");
}

// Every entry keeps its direction in bit 31 alone; saving and loading keeps direction and the
// column's low 16 bits, and the saved text is stable.
void CheckSortIndexList(StringView text)
{
    TSortIndexList list;
    list.LoadFromString(text);
    size_t items = 1;
    for (Char c : text) items += c == u';';
    if (size_t(list.Count()) > items) Fail("more sort entries than items");
    for (Integer i = 0; i < list.Count(); ++i)
        if (list.GetSortColumns(i) < 0) Fail("a sort column reached into the direction bit");
    const String saved = list.SaveToString();
    TSortIndexList again;
    again.LoadFromString(saved);
    if (again.Count() != list.Count()) Fail("the saved sort text has another number of entries");
    for (Integer i = 0; i < list.Count(); ++i) {
        if (again.GetSortDirections(i) != list.GetSortDirections(i)) Fail("a sort direction changed");
        if (again.GetSortColumns(i) != (list.GetSortColumns(i) & 0xFFFF)) Fail("a sort column changed");
    }
    if (again.SaveToString() != saved) Fail("the saved sort text is not stable");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    CheckIntList(text);
    CheckSortIndexList(text);
    return 0;
}
