// Layout of Check My Stub: one row per line of the stub (caption, the stub's box, Tallyman's
// figure, the difference, the causes), the summary, and the commands.
#include "gui/views/stub_check_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/stub_check.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

StubCheckView::StubCheckView(StubCheckScreen& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStubCheck"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = staticText(
        QStringLiteral("Type the figures of the pay stub; leave a box empty when the stub has no such line. "
                       "The hours are the "
                       "main window's. Compare computes the period as ADD does, without saving anything."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(10);
    const QString headings[] = { QStringLiteral("Line"), QStringLiteral("Stub"), QStringLiteral("Tallyman"),
        QStringLiteral("Difference"), QStringLiteral("Cause") };
    for (int c = 0; c < 5; ++c) {
        auto* heading = staticText(headings[c]);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, c, c >= 1 && c <= 3 ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (std::size_t i = 0; i < StubLineCount; ++i) {
        const int row = static_cast<int>(i) + 1;
        auto* line = named(caption(m.lbLine[i]), "lbLine", row - 1);
        auto* box = named(numberBox(m.txtStub[i], 10), "txtStub", row - 1);
        auto* tallyman = named(figureLabel(m.lbTallyman[i], 10), "lbTallyman", row - 1);
        auto* difference = named(figureLabel(m.lbDifference[i], 10), "lbDifference", row - 1);
        auto* cause = named(caption(m.lbCause[i]), "lbCause", row - 1);
        cause->setWordWrap(true);
        cause->setMinimumWidth(460);
        grid->addWidget(line, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(tallyman, row, 2);
        grid->addWidget(difference, row, 3);
        grid->addWidget(cause, row, 4);
        // A line more than a cent apart stands out; the model says which.
        follow(this, m.lbDifference[i], [&m, i, line, difference, cause](const ui::Control&) {
            const bool differs = m.rowDiffers(i);
            for (QLabel* label : { line, difference, cause }) {
                QFont font = label->font();
                font.setBold(differs);
                label->setFont(font);
                label->setStyleSheet(differs ? QStringLiteral("color: #b00000;") : QString());
            }
        });
    }
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    auto* summary = named(caption(m.lbSummary), "lbSummary");
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    summary->setWordWrap(true);
    layout->addWidget(summary);

    auto* commands = new QHBoxLayout;
    auto* compare = named(commandButton(m.cmdCompare), "cmdCompare");
    compare->setDefault(true);
    commands->addWidget(compare);
    commands->addWidget(named(commandButton(m.cmdPrint), "cmdPrint"));
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.cmdClose), "cmdClose"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
