// Layout of the non-city resident table: bi-weekly and weekly rows side by side, then the rate.
#include "gui/views/noncity_dialog_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/taxtables/noncity_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

NonCityDialogView::NonCityDialogView(NonCityDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogNonCity"));
    auto* layout = new QVBoxLayout(this);

    auto* tables = new QHBoxLayout;
    tables->addWidget(tableFrame(m.Label1, &m.Label2,
        FigureTable()
            .column(&m.Label3, m.txtNonMinBi, "txtNonMinBi")
            .column(&m.Label4, m.txtNonExpBi, "txtNonExpBi")
            .build()));
    tables->addWidget(tableFrame(m.Label5, &m.Label6,
        FigureTable()
            .column(&m.Label7, m.txtNonMinWk, "txtNonMinWk")
            .column(&m.Label8, m.txtNonExpWk, "txtNonExpWk")
            .build()));
    layout->addLayout(tables);

    auto* rate = new QHBoxLayout;
    auto* rateCaption = caption(m.Label9);
    rate->addWidget(rateCaption);
    rate->addWidget(named(numberBox(m.txtNonPer), "txtNonPer"));
    rate->addStretch(1);
    layout->addLayout(rate);

    layout->addWidget(warningNote(m.Label10, m.Label11));

    auto* commands = new QHBoxLayout;
    commands->addWidget(named(commandButton(m.cmdDefault), "cmdDefault"));
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.OKButton), "OKButton"));
    commands->addWidget(named(commandButton(m.CancelButton), "CancelButton"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
