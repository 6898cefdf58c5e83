// Layout of the printer offset dialog: the two shifts, the instruction, the commands.
#include "gui/views/printer_offset_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/printing/printer_offset.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

namespace {

// The lists offer -5 to +5; other whole numbers may be typed.
QComboBox* offsetBox(ui::ComboBox& model, const char* name)
{
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setObjectName(QString::fromLatin1(name));
    bind(box, model);
    return box;
}

} // namespace

PrinterOffsetView::PrinterOffsetView(PrinterOffsetDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPrintSet"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = caption(m.Label1);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading, 0, Qt::AlignHCenter);

    auto* form = new QFormLayout;
    form->addRow(caption(m.lbHorz), offsetBox(m.cboHorz, "cboHorz"));
    form->addRow(caption(m.lbVert), offsetBox(m.cboVert, "cboVert"));
    form->addRow(staticText(QStringLiteral("Week ending:")), named(caption(m.lbWeek), "lbWeek"));
    layout->addLayout(form);

    auto* instructions = caption(m.lbInstructions);
    instructions->setWordWrap(true);
    instructions->setMaximumWidth(360);
    layout->addWidget(instructions);

    auto* commands = new QHBoxLayout;
    commands->addWidget(named(commandButton(m.cmdApply), "cmdApply"));
    commands->addWidget(named(commandButton(m.cmdPreview), "cmdPreview"));
    commands->addWidget(named(commandButton(m.cmdTestPage), "cmdTestPage"));
    commands->addStretch(1);
    auto* print = named(commandButton(m.OKButton), "OKButton");
    print->setDefault(true);
    commands->addWidget(print);
    commands->addWidget(named(commandButton(m.CancelButton), "CancelButton"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
