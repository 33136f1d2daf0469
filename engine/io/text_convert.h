#pragma once
// Conversions between text and numbers, as the data files use them.
#include "engine/core/text.h"
#include <cstdint>

namespace wispwood {

// Skips leading blanks, takes one "+" or "-", then "%" and binary digits,
// "$" and hexadecimal digits, or decimal digits, up to the first other
// character. No digits gives 0. Overflow wraps to 32 bits.
int TextToInt(const Text& text);
int64_t TextToLong(const Text& text);
// The C library's atof.
float TextToFloat(const Text& text);
double TextToDouble(const Text& text);

Text IntToText(int64_t value);
// printf "%#.9g" of the float's shortest decimal form: 0.5 gives
// "0.500000000", 0.8 gives "0.800000000".
Text FloatToText(float value);
// printf "%#.17g", enough digits to read back the same double.
Text DoubleToText(double value);

} // namespace wispwood
