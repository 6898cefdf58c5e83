// Formats, roundings, currency and number texts, checked against the worked values.
#include "numbers/currency.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>

using namespace tallyman;

struct FormatCase {
    double value;
    const char* comma; // "#,###.00"
    const char* dollar; // "$#,###.00"
    const char* plain; // "#####.00"
    const char* padded; // "000000.00"
};

class Formats : public ::testing::TestWithParam<FormatCase> { };

TEST_P(Formats, MatchEveryPattern)
{
    const auto& c = GetParam();
    EXPECT_EQ(formatCommaCents(c.value), c.comma);
    EXPECT_EQ(formatDollarCents(c.value), c.dollar);
    EXPECT_EQ(formatPlainCents(c.value), c.plain);
    EXPECT_EQ(formatZeroPaddedCents(c.value), c.padded);
}

INSTANTIATE_TEST_SUITE_P(Values, Formats,
    ::testing::Values(FormatCase { 0, ".00", "$.00", ".00", "000000.00" },
        FormatCase { 0.5, ".50", "$.50", ".50", "000000.50" },
        FormatCase { 1234.5, "1,234.50", "$1,234.50", "1234.50", "001234.50" },
        FormatCase { -3, "-3.00", "-$3.00", "-3.00", "-000003.00" },
        FormatCase { 0.125, ".13", "$.13", ".13", "000000.13" },
        FormatCase { 0.005, ".01", "$.01", ".01", "000000.01" },
        FormatCase { 2.675, "2.68", "$2.68", "2.68", "000002.68" },
        FormatCase { -0.004, ".00", "$.00", ".00", "000000.00" },
        FormatCase { 999.995, "1,000.00", "$1,000.00", "1000.00", "001000.00" },
        FormatCase { 1234567.891, "1,234,567.89", "$1,234,567.89", "1234567.89", "1234567.89" },
        FormatCase { -1234.565, "-1,234.57", "-$1,234.57", "-1234.57", "-001234.57" }));

TEST(PrintedNumber, DropsTheLeadingZeroAndPadsWithSpacesUnlessNegative)
{
    const std::pair<float, const char*> cases[] = {
        { 0.5f, " .5 " },
        { -0.25f, "-.25 " },
        { 0.f, " 0 " },
        { 1234.57f, " 1234.57 " },
        { -12.f, "-12 " },
        { 12345678.f, " 1.234568E+07 " },
        { 0.0625f, " .0625 " },
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatPrintedNumber(value), text) << value;
}

TEST(Percent, ShowsTheFractionWithUpToTwoDecimals)
{
    EXPECT_EQ(formatPercent(0.125), "12.5%");
    EXPECT_EQ(formatPercent(0.1), "10.%");
    EXPECT_EQ(formatPercent(0.05123), "5.12%");
    EXPECT_EQ(formatPercent(0), ".%");
}

struct RoundCase {
    double value;
    float cents;
};

class RoundCents : public ::testing::TestWithParam<RoundCase> { };

TEST_P(RoundCents, TiesGoAwayFromZeroOnTheDecimalText)
{
    EXPECT_EQ(roundCents(GetParam().value), GetParam().cents);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundCents,
    ::testing::Values(RoundCase { 0.125, 0.13f }, RoundCase { 0.005, 0.01f }, RoundCase { 2.675, 2.68f },
        RoundCase { -2.675, -2.68f }, RoundCase { 12.344999, 12.34f }, RoundCase { 0, 0.0f },
        // A float that prints as x.xx5 only in double: its 15-digit text decides.
        RoundCase { static_cast<double>(2.675f), 2.67f },
        // 1.005 is 1.00499999999999989... in binary but 1.00500000000000 at 15 digits.
        RoundCase { 1.005, 1.01f }));

TEST(RoundWhole, TiesGoToEven)
{
    EXPECT_EQ(roundWhole(12.5), 12);
    EXPECT_EQ(roundWhole(13.5), 14);
    EXPECT_EQ(roundWhole(-2.5), -2);
    EXPECT_EQ(roundWhole(2.4999), 2);
}

TEST(Currency, FromDoubleRoundsToNearestTenThousandthTiesToEven)
{
    // Products that land exactly on half a unit go to the even neighbour.
    EXPECT_EQ(Currency::fromDouble(0.00025).units(), 2);
    EXPECT_EQ(Currency::fromDouble(0.00035).units(), 4);
    EXPECT_EQ(Currency::fromDouble(0.12345).units(), 1234);
    EXPECT_EQ(Currency::fromDouble(2.00015).units(), 20002);
    EXPECT_EQ(Currency::fromDouble(0.000125).units(), 1);
    EXPECT_EQ(Currency::fromDouble(-300).units(), -3000000);
    EXPECT_EQ((Currency::fromDouble(0.1) + Currency::fromDouble(0.2)).units(), 3000);
}

TEST(Currency, OverflowIsReportedNotUndefined)
{
    EXPECT_THROW(Currency::fromDouble(1e30), NumberOverflow);
    EXPECT_THROW(Currency::fromUnits(INT64_MAX) + Currency::fromUnits(1), NumberOverflow);
    EXPECT_THROW(toAmount(1e300), NumberOverflow);
    EXPECT_EQ(toAmount(7.5e30), 7.5e30f);
    EXPECT_THROW(toInt16(40000), NumberOverflow);
    EXPECT_EQ(toInt16(2.5), 2);
}

struct TextCase {
    float value;
    const char* text;
};

