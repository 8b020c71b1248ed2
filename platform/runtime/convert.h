// Number <-> text conversions of the runtime. One integer conversion serves the whole program.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

String IntToStr(Int64 Value);
// Upper-case hexadecimal, at least Digits digits.
String IntToHex(Int64 Value, Integer Digits);
// Leading blanks, one sign, "$", "0x"/"0X" and "x"/"X" hexadecimal; nothing after the digits;
// range checked. StrToInt raises EConvertError "'<S>' is not a valid integer value".
Integer StrToInt(StringView S);
Integer StrToIntDef(StringView S, Integer Default);
bool TryStrToInt(StringView S, Integer& Value);
Int64 StrToInt64(StringView S);
Int64 StrToInt64Def(StringView S, Int64 Default);
bool TryStrToInt64(StringView S, Int64& Value);

// Floats use the program-wide FormatSettings' decimal separator.
double StrToFloat(StringView S);
double StrToFloatDef(StringView S, double Default);
bool TryStrToFloat(StringView S, double& Value);
String FloatToStr(double Value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
String FloatToStrF(double Value, TFloatFormat Format, Integer Precision, Integer Digits);
// Picture formats ("0.00", "#,##0", "0.###E+00", sections separated by ';').
String FormatFloat(StringView Format, double Value);

// Banker's rounding (halves to even) and truncation toward zero, as the runtime does them.
Int64 Round(double Value);
Int64 Trunc(double Value);

String BoolToStr(bool B, bool UseBoolStrs = false);

}  // namespace gw
