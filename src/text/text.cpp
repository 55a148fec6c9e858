#include "text/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace sweep {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Powers of ten as the nearest doubles; up to 1e22 they are exact. A float's exponent
// never needs more than 10^39, which the callers build from 10^38 by one more factor.
constexpr std::array<double, 39> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12,
    1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22, 1e23, 1e24, 1e25,
    1e26, 1e27, 1e28, 1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36, 1e37, 1e38};

double PowerOfTen(int n) {
  if (n >= 0 && n < static_cast<int>(kPowersOfTen.size())) return kPowersOfTen[n];
  return std::pow(10.0, n);
}

// The first digits are taken to 17 and then to the printed count, each time rounding half
// up, so a value can round up twice where a single rounding would not.
constexpr int kFirstRounding = 17;

// Room for the deciding digit after the 17 and the digits a later rounding looks at.
struct Digits {
  char digit[kFirstRounding + 1];
  int exponent;  // decimal exponent of digit[0]
};

// A double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactPrecision = 767;
// Enough digits that only a tail of exactly "50000000" leaves the half-up decision open.
constexpr int kQuickPrecision = 25;

// Writes a positive finite value in to_chars's scientific form, correctly rounded to
// `precision` significant digits, and reads back the first digits and the exponent.
// `tail` receives the digits after the one that decides the first rounding.
template <std::size_t N>
Digits Scientific(double a, int precision, std::array<char, N>& buffer, std::string_view& tail) {
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), a,
                                     std::chars_format::scientific, precision - 1);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
  const std::size_t e = text.find('e');
  // Digits come as "d.ddd…"; positions after the first sit one byte further on.
  Digits digits{};
  digits.digit[0] = text[0];
  for (int i = 1; i <= kFirstRounding; ++i) digits.digit[i] = text[static_cast<std::size_t>(i) + 1];
  tail = text.substr(kFirstRounding + 2, e - (kFirstRounding + 2));
  int exponent = 0;
  for (std::size_t i = e + 2; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
  digits.exponent = text[e + 1] == '-' ? -exponent : exponent;
  return digits;
}

// Keeps the first `keep` digits, raised by one when the next digit is 5 or more.
void RoundHalfUp(Digits& digits, int keep) {
  const bool up = digits.digit[keep] >= '5';
  for (int i = keep; i <= kFirstRounding; ++i) digits.digit[i] = '0';
  if (!up) return;
  for (int i = keep - 1; i >= 0; --i) {
    if (digits.digit[i] != '9') {
      ++digits.digit[i];
      return;
    }
    digits.digit[i] = '0';
  }
  digits.digit[0] = '1';  // 9.99… became 10.0…
  ++digits.exponent;
}

// The 17 significant digits of a positive finite value, rounded half up on its exact value.
Digits SeventeenDigits(double a) {
  std::array<char, 48> quick;
  std::string_view tail;
  Digits digits = Scientific(a, kQuickPrecision, quick, tail);
  // The quick digits are rounded to nearest at digit 25. A tail of 5 and zeros may stand for
  // an exact tail just below one half, so only then is the exact expansion needed.
  const bool openHalf = digits.digit[kFirstRounding] == '5' && tail.find_first_not_of('0') == tail.npos;
  if (openHalf) {
    std::array<char, kExactPrecision + 16> exact;
    digits = Scientific(a, kExactPrecision, exact, tail);
  }
  RoundHalfUp(digits, kFirstRounding);
  return digits;
}

void AppendExponent(Text& out, int exponent) {
  out += 'e';
  out += exponent < 0 ? '-' : '+';
  const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  char field[12];
  const auto written = std::to_chars(field, field + sizeof field, magnitude);
  for (auto width = written.ptr - field; width < 3; ++width) out += '0';
  out.append(field, written.ptr);
}

