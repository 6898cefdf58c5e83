// Layout of the leave log: the three kinds side by side, each with its start balance, its
// balance and twenty rows of dates and days taken.
#include "gui/views/leave_log_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/trackers/leave_log_screen.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace tallyman::gui {

LeaveLogView::LeaveLogView(LeaveLogScreen& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogVac"));
    auto* layout = new QVBoxLayout(this);

    auto* menu = new QMenuBar;
    auto* help = menu->addAction(QString());
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->setShortcut(QKeySequence::HelpContents);
    bind(help, m.mnuHelp);
    layout->setMenuBar(menu);

    auto* heading = named(caption(m.Label1), "Label1");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    // Control names of each kind's boxes, as the program knows them.
    struct Names {
        const char *start, *balance, *dates, *counts;
    };
    constexpr std::array<Names, 3> names { {
        { "txtVacBal", "lbVacBal", "txtVdate", "txtVcnt" },
        { "txtHolBal", "lbHolBal", "txtHdate", "txtHcnt" },
        { "txtSickBal", "lbSickBal", "txtSdate", "txtScnt" },
    } };
    auto* kinds = new QHBoxLayout;
    const auto shown = m.kinds();
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const auto& kind = shown[k];
        auto* box = frame(QString::fromLatin1(kind.name));
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(1);
        grid->addWidget(staticText(QStringLiteral("Start Balance")), 0, 0);
        grid->addWidget(named(numberBox(kind.start, 6), names[k].start), 0, 1);
        grid->addWidget(staticText(QStringLiteral("Balance")), 1, 0);
        grid->addWidget(named(figureLabel(kind.balance, 8), names[k].balance), 1, 1);
        grid->addWidget(staticText(QStringLiteral("Dates")), 2, 0);
        grid->addWidget(staticText(QStringLiteral("#Taken")), 2, 1);
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            const int row = static_cast<int>(i);
            grid->addWidget(named(textBox(kind.dates[i], 11), names[k].dates, row), row + 3, 0);
            grid->addWidget(named(numberBox(kind.counts[i], 5), names[k].counts, row), row + 3, 1);
        }
        kinds->addWidget(box, 0, Qt::AlignTop);
    }
    layout->addLayout(kinds);

    auto* commands = new QHBoxLayout;
    commands->addWidget(named(commandButton(m.cmdClear), "cmdClear"));
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.OKButton), "OKButton"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
