// Number <-> text conversions of the runtime. One integer conversion serves the whole program.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

String IntToStr(Int64 Value);
// Upper-case hexadecimal, at least Digits digits. A negative value shows its two's-complement
// bit pattern of the argument's width (IntToHex(-1, 4) = "FFFFFFFF" for a 32-bit argument).
String IntToHex(Integer Value, Integer Digits);
String IntToHex(Cardinal Value, Integer Digits);
String IntToHex(Int64 Value, Integer Digits);
// Leading blanks (space, tab), one sign, "$" or "0x"/"0X" hexadecimal (a bare "x"
// prefix is not a number: the program's one integer rule knows only these two); at least one
// digit and nothing after the digits. Decimal values must lie in the type's range. Hexadecimal
// digits without a sign may fill the type's width as a bit pattern ("$FFFFFFFF" = -1 for
// Integer); with "-" the magnitude must fit the negative range. StrToInt raises EConvertError
// "'<S>' is not a valid integer value".
Integer StrToInt(StringView S);
Integer StrToIntDef(StringView S, Integer Default);
bool TryStrToInt(StringView S, Integer& Value);
Int64 StrToInt64(StringView S);
Int64 StrToInt64Def(StringView S, Int64 Default);
bool TryStrToInt64(StringView S, Int64& Value);

// Floats use the program-wide FormatSettings' decimal separator (no thousand separators):
// [blanks][sign]digits[sep digits][E[sign]digits][blanks]. StrToFloat raises EConvertError
// "'<S>' is not a valid floating point value"; values beyond the double range are errors.
double StrToFloat(StringView S);
double StrToFloatDef(StringView S, double Default);
bool TryStrToFloat(StringView S, double& Value);
// Shortest text of up to 15 significant digits ("0.3", "1E20", "1.5E-7").
String FloatToStr(double Value);

// Values are first reduced to at most 15 significant digits (what a double holds reliably), and
// decimal halves then round away from zero, so 2.675 with two decimals shows "2.68" as a user
// reading the number expects. A result that rounds to zero carries no minus sign. Infinities and
// NaN show as "INF", "-INF" and "NAN".
// ffGeneral: Precision significant digits, scientific when the exponent is above Precision or the
// value is below 0.0001 (Digits = minimum exponent digits). ffExponent: "d.dddE+dd" with
// Precision digits and at least Digits exponent digits. ffFixed/ffNumber: Digits decimals
// (ffNumber with thousand separators), ffGeneral when the integer part has more than Precision
// digits. ffCurrency: as ffNumber placed by CurrencyFormat/NegCurrFormat.
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
String FloatToStrF(double Value, TFloatFormat Format, Integer Precision, Integer Digits);
// Picture formats ("0.00", "#,##0", "0.###E+00", "quoted" text, sections
// positive;negative;zero). The negative section shows the value without its sign; without one
// the positive section is used with a leading '-'. An empty format is FloatToStr.
String FormatFloat(StringView Format, double Value);

// Banker's rounding (halves to even) and truncation toward zero, as the runtime does them.
// A value outside the Int64 range, or NaN, raises EMathError "Invalid floating point operation".
Int64 Round(double Value);
Int64 Trunc(double Value);

// "-1"/"0", or "True"/"False" with UseBoolStrs.
String BoolToStr(bool B, bool UseBoolStrs = false);

}  // namespace gw