// General notation with `precision` significant digits ("%.13g", "%.6g").
Text FormatGeneral(double x, int precision) {
  if (std::isnan(x)) return "nan";
  if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
  if (x == 0) return "0";

  Digits digits = SeventeenDigits(std::fabs(x));
  RoundHalfUp(digits, precision);
  int count = precision;
  while (count > 1 && digits.digit[count - 1] == '0') --count;
  const char* d = digits.digit;
  const int exponent = digits.exponent;

  Text out;
  out.reserve(24);
  if (x < 0) out += '-';
  if (exponent < -4 || exponent >= precision) {
    out += d[0];
    if (count > 1) {
      out += '.';
      out.append(d + 1, d + count);
    }
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(d, d + count);
  } else {
    const int whole = exponent + 1;
    if (count <= whole) {
      out.append(d, d + count);
      out.append(static_cast<std::size_t>(whole - count), '0');
    } else {
      out.append(d, d + whole);
      out += '.';
      out.append(d + whole, d + count);
    }
  }
  return out;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips leading white space and an optional sign; tells whether the sign was '-'.
std::size_t SkipSpaceAndSign(std::string_view t, bool& negative) {
  std::size_t i = 0;
  while (i < t.size() && IsSpace(t[i])) ++i;
  negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  return i;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos, CodePage cp) {
  const std::size_t left = text.size() - pos;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  if (cp == CodePage::Gbk) return lead >= 0x80 && left >= 2 ? 2 : 1;

  // UTF-8: the second byte's range also rules out overlong forms, surrogates and values
  // above U+10FFFF.
  std::size_t length = 1;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 1;
  }
  if (left < length || byte(1) < low || byte(1) > high) return 1;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(byte(i))) return 1;
  return length;
}

Text UpperCase(std::string_view text, CodePage cp) {
  Text out(text);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t length = CharLength(out, i, cp);
    if (length == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    i += length;
  }
  return out;
}

std::string_view NoSuffixMarker(CodePage cp) {
  return cp == CodePage::Gbk ? std::string_view("\xCE\xDE") : std::string_view("\xE6\x97\xA0");
}

Text Suffix(std::string_view name, CodePage cp) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i, cp))
    if (name[i] == '.') dot = i;
  if (dot == std::string_view::npos) return Text(NoSuffixMarker(cp));
  return Text(name.substr(dot + 1));
}

Text MapFullWidth(std::string_view text, CodePage cp) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLength(text, i, cp);
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    char mapped = 0;
    if (cp == CodePage::Gbk && length == 2) {
      const unsigned code = (static_cast<unsigned>(byte(0)) << 8) | byte(1);
      if (code >= 0xA3A1 && code <= 0xA3FE) mapped = static_cast<char>(byte(1) - 0x80);
      else if (code == 0xA1A1) mapped = ' ';
      else if (code == 0xA1AB) mapped = '~';
      else if (code == 0xA1EE || code == 0xA1EF) mapped = '*';
    } else if (cp == CodePage::Utf8 && length == 3) {
      const unsigned code = ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
      if (code >= 0xFF01 && code <= 0xFF5E) mapped = static_cast<char>(code - 0xFEE0);
      else if (code == 0x3000) mapped = ' ';
    }
    if (mapped != 0) out += mapped;
    else out.append(text.substr(i, length));
    i += length;
  }
  return out;
}

Text RealToText(double x) { return FormatGeneral(x, 13); }

Text FloatToText(float f) { return FormatGeneral(RoundToSixDigits(f), 6); }

