// The plain clock's short dates: M/d/yyyy out, the same form read back.
#include "platform/plain_clock.h"

#include <gtest/gtest.h>

namespace tallyman::ui {
namespace {

struct FormatCase {
    Date date;
    const char* text;
};

class ShortDateFormat : public ::testing::TestWithParam<FormatCase> { };

TEST_P(ShortDateFormat, NoLeadingZerosFourDigitYear)
{
    const PlainClock clock({ 2026, 12, 9 });
    EXPECT_EQ(clock.shortDate(GetParam().date), GetParam().text);
    EXPECT_EQ(clock.parseShortDate(GetParam().text), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Dates, ShortDateFormat,
    ::testing::Values(FormatCase { { 2026, 12, 9 }, "12/9/2026" }, FormatCase { { 2026, 1, 1 }, "1/1/2026" },
        FormatCase { { 2000, 2, 29 }, "2/29/2000" }, FormatCase { { 1999, 10, 31 }, "10/31/1999" },
        FormatCase { { 987, 6, 5 }, "6/5/0987" }));

struct ParseCase {
    const char* text;
    std::optional<Date> date;
};

class ShortDateParse : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ShortDateParse, ReadsOnlyRealDatesInTheShortForm)
{
    const PlainClock clock({ 2026, 12, 9 });
    EXPECT_EQ(clock.parseShortDate(GetParam().text), GetParam().date) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ShortDateParse,
    ::testing::Values(ParseCase { "01/02/2026", Date { 2026, 1, 2 } },
        ParseCase { " 3/4/2026 ", Date { 2026, 3, 4 } }, ParseCase { "2/29/2024", Date { 2024, 2, 29 } },
        ParseCase { "2/29/2026", std::nullopt }, ParseCase { "2/29/1900", std::nullopt },
        ParseCase { "4/31/2026", std::nullopt }, ParseCase { "12/32/2026", std::nullopt },
        ParseCase { "13/1/2026", std::nullopt }, ParseCase { "0/1/2026", std::nullopt },
        ParseCase { "1/0/2026", std::nullopt }, ParseCase { "12/9/26", std::nullopt },
        ParseCase { "12/9/20261", std::nullopt }, ParseCase { "123/1/2026", std::nullopt },
        ParseCase { "12-9-2026", std::nullopt }, ParseCase { "12/9/2026x", std::nullopt },
        ParseCase { "1 2/9/2026", std::nullopt }, ParseCase { "", std::nullopt },
        ParseCase { "//", std::nullopt }, ParseCase { "-1/9/2026", std::nullopt }));

TEST(PlainClock, EveryDayOfALeapYearRoundTrips)
{
    const PlainClock clock({ 2024, 1, 1 });
    int days = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) {
            const Date date { 2024, month, day };
            if (!isValidDate(date))
                continue;
            ++days;
            EXPECT_EQ(clock.parseShortDate(clock.shortDate(date)), date);
        }
    EXPECT_EQ(days, 366);
}

TEST(PlainClock, TodayIsSettableAndSystemTodayIsADate)
{
    PlainClock clock({ 2026, 12, 9 });
    EXPECT_EQ(clock.today(), (Date { 2026, 12, 9 }));
    clock.setToday({ 2027, 1, 1 });
    EXPECT_EQ(clock.today(), (Date { 2027, 1, 1 }));
    EXPECT_TRUE(isValidDate(PlainClock().today()));
}

} // namespace
} // namespace tallyman::ui
