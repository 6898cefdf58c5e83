// The desktop's clock and short dates.
#include "gui/qt_clock.h"

#include "gui/qt_text.h"

#include <QDate>

namespace tallyman::gui {

QString widenYear(const QString& format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        if (!quoted && c == QLatin1Char('y')) {
            qsizetype run = 0;
            while (i + run < format.size() && format[i + run] == QLatin1Char('y'))
                ++run;
            out += QStringLiteral("yyyy");
            i += run;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

QtClock::QtClock(const QLocale& locale)
    : m_locale(locale)
    , m_format(widenYear(locale.dateFormat(QLocale::ShortFormat)))
{ }

ui::Date QtClock::today() const
{
    const QDate date = QDate::currentDate();
    return { date.year(), date.month(), date.day() };
}

std::string QtClock::shortDate(const ui::Date& date) const
{
    return str(m_locale.toString(QDate(date.year, date.month, date.day), m_format));
}

std::optional<ui::Date> QtClock::parseShortDate(const std::string& text) const
{
    const QDate date = m_locale.toDate(qt(text).trimmed(), m_format);
    if (!date.isValid())
        return std::nullopt;
    return ui::Date { date.year(), date.month(), date.day() };
}

} // namespace tallyman::gui