double RoundToSixDigits(float f) {
  const auto field = static_cast<int>((std::bit_cast<std::uint32_t>(f) >> 23) & 0xFFu);
  const int e = static_cast<std::int8_t>(static_cast<std::uint8_t>(field - 127));
  int k = static_cast<int>(Truncate(e * 0.30102999566398120));
  double p = PowerOfTen(k < 0 ? -k : k);
  const double a = std::fabs(static_cast<double>(f));
  const double m = k > 0 ? a / p : a * p;
  double v;
  if (m >= 10) {
    p = p * 10;
    k = k + 1;
    v = m * 10000;
  } else if (m < 1) {
    p = p * 10;
    k = k - 1;
    v = m * 1000000;
  } else {
    v = m * 100000;
  }
  double i = std::trunc(v);
  if (v - i >= 0.5) i = i + 1;
  const double s = f < 0 ? -p : p;
  return k > 0 ? i * (s * 0.00001) : i / (s * 100000);
}

double TextToReal(std::string_view text, CodePage cp) {
  const Text t = MapFullWidth(text, cp);
  bool negative;
  std::size_t i = SkipSpaceAndSign(t, negative);

  const std::size_t wholeStart = i;
  while (i < t.size() && IsDigit(t[i])) ++i;
  const std::string_view whole(t.data() + wholeStart, i - wholeStart);
  std::string_view fraction;
  if (i < t.size() && t[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    fraction = std::string_view(t.data() + fractionStart, i - fractionStart);
  }
  if (whole.empty() && fraction.empty()) return 0;

  // The exponent counts only when at least one digit follows the letter and its sign.
  std::string_view exponentText;
  long long exponent = 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    std::size_t j = i + 1;
    const bool exponentNegative = j < t.size() && t[j] == '-';
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < t.size() && IsDigit(t[j])) {
      exponent = std::min(exponent * 10 + (t[j] - '0'), 1000000000LL);
      ++j;
    }
    if (j > digitsStart) {
      exponentText = std::string_view(t.data() + i + 1, j - i - 1);
      if (exponentNegative) exponent = -exponent;
    } else {
      exponent = 0;
    }
  }

  std::string number;
  number.reserve(whole.size() + fraction.size() + exponentText.size() + 3);
  number += whole.empty() ? std::string_view("0") : whole;
  if (!fraction.empty()) {
    number += '.';
    number += fraction;
  }
  if (!exponentText.empty()) {
    number += 'e';
    number += exponentText.front() == '+' ? exponentText.substr(1) : exponentText;
  }

  double value = 0;
  const auto read = std::from_chars(number.data(), number.data() + number.size(), value,
                                    std::chars_format::general);
  if (read.ec == std::errc::result_out_of_range) {
    // Out of range only far beyond 1e308 or below 1e-324: the position of the first
    // non-zero digit tells which.
    const std::size_t firstWhole = whole.find_first_not_of('0');
    long long lead;
    if (firstWhole != std::string_view::npos) {
      lead = static_cast<long long>(whole.size() - firstWhole) - 1;
    } else {
      const std::size_t firstFraction = fraction.find_first_not_of('0');
      lead = -static_cast<long long>(firstFraction) - 1;
    }
    value = lead + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

std::int32_t TextToInteger(std::string_view text, CodePage cp) {
  const Text t = MapFullWidth(text, cp);
  bool negative;
  std::uint32_t value = 0;
  for (std::size_t i = SkipSpaceAndSign(t, negative); i < t.size() && IsDigit(t[i]); ++i)
    value = value * 10u + static_cast<std::uint32_t>(t[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

double RoundPlaces(double x, int n) {
  if (x == 0) return x;
  const double scale = PowerOfTen(n);
  const double scaled = std::fabs(x) * scale + 1e-12;
  // A value too large to scale has no places left to round.
  if (std::isinf(scaled) && std::isfinite(x)) return x;
  double whole = std::trunc(scaled);
  if (scaled - whole >= 0.5) whole = whole + 1;
  const double rounded = whole / scale;
  return x < 0 ? -rounded : rounded;
}

double IntegerDivide(double a, double b) {
  if (b == 0) return 0;
  return std::trunc(a / b);
}

std::int64_t Truncate(double x) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (std::isnan(x)) return 0;
  if (x >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (x < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(x);
}

}  // namespace sweep
