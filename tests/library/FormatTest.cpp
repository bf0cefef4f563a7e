#include "library/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "library/Utf.h"

namespace {

struct FormatCase {
    const char* name;
    std::u16string_view format;
    std::vector<FormatArg> args;
    std::u16string_view expected;
};

constexpr char16_t kGhost[] = u"\U0001F47B";  // one character, two code units

TEST(FormatText, FillsEachConversion) {
    const FormatCase cases[] = {
        {"Signed", u"残り%d本", {-42}, u"残り-42本"},
        {"WidthAndFlags", u"[%5d|%-5d|%05d|%+d]", {42, 42, 42, 42}, u"[   42|42   |00042|+42]"},
        {"ZeroPaddedTime", u"%02d:%02d", {7, 30}, u"07:30"},
        {"Precision", u"%.3d", {7}, u"007"},
        {"LargeUnsigned", u"%u", {3000000000u}, u"3000000000"},
        {"UnsignedUnderPercentD",
         u"%d",
         {std::numeric_limits<uint64_t>::max()},
         u"18446744073709551615"},
        {"NegativeHexUsesCallersWidth", u"%x %X", {int32_t{-1}, int16_t{-1}}, u"ffffffff FFFF"},
        {"AlternateHex", u"%#x %o", {255, 8}, u"0xff 10"},
        {"LengthModifiersIgnored", u"%ld %lld %hd %zu", {1, 2, 3, 4u}, u"1 2 3 4"},
        {"Fixed", u"%f %.1f %6.2f", {1.5, 3.14159, 2.0}, u"1.500000 3.1   2.00"},
        {"Scientific", u"%e %g", {1500.0, 0.25}, u"1.500000e+03 0.25"},
        {"NotANumber", u"%f", {std::nan("")}, u"nan"},
        {"Text", u"[%s|%4s|%-4s|%.2s]", {u"宿", u"ab", u"ab", u"abc"}, u"[宿|  ab|ab  |ab]"},
        {"PrecisionKeepsSurrogatePairsWhole", u"[%.1s|%.2s]", {kGhost, kGhost}, u"[|\U0001F47B]"},
        {"CodeUnit", u"%c%3c", {u'宿', 65}, u"宿  A"},
        {"Percent", u"100%%", {}, u"100%"},
        {"ExtraArgumentsIgnored", u"%d", {1, 2, u"x"}, u"1"}};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(FormatText(c.format, c.args)), Utf16ToUtf8(c.expected)) << c.name;
    }
}

// Formats that do not fit the arguments (-1, 1.5, u"five", 0x10000), and malformed ones, come back
// exactly as written.
TEST(FormatText, HostileFormatsComeBackAsWritten) {
    for (const std::u16string_view format :
         {u"%s",        u"%d %d",       u"%d %f %d",
          u"%f",        u"%d %c",       u"%d %f %s %d %d",
          u"%u%%%s",    u"%d %f %s %c", u"%c",
          u"%d%n",      u"%*d",         u"%d %.*f",
          u"%1$d",      u"%q",          u"%p",
          u"%d %a",     u"50%",         u"%-08.3l",
          u"%5%",       u"%65d",        u"%99999999999999999999d",
          u"%d %.100f", u"%#d",         u"%d %f %05s",
          u"%.2c"}) {
        EXPECT_EQ(FormatText(format, -1, 1.5, u"five", 0x10000), format) << Utf16ToUtf8(format);
    }
}

TEST(FormatText, WidestAllowedWidthPads) {
    EXPECT_EQ(FormatText(u"%64d", 1), std::u16string(63, u' ') + u"1");
}

TEST(FormatText, LargestRealAtWidestPrecisionIsWhole) {
    const std::u16string text = FormatText(u"%64.64f", std::numeric_limits<double>::max());
    // 309 integer digits, the point and 64 decimals.
    EXPECT_EQ(text.size(), 309u + 1u + 64u);
    EXPECT_EQ(text.substr(0, 5), u"17976");
}

}  // namespace
