// Layout of the check writer: date top right, payee and figure, words, memo, the employee.
#include "gui/views/check_writer_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/printing/check_writer.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tallyman::gui {

CheckWriterView::CheckWriterView(CheckWriter& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChecks"));
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar;
    auto* print = menu->addAction(QString());
    print->setObjectName(QStringLiteral("mnuPrintCheck"));
    bind(print, m.mnuPrintCheck);
    layout->setMenuBar(menu);

    auto* check = frame(QString());
    auto* grid = new QGridLayout(check);
    grid->addWidget(named(textBox(m.txtCheckCompany, 30), "txtCheckCompany"), 0, 0, 1, 2);
    grid->addWidget(caption(m.lbDate), 0, 3, Qt::AlignRight);
    grid->addWidget(named(textBox(m.txtCheckDate, 12), "txtCheckDate"), 0, 4);
    grid->addWidget(caption(m.lbPayTo), 1, 0);
    grid->addWidget(named(textBox(m.txtPayTo, 40), "txtPayTo"), 1, 1, 1, 2);
    grid->addWidget(caption(m.lbDollarSign), 1, 3, Qt::AlignRight);
    auto* figure = named(textBox(m.txtCheckAmt, 12), "txtCheckAmt");
    figure->setFont(figureFont());
    grid->addWidget(figure, 1, 4);
    grid->addWidget(named(textBox(m.txtDollars, 60), "txtDollars"), 2, 0, 1, 4);
    grid->addWidget(caption(m.lbDollars), 2, 4);
    grid->addWidget(named(textBox(m.txtUserName, 30), "txtUserName"), 3, 1);
    grid->addWidget(named(textBox(m.txtUserSSnum, 12), "txtUserSSnum"), 3, 2);
    grid->addWidget(named(textBox(m.txtUserAddress, 30), "txtUserAddress"), 4, 1);
    grid->addWidget(named(textBox(m.txtUserState, 30), "txtUserState"), 5, 1);
    grid->addWidget(caption(m.lbMemo), 6, 0);
    grid->addWidget(named(textBox(m.txtMemo, 30), "txtMemo"), 6, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(check);

    bind(this, m);
}

} // namespace tallyman::gui
