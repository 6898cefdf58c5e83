// The plain clock and its M/d/yyyy dates.
#include "platform/plain_clock.h"

#include <ctime>

namespace tallyman::ui {

namespace {

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// Reads between `min` and `max` digits at `pos`; false when there are too few or too many.
bool readNumber(const std::string& text, std::size_t& pos, std::size_t min, std::size_t max, int& value)
{
    std::size_t count = 0;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++count > max)
            return false;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return count >= min;
}

} // namespace

bool isValidDate(const Date& date)
{
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1
        && date.day <= daysInMonth(date.year, date.month);
}

PlainClock::PlainClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    m_today = { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday };
}

PlainClock::PlainClock(Date today)
    : m_today(today)
{ }

std::string PlainClock::shortDate(const Date& date) const { return monthDayYear(date); }

std::string monthDayYear(const Date& date)
{
    std::string year = std::to_string(date.year);
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + year;
}

std::optional<Date> PlainClock::parseShortDate(const std::string& text) const
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    Date date;
    if (!readNumber(text, pos, 1, 2, date.month) || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    if (!readNumber(text, pos, 1, 2, date.day) || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    if (!readNumber(text, pos, 4, 4, date.year))
        return std::nullopt;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos != text.size() || !isValidDate(date))
        return std::nullopt;
    return date;
}

} // namespace tallyman::ui
