#pragma once
// Conversions between text and numbers, as the data files use them.
#include "engine/core/text.h"
#include <cstdint>
#include <string_view>

namespace wispwood {

// Skips leading blanks, takes one "+" or "-", then "%" and binary digits,
// "$" and hexadecimal digits, or decimal digits, up to the first other
// character. No digits gives 0. Overflow wraps to 32 bits.
int TextToInt(const Text& text);
int64_t TextToLong(const Text& text);
// The C library's atof.
float TextToFloat(const Text& text);
double TextToDouble(const Text& text);

// Reads a decimal whole number ("-" allowed, nothing else before it) at the
// front of the text and moves past it; false, with the text left as it was,
// when there is none or it does not fit: for formats that must be read
// exactly rather than leniently.
bool TakeWholeNumber(std::string_view& text, int& value);

Text IntToText(int64_t value);
// printf "%#.9g" of the float's shortest decimal form: 0.5 gives
// "0.500000000", 0.8 gives "0.800000000".
Text FloatToText(float value);
// printf "%#.17g", enough digits to read back the same double.
Text DoubleToText(double value);

} // namespace wispwood
