// Fuzz target: numbers read from cell texts (the sorts' strict decimal reading and the value the
// column calculations read) and the footer's template expansion. The input is the text.
#include "fuzz/fuzz_support.h"

#include "grid/model/cell_number.h"
#include "grid/model/ext_grid_error.h"
#include "grid/model/footer_template.h"
#include "platform/runtime/convert.h"

#include <cmath>

namespace {

using namespace gw;
using gw::fuzz::Fail;

bool IsAsciiDigit(Char C) { return C >= u'0' && C <= u'9'; }

void CheckStrictReading(const String& Text)
{
    double strict = 0;
    if (!TryStrictTextToFloat(Text, strict)) return;
    if (!std::isfinite(strict)) Fail("the strict reading gave no finite number");
    if (!IsAsciiDigit(Text.back()) && Text.back() != u'.') Fail("the strict reading took trailing text");
    // The runtime's reading (the default "." separator) accepts a superset; where it reads a
    // value too, the two agree.
    double runtime = 0;
    if (TryStrToFloat(Text, runtime) && runtime != strict) Fail("the strict and the runtime reading differ");
}

void CheckCellValue(const String& Text)
{
    try {
        if (!std::isfinite(CellTextToFloat(Text))) Fail("a cell value is not finite");
    } catch (const EExtGridError&) {
    }
}

void CheckTemplate(const String& Text)
{
    Integer asked = 0;
    const String expanded = ExpandTemplate(Text, [&](Integer) {
        ++asked;
        return String(u"#");
    });
    if (expanded.size() > Text.size()) Fail("a placeholder expanded beyond its cell's text");
    if (Text.find(u"<#") == String::npos && expanded != Text) Fail("a text without placeholders changed");
    if (asked > static_cast<Integer>(Text.size() / 4)) Fail("more cells asked for than placeholders fit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    CheckStrictReading(text);
    CheckCellValue(text);
    CheckTemplate(text);
    return 0;
}
