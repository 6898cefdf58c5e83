// Layout of the overtime tracker: the period and the figures on top, the rows in two blocks
// (the second only for weekly pay), the buttons at the bottom.
#include "gui/views/overtime_tracker_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/trackers/overtime_tracker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyman::gui {

namespace {

// One block of rows: "Week No.", " Week Ending", " O.T. Only".
QWidget* rowBlock(OvertimeTrackerScreen& m, int first, int last)
{
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setVerticalSpacing(1);
    grid->addWidget(staticText(QStringLiteral("Week No.")), 0, 0);
    grid->addWidget(staticText(QStringLiteral(" Week Ending")), 0, 1);
    grid->addWidget(staticText(QStringLiteral(" O.T. Only")), 0, 2);
    for (int row = first; row <= last; ++row) {
        const auto i = static_cast<std::size_t>(row);
        auto* number = staticText(QString::number(row + 1));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, row - first + 1, 0);
        grid->addWidget(named(textBox(m.Text1[i], 10), "Text1", row), row - first + 1, 1);
        grid->addWidget(named(numberBox(m.txtOT[i], 9), "txtOT", row), row - first + 1, 2);
    }
    return block;
}

// The rows' scroll area asks for the whole of its rows, so the window keeps its layout
// wherever it fits; only a window cut to the screen shows a scroll bar.
class RowsArea : public QScrollArea {
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->sizeHint() : QSize()) + QSize(frame, frame);
    }
};

} // namespace

OvertimeTrackerView::OvertimeTrackerView(OvertimeTrackerScreen& m, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    auto* layout = new QVBoxLayout(this);

    auto* period = new QHBoxLayout;
    period->addWidget(staticText(QStringLiteral("On:")));
    period->addWidget(named(caption(m.lbWk), "lbWk"));
    period->addSpacing(24);
    period->addWidget(staticText(QStringLiteral("OT Earned:")));
    period->addWidget(named(caption(m.lb_OT), "lb_OT"));
    period->addStretch(1);
    layout->addLayout(period);

    auto* figures = new QGridLayout;
    const auto entry = [&](int row, const char* text, QWidget* widget) {
        auto* label = staticText(QString::fromLatin1(text));
        label->setToolTip(widget->toolTip());
        figures->addWidget(label, row, 0);
        figures->addWidget(widget, row, 1);
    };
    entry(0, "Annual Salary", named(numberBox(m.txtAnnual, 10), "txtAnnual"));
    entry(1, "Enter Your Approved Percentage", named(numberBox(m.txtApPercent, 6), "txtApPercent"));
    entry(2, "OverTime Earned", named(figureLabel(m.lbEarned, 12), "lbEarned"));
    auto* percent = named(numberBox(m.txtPercent, 8), "txtPercent");
    percent->setReadOnly(true);
    entry(3, "You are at", percent);
    entry(4, "Max. allowable amount at approved percentage ", named(figureLabel(m.lbMax, 12), "lbMax"));
    entry(5, "Available overtime left", named(figureLabel(m.lbAvail, 12), "lbAvail"));
    figures->setColumnStretch(2, 1);
    layout->addLayout(figures);

    auto* rowsWidget = new QWidget;
    auto* rows = new QHBoxLayout(rowsWidget);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(rowBlock(m, 0, TrackerRowsShownFirstBlock - 1), 0, Qt::AlignTop);
    auto* second = frame(QString(), &m.Frame2);
    second->setObjectName(QStringLiteral("Frame2"));
    second->setFlat(true);
    auto* secondLayout = new QVBoxLayout(second);
    secondLayout->setContentsMargins(0, 0, 0, 0);
    secondLayout->addWidget(rowBlock(m, TrackerRowsShownFirstBlock, 52));
    rows->addWidget(second, 0, Qt::AlignTop);
    rows->addStretch(1);
    auto* area = new RowsArea;
    area->setObjectName(QStringLiteral("rowsArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(rowsWidget);
    m_rows = area;
    layout->addWidget(area, 1);
    // Bi-weekly pay hides the second block: the window narrows with it.
    follow(this, m.Frame2, [this](const ui::Control&) { fitToScreen(); });

    auto* commands = new QHBoxLayout;
    for (auto [button, name] : { std::pair { &m.cmdADD, "cmdADD" }, std::pair { &m.cmdAdvance, "cmdAdvance" },
             std::pair { &m.cmdUndo, "cmdUndo" }, std::pair { &m.cmdPrint, "cmdPrint" },
             std::pair { &m.cmdClose, "cmdClose" } })
        commands->addWidget(named(commandButton(*button), name));
    commands->addStretch(1);
    layout->addLayout(commands);

    bind(this, m);
    fitToScreen();
}

void OvertimeTrackerView::fitToScreen()
{
    m_rows->widget()->updateGeometry();
    m_rows->setMinimumHeight(0);
    adjustSize();
    const QScreen* shown = screen();
    if (!shown)
        return;
    // The frame's title bar and borders are not part of the window's own size.
    const QRect room = shown->availableGeometry();
    // Before the window is first shown its frame is not known: a title bar is allowed for.
    int frameHeight = frameGeometry().height() - height();
    if (frameHeight <= 0)
        frameHeight = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight), 2 * fontMetrics().height())
            + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int tallest = room.height() - frameHeight;
    const QSize wanted = sizeHint();
    if (wanted.height() <= tallest) {
        // Where it fits, the window keeps the whole of its rows, as it always has.
        m_rows->setMinimumHeight(m_rows->sizeHint().height());
        resize(wanted);
        return;
    }
    // Too tall: the rows scroll, with room beside them for the scroll bar.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_rows);
    resize(std::min(wanted.width() + bar, room.width()), tallest);
}

} // namespace tallyman::gui
