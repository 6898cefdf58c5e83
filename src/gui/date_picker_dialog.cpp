// The date picker window.
#include "gui/date_picker_dialog.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

DatePickerDialog::DatePickerDialog(QDate initial, QWidget* parent)
    : QDialog(parent)
    , m_calendar(new QCalendarWidget(this))
    , m_ok(new QPushButton(tr("Ok"), this))
{
    setWindowTitle(tr("Date"));
    setModal(true);
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(initial.isValid() ? initial : QDate::currentDate());
    m_ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);

    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] { emit picked(date()); });
    // A click on the day already selected changes nothing but still counts as picking it.
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate day) {
        if (day == date())
            emit picked(day);
    });
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QDate DatePickerDialog::date() const { return m_calendar->selectedDate(); }

void DatePickerDialog::setDate(QDate date) { m_calendar->setSelectedDate(date); }

} // namespace tallyman::gui
