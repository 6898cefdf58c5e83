// A small modal window with a calendar and an "Ok" button.
#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QPushButton;

namespace tallyman::gui {

class DatePickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DatePickerDialog(QDate initial, QWidget* parent = nullptr);

    QDate date() const;
    void setDate(QDate date);
    QCalendarWidget* calendar() const { return m_calendar; }
    QPushButton* okButton() const { return m_ok; }

signals:
    // Every change or click in the calendar, at once.
    void picked(QDate date);

private:
    QCalendarWidget* m_calendar;
    QPushButton* m_ok;
};

} // namespace tallyman::gui
