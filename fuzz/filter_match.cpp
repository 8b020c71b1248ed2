// Fuzz target: the filter-expression matcher with arbitrary expressions and cell texts. The
// input is the expression, then (after a NUL byte) the cell text.
#include "fuzz/fuzz_support.h"

#include "grid/foundation/filter_match.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest = gw::fuzz::Bytes(data, size);
    const String expression = gw::fuzz::FuzzText(gw::fuzz::SplitAtNul(rest));
    const String cell = gw::fuzz::FuzzText(rest);
    MatchFilterExpression(expression, cell, true);
    MatchFilterExpression(expression, cell, false);
    MatchFilterTermCased(expression, cell, false);
    MatchFilterTerm(expression, cell);
    RemoveSpacesOutsideQuotes(expression);
    Integer position = -7;
    const Char found = FindFirstDelimiter(u"&|;^", expression, position);
    if (found != 0 &&
        (position < 1 || position > static_cast<Integer>(expression.size()) ||
         expression[static_cast<size_t>(position - 1)] != found))
        Fail("FindFirstDelimiter points elsewhere");
    const Integer closing = FindClosingParenthesis(expression);
    if (closing < 0 || closing > static_cast<Integer>(expression.size()))
        Fail("FindClosingParenthesis outside the text");
    return 0;
}
