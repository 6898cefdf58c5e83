// The table in use above, the shipped years and Install below.
#include "gui/views/fed_table_dialog_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/fed_table_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

FedTableDialogView::FedTableDialogView(FedTableDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FedTableDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* inUse = new QGroupBox(QStringLiteral("Table in use"));
    auto* inUseLayout = new QVBoxLayout(inUse);
    inUseLayout->addWidget(named(caption(m.lbVersion), "lbVersion"));
    inUseLayout->addWidget(named(caption(m.lbYear), "lbYear"));
    inUseLayout->addWidget(named(caption(m.lbWageBase), "lbWageBase"));
    auto* file = named(caption(m.lbFile), "lbFile");
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inUseLayout->addWidget(file);
    layout->addWidget(inUse);

    auto* install = new QHBoxLayout;
    install->addWidget(staticText(QStringLiteral("Year shipped:")));
    install->addWidget(named(comboBox(m.cboYear), "cboYear"));
    auto* installButton = named(commandButton(m.cmdInstall), "cmdInstall");
    install->addWidget(installButton);
    install->addStretch(1);
    layout->addLayout(install);
    layout->addWidget(
        staticText(QStringLiteral("Install writes Federal24.dtt in the data folder for every user;\n"
                                  "the previous file is kept as Federal24.dtt.bak.")));

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* close = named(commandButton(m.cmdClose), "cmdClose");
    close->setDefault(true);
    commands->addWidget(close);
    layout->addLayout(commands);
    bind(this, m);
}

} // namespace tallyman::gui
