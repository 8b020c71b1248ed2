// Numbers read from cell texts.
#include "grid/model/cell_number.h"

#include "grid/foundation/number_utils.h"
#include "grid/model/ext_grid_error.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace gw {

namespace {

bool IsDigit(Char C) { return C >= u'0' && C <= u'9'; }

}  // namespace

bool TryStrictTextToFloat(StringView Text, double& Value)
{
    size_t i = 0;
    while (i < Text.size() && (Text[i] == u' ' || Text[i] == u'\t')) ++i;
    std::string ascii;
    if (i < Text.size() && (Text[i] == u'+' || Text[i] == u'-')) {
        if (Text[i] == u'-') ascii += '-';
        ++i;
    }
    Integer magnitude = 0;  // the decimal exponent of the leading digit, roughly
    bool digits = false, leading = true;
    for (bool fraction = false; i < Text.size(); ++i) {
        if (IsDigit(Text[i])) {
            digits = true;
            if (Text[i] != u'0') leading = false;
            if (!fraction && !leading) ++magnitude;
            if (fraction && leading) --magnitude;
        } else if (Text[i] == u'.' && !fraction) {
            fraction = true;
        } else {
            break;
        }
        ascii += static_cast<char>(Text[i]);
    }
    if (!digits) return false;
    Integer exponent = 0;
    if (i < Text.size() && (Text[i] == u'e' || Text[i] == u'E')) {
        ascii += 'e';
        ++i;
        const bool negative = i < Text.size() && Text[i] == u'-';
        if (i < Text.size() && (Text[i] == u'+' || Text[i] == u'-')) ascii += static_cast<char>(Text[i++]);
        if (i == Text.size() || !IsDigit(Text[i])) return false;
        for (; i < Text.size() && IsDigit(Text[i]); ++i) {
            ascii += static_cast<char>(Text[i]);
            if (exponent < 100000) exponent = exponent * 10 + (Text[i] - u'0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != Text.size()) return false;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0) return false;
        value = 0;
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return false;
    }
    Value = value;
    return true;
}

double CellTextToFloat(StringView Text)
{
    const String plain = CleanNumberText(Text);
    // A word reduces to a lone letter such as the "e" of "Name": no digit, no number, 0.
    if (std::none_of(plain.begin(), plain.end(), IsDigit)) return 0;
    double value = 0;
    if (!TryStrictTextToFloat(plain, value)) throw EExtGridError(u"Cell does not contain a float value");
    return value;
}

}  // namespace gw
