#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "text/text.h"

namespace sweep {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr CodePage kGbk = CodePage::Gbk;
constexpr CodePage kUtf8 = CodePage::Utf8;

const char* PageName(CodePage cp) { return cp == kGbk ? "GBK" : "UTF-8"; }

// The size column: bytes to kilobytes the way the scan computes them, then printed.
Text SizeText(double bytes) {
  const double kilobytes = RoundPlaces(static_cast<double>(static_cast<float>(bytes)) / 1024.0, 5);
  return FloatToText(static_cast<float>(kilobytes));
}

TEST(FloatToText, SizeColumnTexts) {
  const struct {
    double bytes;
    const char* text;
  } cases[] = {
      {0, "0"},
      {1, "0.00098"},
      {1000, "0.97656"},
      {1023, "0.99902"},
      {1024, "1"},
      {1030, "1.00586"},
      {1234, "1.20508"},
      {1536, "1.5"},
      {1048576, "1024"},
      {16777217, "16384"},  // above 16 MiB the low bits are lost in the float
      {123456789, "120563"},
      {1073741824, "1.04858e+006"},
      {-1, "-0.00098"},  // a file that vanished before it was sized
  };
  for (const auto& c : cases) EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes << " bytes";
}

TEST(FloatToText, SixDigitRounding) {
  const struct {
    float f;
    const char* text;
  } cases[] = {
      // Ties are decided on the computed value, so they go either way.
      {100000.5f, "100001"},
      {123456.5f, "123456"},
      {999999.5f, "1e+006"},  // rounds to a seventh digit
      {1048576.0f, "1.04858e+006"},
      {-1048576.0f, "-1.04858e+006"},
      {3.1415927f, "3.14159"},
      {0.5f, "0.5"},
      {0.0001f, "0.0001"},
      {0.00001f, "1e-005"},
      {-0.0f, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToText(c.f), c.text) << c.f;

  EXPECT_DOUBLE_EQ(RoundToSixDigits(1048576.0f), 1048580.0);
  EXPECT_DOUBLE_EQ(RoundToSixDigits(-1234.5678f), -1234.57);
  EXPECT_DOUBLE_EQ(RoundToSixDigits(0.00097656f), 0.00097656);
}

TEST(FloatToText, ValuesNoFileHasStillPrint) {
  EXPECT_EQ(FloatToText(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(FloatToText(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(FloatToText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(FloatToText(std::numeric_limits<float>::max()), "3.40282e+038");
  EXPECT_EQ(FloatToText(1e-30f), "1e-030");
}

TEST(RealToText, GeneralNotationWithThirteenDigits) {
  const struct {
    double x;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1e13, "1e+013"},
      {1e-5, "1e-005"},
      {0.0001, "0.0001"},
      {0.00001234, "1.234e-005"},
      {1953.125, "1953.125"},
      {1.90735, "1.90735"},
      {1.00098, "1.00098"},
      {0.1, "0.1"},
      {42, "42"},
      {2000000, "2000000"},
      {1234567890123, "1234567890123"},
      {12345678901234, "1.234567890123e+013"},
      {9999999999999.5, "1e+013"},  // the carry moves the exponent
      {0.99999999999995, "1"},
      {-1.5, "-1.5"},
      {-0.00098, "-0.00098"},
      {-12345678901234, "-1.234567890123e+013"},
      {1e100, "1e+100"},
      {1.7976931348623157e308, "1.797693134862e+308"},
      {5e-324, "4.940656458412e-324"},
      {kInf, "inf"},
      {-kInf, "-inf"},
      {kNan, "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(RealToText(c.x), c.text) << c.x;
}

TEST(RealToText, RoundsTwiceHalfUp) {
  // The exact value lies below the 13-digit half (…1234|99998913…), so rounding once
  // gives …123; at 17 digits it becomes …12350000 first, which then rounds up.
  const double x = 1.2345678901235;
  char once[32];
  const auto end = std::to_chars(once, once + sizeof once, x, std::chars_format::scientific, 12).ptr;
  ASSERT_EQ(std::string(once, end), "1.234567890123e+00");
  EXPECT_EQ(RealToText(x), "1.234567890124");
}

TEST(RealToText, JustBelowASeventeenDigitHalf) {
  // Exactly 4.0854706536834999 4999999999500…e-8: digit 18 is 4, so the 17 digits stay
  // and the 13-digit rounding goes down. Rounded to 25 digits the tail reads 5 and zeros.
  EXPECT_EQ(RealToText(4.0854706536835e-08), "4.085470653683e-008");
}

// The 13-digit value of x taken from its exact decimal expansion, rounded half up at 17
// digits and then at 13, written so that from_chars can read it.
std::string SlowThirteenDigits(double x) {
  char buffer[800];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 780).ptr;
  const std::string text(buffer, end);
  const std::size_t e = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  int exponent = std::stoi(text.substr(e + 1));
  for (int keep : {17, 13}) {
    const bool up = digits[keep] >= '5';
    digits.replace(keep, std::string::npos, digits.size() - keep, '0');
    int i = keep - 1;
    for (; up && i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (up && i >= 0) ++digits[i];
    if (up && i < 0) {
      digits.insert(0, 1, '1');
      digits.pop_back();
      ++exponent;
    }
  }
  return (x < 0 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1, 12) + "e" +
         std::to_string(exponent);
}

double Read(const std::string& text) {
  double value = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(read.ptr, text.data() + text.size()) << text;
  return value;
}

TEST(RealToText, DigitsMatchTheExactExpansion) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> sizes(0, 4e6);
  for (int i = 0; i < 20000; ++i) {
    double x;
    switch (i % 3) {
      case 0: x = sizes(random); break;
      case 1: x = RoundPlaces(sizes(random) / 1024.0, 5); break;
      default: x = std::bit_cast<double>(random()); break;
    }
    if (!std::isfinite(x) || x == 0) continue;
    EXPECT_EQ(Read(RealToText(x)), Read(SlowThirteenDigits(x))) << RealToText(x) << " for " << x;
  }
}

TEST(RoundPlaces, HalfAwayFromZero) {
  const struct {
    double x;
    int places;
    double rounded;
  } cases[] = {
      {2.5, 0, 3},
      {-2.5, 0, -3},
      {2.4999, 0, 2},
      {1.005, 2, 1.01},       // 100.49999… before the nudge of 1e-12
      {0.000015, 5, 0.00002},  // 1.4999999999999998 likewise
      {3.0 / 1024, 5, 0.00293},
      {-3.0 / 1024, 5, -0.00293},
      {5.0 / 1048576, 5, 0},
      {6.0 / 1048576, 5, 0.00001},
      {15.0 / 1048576, 5, 0.00001},
      {2000000.0 / 1024, 5, 1953.125},
      {1953.125 / 1024, 5, 1.90735},
      {1025.0 / 1024, 5, 1.00098},
      {1e305, 5, 1e305},  // too large to scale: nothing left to round
  };
  for (const auto& c : cases)
    EXPECT_EQ(RoundPlaces(c.x, c.places), c.rounded) << c.x << " to " << c.places << " places";

  EXPECT_TRUE(std::signbit(RoundPlaces(-0.0, 5)));  // zero comes back as it was
  EXPECT_EQ(RoundPlaces(kInf, 5), kInf);
}

TEST(Truncate, TowardZeroAndSaturating) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const struct {
    double x;
    std::int64_t truncated;
  } cases[] = {
      {2.9, 2},          {-2.9, -2},   {0.99999, 0},  {1048576.0, 1048576}, {4294967296.5, 4294967296},
      {-9223372036854775808.0, kMin},  {1e19, kMax},  {-1e19, kMin},        {kInf, kMax},
      {-kInf, kMin},     {kNan, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Truncate(c.x), c.truncated) << c.x;
}

TEST(IntegerDivide, TowardZero) {
  EXPECT_EQ(IntegerDivide(25, 10), 2);
  EXPECT_EQ(IntegerDivide(-25, 10), -2);
  EXPECT_EQ(IntegerDivide(9, 10), 0);
  EXPECT_EQ(IntegerDivide(1e15 + 9, 10), 1e14);
  EXPECT_EQ(IntegerDivide(7, 0), 0);
}

TEST(TextToReal, ReadsALeadingNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1024", 1024},
      {"1024.9", 1024.9},
      {"1.04858e+006", 1048580},
      {"1.90735", 1.90735},
      {"  -12abc", -12},
      {"\t\n\v\f\r+7", 7},
      {".5", 0.5},
      {"5.", 5},
      {"1.5d3", 1500},
      {"1.5D-3", 0.0015},
      {"2E2", 200},
      {"1e", 1},  // an exponent needs a digit
      {"1e+", 1},
      {"1e-x", 1},
      {"1,5", 1},
      {"1.2.3", 1.2},
      {"", 0},
      {"abc", 0},
      {".", 0},
      {"-", 0},
      {"- 5", 0},
      {"e5", 0},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1e-400", 0},
      {"0.0000000000000000000000000000000000000000000000000000000001e-300", 0},
      {"0e99999999999999999999", 0},
  };
  for (const auto& c : cases) {
    for (CodePage cp : {kGbk, kUtf8})
      EXPECT_EQ(TextToReal(c.text, cp), c.value) << '"' << c.text << "\" in " << PageName(cp);
  }
  EXPECT_TRUE(std::signbit(TextToReal("-1e-400", kUtf8)));
  EXPECT_EQ(TextToReal("1" + std::string(400, '0'), kUtf8), kInf);
}

TEST(TextToReal, ReadsFullWidthForms) {
  const struct {
    const char* text;
    CodePage cp;
    double value;
  } cases[] = {
      {"\xA3\xB1\xA3\xB0\xA3\xB2\xA3\xB4", kGbk, 1024},                        // １０２４
      {"\xA1\xA1\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5\xA3\xE4\xA3\xB2", kGbk, -150},  // 　－１．５ｄ２
      {"\xA3\xB1\xA3\xC5\xA3\xB3", kGbk, 1000},                                  // １Ｅ３
      {"\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x92\xEF\xBC\x94", kUtf8, 1024},
      {"\xE3\x80\x80\xEF\xBC\x8D\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95\xEF\xBD\x84\xEF\xBC\x92", kUtf8,
       -150},
      // The other code page's full-width digits are not digits here.
      {"\xEF\xBC\x91", kGbk, 0},
      {"\xA3\xB1", kUtf8, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToReal(c.text, c.cp), c.value) << c.text;
}

TEST(TextToInteger, ReadsDigitsOnlyAndWraps) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"41", 41},
      {"1024.9", 1024},
      {"1.04858e+006", 1},
      {"  -12abc", -12},
      {"+42x", 42},
      {"2147483647", 2147483647},
      {"2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"4294967295", -1},
      {"4294967297", 1},
      {"-4294967297", -1},
      {"99999999999999999999", 1661992959},
      {"", 0},
      {"Kb", 0},
      {"-", 0},
  };
  for (const auto& c : cases) {
    for (CodePage cp : {kGbk, kUtf8})
      EXPECT_EQ(TextToInteger(c.text, cp), c.value) << '"' << c.text << "\" in " << PageName(cp);
  }
}

TEST(TextToInteger, ReadsFullWidthForms) {
  const struct {
    const char* text;
    CodePage cp;
    std::int32_t value;
  } cases[] = {
      {"\xA3\xB4\xA3\xB2", kGbk, 42},                  // ４２
      {"\xA1\xA1\xA3\xAD\xA3\xB5", kGbk, -5},          // 　－５
      {"\xA3\xB1\xA3\xAE\xA3\xB9", kGbk, 1},           // １．９
      {"\xEF\xBC\x94\xEF\xBC\x92", kUtf8, 42},
      {"\xE3\x80\x80\xEF\xBC\x8D\xEF\xBC\x95", kUtf8, -5},
      {"\xEF\xBC\x94\xEF\xBC\x92", kGbk, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInteger(c.text, c.cp), c.value) << c.text;
}

TEST(MapFullWidth, MapsOnlyTheListedForms) {
  const struct {
    const char* text;
    CodePage cp;
    const char* mapped;
  } cases[] = {
      {"\xA3\xA1\xA3\xC1\xA3\xFE", kGbk, "!A~"},  // first, a letter, last of the A3 row
      {"\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF", kGbk, " ~**"},
      {"\xB0\xA1x\xA3\xA0", kGbk, "\xB0\xA1x\xA3\xA0"},  // 啊 and A3A0 stay
      {"\x81\xA3\xB1", kGbk, "\x81\xA3\xB1"},            // A3 is a trail byte here
      {"\xA3", kGbk, "\xA3"},
      {"\xEF\xBC\x81\xEF\xBC\xA1\xEF\xBD\x9E", kUtf8, "!A~"},  // U+FF01, U+FF21, U+FF5E
      {"\xE3\x80\x80", kUtf8, " "},
      {"\xEF\xBC\x80\xEF\xBD\x9F\xE6\x96\x87", kUtf8, "\xEF\xBC\x80\xEF\xBD\x9F\xE6\x96\x87"},
      {"\xEF\xBC", kUtf8, "\xEF\xBC"},
  };
  for (const auto& c : cases) EXPECT_EQ(MapFullWidth(c.text, c.cp), c.mapped) << c.text;
}

TEST(CharLength, Gbk) {
  const struct {
    std::string_view text;
    std::size_t pos, length;
  } cases[] = {
      {"a", 0, 1},
      {"\xCE\xDE", 0, 2},
      {"\x80\x41", 0, 2},  // any high byte leads
      {"\xCE\xDE\x61", 1, 2},  // asked at a trail byte it still pairs it with the next
      {"a\xCE", 1, 1},         // a lead byte at the very end
  };
  for (const auto& c : cases) EXPECT_EQ(CharLength(c.text, c.pos, kGbk), c.length) << c.text;
}

TEST(CharLength, Utf8) {
  const struct {
    std::string_view text;
    std::size_t pos, length;
  } cases[] = {
      {"a", 0, 1},
      {"\xC3\xA9", 0, 2},
      {"\xE6\x96\x87", 0, 3},
      {"a\xE6\x96\x87", 1, 3},
      {"\xF0\x9F\x98\x80", 0, 4},
      {"\xF4\x8F\xBF\xBF", 0, 4},  // U+10FFFF
      // Bytes that start no valid sequence count as one byte each.
      {"\xE6\x96", 0, 1},
      {"\xC3", 0, 1},
      {"\x80", 0, 1},
      {"\xFF\xBF", 0, 1},
      {"\xE6\x41\x87", 0, 1},
      {"\xE6\x96\x41", 0, 1},
      {"\xF0\x9F\x98", 0, 1},
      {"\xC0\x80", 0, 1},          // overlong
      {"\xE0\x80\xAF", 0, 1},      // overlong
      {"\xED\xA0\x80", 0, 1},      // surrogate
      {"\xF4\x90\x80\x80", 0, 1},  // above U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(CharLength(c.text, c.pos, kUtf8), c.length) << c.text;
}

TEST(UpperCase, OnlyAsciiLettersOfSingleByteCharacters) {
  const struct {
    const char* text;
    CodePage cp;
    const char* upper;
  } cases[] = {
      {"a.Tmp_mp", kGbk, "A.TMP_MP"},
      {"az`{@[", kUtf8, "AZ`{@["},
      {"\xCE\xDE", kGbk, "\xCE\xDE"},
      {"\x81\x61z", kGbk, "\x81\x61Z"},  // 'a' as a trail byte stays
      {"\x81\x61z", kUtf8, "\x81\x41Z"},  // in UTF-8 the same byte is a letter
      {"\xE6\x96\x87" "a", kUtf8, "\xE6\x96\x87" "A"},
      {"\xC3z", kUtf8, "\xC3Z"},
      {"z\xCE", kGbk, "Z\xCE"},
  };
  for (const auto& c : cases) EXPECT_EQ(UpperCase(c.text, c.cp), c.upper) << c.text;
}

TEST(Suffix, TextAfterTheLastPointCharacterByCharacter) {
  const struct {
    const char* name;
    CodePage cp;
    const char* suffix;  // nullptr: no point, so the no-suffix marker
  } cases[] = {
      {"a.tmp", kGbk, "tmp"},
      {"archive.tmp.bak", kUtf8, "bak"},
      {"notes.", kGbk, ""},
      {".hidden", kUtf8, "hidden"},
      {"README", kGbk, nullptr},
      {"README", kUtf8, nullptr},
      {"", kUtf8, nullptr},
      {"x.\xCE\xDE", kGbk, "\xCE\xDE"},
      {"ab\x81.tmp", kGbk, nullptr},  // the point is the trail byte of 0x81 0x2E
      {"ab\x81.tmp", kUtf8, "tmp"},   // a stray byte is one character of its own
      {"a.b\xCE", kGbk, "b\xCE"},     // lead byte at the very end
      {"a\xCE", kGbk, nullptr},
      {"\xE6\x96\x87.tmp", kUtf8, "tmp"},  // 文.tmp
      {"\xE6\x96.tmp", kUtf8, "tmp"},       // a cut-off character does not hide the point
      {"\xCE\xC4.tmp", kGbk, "tmp"},        // 文.tmp in GBK
  };
  for (const auto& c : cases) {
    const Text expected = c.suffix ? Text(c.suffix) : Text(NoSuffixMarker(c.cp));
    EXPECT_EQ(Suffix(c.name, c.cp), expected) << c.name << " in " << PageName(c.cp);
  }
}

TEST(NoSuffixMarker, IsTheCharacterWuInEachCodePage) {
  EXPECT_EQ(NoSuffixMarker(kGbk), "\xCE\xDE");
  EXPECT_EQ(NoSuffixMarker(kUtf8), "\xE6\x97\xA0");
  EXPECT_EQ(UpperCase(NoSuffixMarker(kUtf8), kUtf8), NoSuffixMarker(kUtf8));
}

}  // namespace
}  // namespace sweep
