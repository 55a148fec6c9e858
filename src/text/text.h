// Texts and numbers as the window holds them.
//
// A Text is a byte string in the program's code page: GBK (Windows code page 936) in the
// Windows program, UTF-8 in the Linux program. The figures of the window live only as
// label and cell texts, so every number that is added to a total is first parsed back
// from the text it was last printed as; the routines here do that printing and parsing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sweep {

using Text = std::string;

enum class CodePage { Gbk, Utf8 };

// The code page of the program being built.
constexpr CodePage ProgramCodePage() {
#if defined(FOLDERSWEEP_CODEPAGE_GBK)
  return CodePage::Gbk;
#else
  return CodePage::Utf8;
#endif
}

// Number of bytes of the character that starts at text[pos] (pos < text.size()).
// GBK: a byte of 0x80 or above takes the next byte with it (when there is one).
// UTF-8: the length of a valid sequence; one byte for a byte that starts none.
std::size_t CharLength(std::string_view text, std::size_t pos, CodePage cp);

// Maps the bytes a to z to A to Z, stepping over multi-byte characters whole,
// so the trail byte of a GBK character is never changed.
Text UpperCase(std::string_view text, CodePage cp);

// The marker that stands for "no suffix": the character 无 in the given code page.
std::string_view NoSuffixMarker(CodePage cp);

// The suffix of a file name: the text after the last "." (empty when the name ends in
// "."), or NoSuffixMarker when the name has no ".". The "." is searched character by
// character, so a byte hidden inside a multi-byte character is never taken for it.
Text Suffix(std::string_view name, CodePage cp);

// Full-width forms of the ASCII characters become ASCII, the ideographic space a blank.
Text MapFullWidth(std::string_view text, CodePage cp);

// "%.13g" done by hand: 17 significant digits rounded half up, those rounded half up to
// 13, fixed form for decimal exponents -4 to 12 and "1e+013" style otherwise, trailing
// zeros and a bare point removed.
Text RealToText(double x);

// The size column's form of a single-precision value: rounded to six significant digits
// by the program's own steps, then written like RealToText with six digits ("%.6g").
Text FloatToText(float f);

// The rounding step of FloatToText on its own, for tests: the value it then prints.
double RoundToSixDigits(float f);

// Reads a leading decimal number (after MapFullWidth): white space, sign, digits with an
// optional point, optional exponent after e, E, d or D. No digits gives 0.
double TextToReal(std::string_view text, CodePage cp = ProgramCodePage());

// Reads a leading decimal integer (after MapFullWidth), wrapping around at 32 bits.
std::int32_t TextToInteger(std::string_view text, CodePage cp = ProgramCodePage());

// Rounds half away from zero to n decimal places (with 1e-12 added before the cut).
double RoundPlaces(double x, int n);

// a / b truncated toward zero, as a real.
double IntegerDivide(double a, double b);

// A real truncated toward zero to a 64-bit integer.
std::int64_t Truncate(double x);

}  // namespace sweep
