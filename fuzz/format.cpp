// Fuzz target: Format, FormatFloat, FloatToStrF and FormatDateTime with arbitrary format texts
// and argument values (language files carry format texts that reach Format unchecked).
#include "fuzz/fuzz_support.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/format.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace gw;

TVarRec MakeArg(unsigned kind, FuzzedDataProvider& in, const String& text)
{
    switch (kind & 3) {
    case 0: return TVarRec(in.ConsumeIntegral<long long>());
    case 1: return TVarRec(in.ConsumeFloatingPoint<double>());
    case 2: return TVarRec(text);
    default: return TVarRec(static_cast<const void*>(&text));
    }
}

void TryFormat(StringView fmt, std::initializer_list<TVarRec> args)
{
    try {
        Format(fmt, args);
    } catch (const EConvertError&) {
        // The documented answer to a bad format or a mismatched argument.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // Values come from the end of the input, the format text is what is left at the front.
    const String text = u"Text";
    const unsigned kinds = in.ConsumeIntegral<uint8_t>();
    const TVarRec a0 = MakeArg(kinds, in, text);
    const TVarRec a1 = MakeArg(kinds >> 2, in, text);
    const TVarRec a2 = MakeArg(kinds >> 4, in, text);
    const TVarRec a3 = MakeArg(kinds >> 6, in, text);
    const double value = in.ConsumeFloatingPoint<double>();
    const TDateTime when = in.ConsumeFloatingPoint<double>();
    const auto ff = static_cast<TFloatFormat>(in.ConsumeIntegralInRange<int>(ffGeneral, ffCurrency));
    const Integer precision = in.ConsumeIntegralInRange<Integer>(-5, 40);
    const Integer digits = in.ConsumeIntegralInRange<Integer>(-5, 40);
    const String fmt = gw::fuzz::FuzzText(in.ConsumeRemainingBytesAsString());

    TryFormat(fmt, {a0, a1, a2, a3});
    TryFormat(fmt, {});
    FormatFloat(fmt, value);
    FormatDateTime(fmt, when);
    FloatToStrF(value, ff, precision, digits);
    return 0;
}