class FloatText : public ::testing::TestWithParam<TextCase> { };

TEST_P(FloatText, SevenSignificantDigitsNoTrailingZeros)
{
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FloatText,
    ::testing::Values(TextCase { 7.5f, "7.5" }, TextCase { 0.062f, "0.062" }, TextCase { 11440, "11440" },
        TextCase { 999999, "999999" }, TextCase { 0.0525f, "0.0525" }, TextCase { 13.08f, "13.08" },
        TextCase { 0, "0" }, TextCase { -1, "-1" }, TextCase { 0.5f, "0.5" }, TextCase { 1e20f, "1E+20" },
        TextCase { 82.69f * 3, "248.07" }, TextCase { 16000000, "1.6E+07" },
        TextCase { 1234567, "1234567" }));

class ExactText : public ::testing::TestWithParam<TextCase> { };

// The 7-digit text where it reads back as the same float, more digits only where needed.
TEST_P(ExactText, ReadsBackAsTheSameFloat)
{
    EXPECT_EQ(exactText(GetParam().value), GetParam().text);
    EXPECT_EQ(std::strtof(exactText(GetParam().value).c_str(), nullptr), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, ExactText,
    ::testing::Values(TextCase { 12.5f, "12.5" }, TextCase { 0, "0" }, TextCase { 16000000, "1.6E+07" },
        TextCase { 99999.99f, "99999.99" }, TextCase { 123456.78f, "123456.78" },
        TextCase { 2061051.25f, "2061051.2" }, TextCase { 12345678, "12345678" },
        TextCase { -100000.05f, "-100000.05" }, TextCase { 5.199997f, "5.199997" }));

TEST(DoubleText, FifteenSignificantDigits)
{
    EXPECT_EQ(numberText(25600.0), "25600");
    EXPECT_EQ(numberText(0.05), "0.05");
    EXPECT_EQ(numberText(static_cast<double>(0.05f)), "0.0500000007450581");
    EXPECT_EQ(numberText(1234567890123.0), "1234567890123");
    // At 15 digits the largest doubles would round past the largest double: cut instead.
    for (double largest : { DBL_MAX, -DBL_MAX, 1.797693134862315e308 }) {
        const std::string text = numberText(largest);
        EXPECT_EQ(text, largest < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308");
        ASSERT_TRUE(strictNumber(text).has_value()) << text;
        EXPECT_EQ(numberText(*strictNumber(text)), text);
    }
    EXPECT_EQ(numberText(1.79769313486231e308), "1.79769313486231E+308");
}

struct LenientCase {
    const char* text;
    double value;
};

class Lenient : public ::testing::TestWithParam<LenientCase> { };

TEST_P(Lenient, TakesTheLeadingNumber) { EXPECT_DOUBLE_EQ(lenientNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Values, Lenient,
    ::testing::Values(LenientCase { "", 0 }, LenientCase { "40", 40 }, LenientCase { " 4 0 ", 40 },
        LenientCase { "12abc", 12 }, LenientCase { "abc", 0 }, LenientCase { "-", 0 },
        LenientCase { "1-2", 1 }, LenientCase { "1.2.3", 1.2 }, LenientCase { ".5", 0.5 },
        LenientCase { "-3.25", -3.25 }, LenientCase { "1E+3", 1000 }, LenientCase { "1,234", 1 },
        LenientCase { "$5", 0 }, LenientCase { "2e", 2 }));

struct StrictCase {
    const char* text;
    std::optional<double> value;
};

class Strict : public ::testing::TestWithParam<StrictCase> { };

TEST_P(Strict, AcceptsOnlyAWholeNumber) { EXPECT_EQ(strictNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Values, Strict,
    ::testing::Values(StrictCase { "7.5", 7.5 }, StrictCase { " 7.5 ", 7.5 }, StrictCase { "", std::nullopt },
        StrictCase { "-", std::nullopt }, StrictCase { "1.2.3", std::nullopt },
        StrictCase { "1-2", std::nullopt }, StrictCase { "$1,234.50", 1234.5 }, StrictCase { "-$3.00", -3.0 },
        StrictCase { ".50", 0.5 }, StrictCase { "1E+20", 1e20 }, StrictCase { "12abc", std::nullopt },
        StrictCase { "1e999", std::nullopt }));

#include "numbers/decimal.h"

#include <random>

// The arithmetic short cut for cents must agree with rounding the 15-digit text everywhere,
// near ties included.
TEST(RoundCents, ShortCutAgreesWithTheDigitText)
{
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> dollars(-2e6, 2e6);
    std::uniform_int_distribution<long long> mills(-2000000000LL, 2000000000LL);
    for (int i = 0; i < 200000; ++i) {
        // Half of the values sit on or right beside a half cent.
        const double value = i % 2
            ? dollars(random)
            : (static_cast<double>(mills(random)) * 10 + 5) / 1000 + (i % 3 - 1) * 1e-9;
        const auto text = detail::roundHalfAway(detail::toDecimal(value, 15), 2);
        const std::string expected = (text.negative ? "-" : "") + detail::integerDigits(text) + "."
            + detail::fractionDigits(text, 2);
        ASSERT_EQ(formatPlainCents(value), expected) << value;
        ASSERT_EQ(roundHalfAwayFromZero(value, 2), std::strtod(expected.c_str(), nullptr)) << value;
        ASSERT_EQ(roundCents(value), std::strtof(expected.c_str(), nullptr)) << value;
    }
}
