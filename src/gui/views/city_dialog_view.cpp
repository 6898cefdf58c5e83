// Layout of the city tax tables: single and married brackets, the allowance table, commands.
#include "gui/views/city_dialog_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/taxtables/city_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

CityDialogView::CityDialogView(CityDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogCity"));
    auto* layout = new QVBoxLayout(this);

    auto* tables = new QHBoxLayout;
    tables->addWidget(tableFrame(m.Label1, &m.Label19,
        FigureTable()
            .column(&m.Label2, m.txtCityMinBS, "txtCityMinBS")
            .column(&m.Label3, m.txtCityAmtBS, "txtCityAmtBS")
            .column(&m.Label4, m.txtCityPerBS, "txtCityPerBS")
            .build()));
    tables->addWidget(tableFrame(m.Label5, &m.Label20,
        FigureTable()
            .column(&m.Label8, m.txtCityMinBM, "txtCityMinBM")
            .column(&m.Label9, m.txtCityAmtBM, "txtCityAmtBM")
            .column(&m.Label10, m.txtCityPerBM, "txtCityPerBM")
            .build()));
    layout->addLayout(tables);

    auto* lower = new QHBoxLayout;
    lower->addWidget(tableFrame(m.Label16, nullptr,
        FigureTable()
            .rowHeading(m.Label13)
            .rowCaptions(m.Label27)
            .column(&m.Label14, m.txtCitySgExp, "txtCitySgExp")
            .column(&m.Label15, m.txtCityMarExp, "txtCityMarExp")
            .build()));

    auto* side = new QVBoxLayout;
    side->addWidget(warningNote(m.Label18, m.Label17));
    auto* weekly = caption(m.Label12);
    weekly->setWordWrap(true);
    side->addWidget(weekly);
    side->addSpacing(8);
    side->addWidget(named(checkBox(m.ckNoLocalTax), "ckNoLocalTax"));
    side->addStretch(1);
    auto* presets = new QHBoxLayout;
    presets->addWidget(named(commandButton(m.cmdDefault), "cmdDefault"));
    presets->addWidget(named(commandButton(m.cmdClearMe), "cmdClearMe"));
    presets->addStretch(1);
    side->addLayout(presets);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.OKButton), "OKButton"));
    commands->addWidget(named(commandButton(m.CancelButton), "CancelButton"));
    side->addLayout(commands);
    lower->addLayout(side, 1);
    layout->addLayout(lower);

    bind(this, m);
}

} // namespace tallyman::gui
