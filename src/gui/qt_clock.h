// Today's date and the desktop's short date form, always with a four-digit year.
#pragma once

#include "platform/dialogs.h"

#include <QLocale>
#include <QString>

namespace tallyman::gui {

// A Qt date format with every year field written with four digits ("M/d/yy" -> "M/d/yyyy").
QString widenYear(const QString& format);

class QtClock : public ui::Clock {
public:
    explicit QtClock(const QLocale& locale = QLocale::system());

    ui::Date today() const override;
    std::string shortDate(const ui::Date& date) const override;
    std::optional<ui::Date> parseShortDate(const std::string& text) const override;

    const QString& format() const { return m_format; }

private:
    QLocale m_locale;
    QString m_format;
};

} // namespace tallyman::gui
