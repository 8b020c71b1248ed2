// Fuzz target: the string grid's stored formats. The input is read as a column-state text, and
// its bytes as a visual-properties file, as an INI file of stored widths and positions (section
// "Widths") and as one holding a print settings section ("Print").
#include "fuzz/fuzz_support.h"

#include "grid/model/column_states.h"
#include "grid/model/column_store.h"
#include "grid/model/print_settings_file.h"
#include "grid/model/visual_props.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/string_list.h"

#include <algorithm>

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

void ColumnStatesText(const String& Text)
{
    TColumnStatesText read;
    try {
        if (!ReadColumnStates(Text, read)) return;
    } catch (const EConvertError&) {
        return;
    } catch (const EStringListError&) {
        return;
    }
    const Integer n = read.ColCount;
    if (n < 0 || static_cast<size_t>(n) > Text.size()) Fail("a column count beyond what the text describes");
    if (read.Widths.size() + read.Hidden.size() != static_cast<size_t>(n))
        Fail("widths and hidden columns miss columns");
    if (std::any_of(read.Widths.begin(), read.Widths.end(), [](Integer w) { return w < -32768 || w > 32767; }))
        Fail("a width outside the stored range");
    std::vector<Integer> order = read.ColumnOrder;
    std::sort(order.begin(), order.end());
    for (Integer i = 0; i < static_cast<Integer>(order.size()); ++i)
        if (order[static_cast<size_t>(i)] != i || read.MoveOrder.size() != order.size())
            Fail("an order that is no permutation");

    // What was read writes a text that reads back the same.
    TColumnStates states{.ColCount = n, .Widths = read.Widths, .ColumnOrder = read.ColumnOrder};
    states.Visible.assign(static_cast<size_t>(n), true);
    for (Integer c : read.Hidden) states.Visible[static_cast<size_t>(c)] = false;
    TColumnStatesText again;
    if (!ReadColumnStates(ColumnStatesToString(states), again)) Fail("a written text without #");
    // A text without an order is written with the identity order 0..N-1, which means the same.
    std::vector<Integer> readOrder = read.ColumnOrder;
    if (readOrder.empty()) {
        readOrder.resize(static_cast<size_t>(n));
        for (Integer i = 0; i < n; ++i) readOrder[static_cast<size_t>(i)] = i;
    }
    if (again.Widths != read.Widths || again.Hidden != read.Hidden || again.ColumnOrder != readOrder)
        Fail("a written text reads back otherwise");
}

void VisualPropsFile(std::string_view Bytes)
{
    const String file = ScratchFolder::File("look.txt");
    ScratchFolder::Write(ScratchFolder::Path() / "look.txt", Bytes);
    TVisualProps props;
    try {
        LoadVisualProps(props, file);
    } catch (const EConvertError&) {
    }
    // Whatever was applied saves and reads back to the same file.
    SaveVisualProps(props, file);
    const std::string saved = FileToBytes(file);
    TVisualProps again;
    LoadVisualProps(again, file);
    SaveVisualProps(again, file);
    if (FileToBytes(file) != saved) Fail("visual properties read back otherwise");
}

void StoredColumns(std::string_view Bytes)
{
    ScratchFolder::Write(ScratchFolder::Path() / "grid.ini", Bytes);
    TColumnSize size(nullptr);
    size.Location = clIniFile;
    size.Key = ScratchFolder::File("grid.ini");
    size.Section = u"Widths";
    std::vector<Integer> widths(8, 64);
    LoadColSizes(size, widths);
    if (std::any_of(widths.begin(), widths.end(), [](Integer w) { return w < -32768 || w > 32767; }))
        Fail("a loaded width outside the stored range");
    try {
        if (const auto stored = LoadColPositions(size, 8)) {
            std::vector<Integer> sorted = stored->Positions;
            std::sort(sorted.begin(), sorted.end());
            for (Integer i = 0; i < 8; ++i)
                if (sorted.size() != 8 || sorted[static_cast<size_t>(i)] != i)
                    Fail("stored positions that are no permutation");
        }
    } catch (const EStringListError&) {
    }
}

void PrintSection(std::string_view Bytes)
{
    ScratchFolder::Write(ScratchFolder::Path() / "print.ini", Bytes);
    TPrintSettings settings(nullptr);
    LoadPrintSettings(settings, ScratchFolder::File("print.ini"), u"Print");
    if (settings.Borders > pbCustom || settings.BorderStyle > psInsideFrame || settings.FitToPage > fpCustom ||
        settings.Orientation > poLandscape || settings.Date > ppBottomCenter || settings.Font()->Style() > 15)
        Fail("a print setting outside its values");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = gw::fuzz::Bytes(data, size);
    ColumnStatesText(gw::fuzz::FuzzText(bytes));
    VisualPropsFile(bytes);
    StoredColumns(bytes);
    PrintSection(bytes);
    return 0;
}
