// The padded figure and the amount in words of a check.
#include "printing/amount_words.h"

#include <gtest/gtest.h>

using namespace tallyman::printing;

namespace {

struct Case {
    double netPay;
    const char* padded;
    const char* words; // nullptr: too large for the check
};

const Case Cases[] = {
    { 1234.56, "**1234.56", " One Thousand Two Hundred Thirty Four and 56/100" },
    { 1000, "**1000.00", " One Thousand and No/100" },
    { 100000, "100000.00", " One Hundred Thousand and No/100" },
    { 45, "****45.00", " Forty Five and No/100" },
    { 15.05, "****15.05", " Fifteen and 05/100" },
    { 5.25, "*****5.25", " Five and 25/100" },
    { 0, "*****0.00", "Zero and No/100" },
    { 0.45, "*****0.45", "Zero and 45/100" },
    { 7, "*****7.00", " Seven and No/100" },
    { 19, "****19.00", " Nineteen and No/100" },
    { 20, "****20.00", " Twenty and No/100" },
    { 21, "****21.00", " Twenty One and No/100" },
    { 99, "****99.00", " Ninety Nine and No/100" },
    { 100, "***100.00", " One Hundred and No/100" },
    { 101, "***101.00", " One Hundred One and No/100" },
    { 110, "***110.00", " One Hundred Ten and No/100" },
    { 999, "***999.00", " Nine Hundred Ninety Nine and No/100" },
    { 1001, "**1001.00", " One Thousand One and No/100" },
    { 1000.10, "**1000.10", " One Thousand and 10/100" },
    { 12345.67, "*12345.67", " Twelve Thousand Three Hundred Forty Five and 67/100" },
    { 40017.09, "*40017.09", " Forty Thousand Seventeen and 09/100" },
    { 999999.99, "999999.99", " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 99/100" },
    // Rounded to cents first, as the figure is: this one no longer fits.
    { 999999.995, "1000000.00", nullptr },
    { 1000000, "1000000.00", nullptr },
    { 25000000, "25000000.00", nullptr },
    // A negative net pay makes a zero check.
    { -12.5, "*****0.00", "Zero and No/100" },
};

} // namespace

TEST(AmountWords, PaddedFigureAndWords)
{
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.netPay);
        EXPECT_EQ(paddedAmount(c.netPay), c.padded);
        const auto words = amountInWords(c.netPay);
        if (c.words) {
            ASSERT_TRUE(words.has_value());
            EXPECT_EQ(*words, c.words);
        } else {
            EXPECT_FALSE(words.has_value());
        }
    }
}

TEST(AmountWords, PaddedFigureIsNineCharactersBelowAMillion)
{
    for (double amount : { 0.01, 0.99, 1.0, 9.99, 10.0, 99.99, 999.99, 9999.99, 99999.99, 123456.78 })
        EXPECT_EQ(paddedAmount(amount).size(), 9u) << amount;
}

TEST(AmountWords, SinglePrecisionNetPayNearAMillionIsTooLarge)
{
    // The net pay is a 32-bit value: 999999.99 is stored as 1000000.
    EXPECT_FALSE(amountInWords(static_cast<float>(999999.99)).has_value());
    EXPECT_EQ(amountInWords(static_cast<float>(999999.5)),
        " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 50/100");
}
