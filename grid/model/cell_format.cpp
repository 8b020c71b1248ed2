// Which value a cell's display format is given: the integer or the floating value.
#include "grid/model/cell_format.h"

namespace gw {

namespace {

bool IsFlagOrWidth(Char C)
{
    return C == u'-' || C == u'+' || C == u' ' || C == u'#' || C == u'.' || C == u'*' || C == u':' ||
        (C >= u'0' && C <= u'9');
}

}  // namespace

bool FormatTakesInteger(StringView Format)
{
    for (size_t i = 0; i < Format.size(); ++i) {
        if (Format[i] != u'%') continue;
        size_t j = i + 1;
        if (j < Format.size() && Format[j] == u'%') {
            i = j;
            continue;
        }
        while (j < Format.size() && IsFlagOrWidth(Format[j])) ++j;
        if (j >= Format.size()) return false;
        const Char c = Format[j];
        return c == u'd' || c == u'D' || c == u'u' || c == u'U' || c == u'x' || c == u'X';
    }
    return false;
}

}  // namespace gw
