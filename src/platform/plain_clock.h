// A clock for tests and the command line: a settable today and the short date M/d/yyyy.
#pragma once

#include "platform/dialogs.h"

namespace tallyman::ui {

// True for a real calendar date of the years 1 to 9999.
bool isValidDate(const Date& date);
// 12/9/2026: the form of printed dates and saved-period names, whatever the desktop's.
std::string monthDayYear(const Date& date);

class PlainClock : public Clock {
public:
    // Today is the local date of the system.
    PlainClock();
    explicit PlainClock(Date today);

    void setToday(Date today) { m_today = today; }
    Date today() const override { return m_today; }
    // 12/9/2026: month and day without leading zeros, four-digit year.
    std::string shortDate(const Date& date) const override;
    // Reads M/d/yyyy (leading zeros and surrounding blanks allowed); nothing for any other
    // text or for a day the calendar does not have.
    std::optional<Date> parseShortDate(const std::string& text) const override;

private:
    Date m_today;
};

} // namespace tallyman::ui
