// Layout of the state tax settings: the bracket and allowance tables across the top, the
// special states, SDI, SUI and adjustment below, then the notes and the commands.
#include "gui/views/state_dialog_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/taxtables/state_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tallyman::gui {

namespace {

// A special-state box reacts to its press before it toggles; the space bar is a press too.
class SpacePress : public QObject {
public:
    SpacePress(QCheckBox* box, ui::CheckBox& model)
        : QObject(box)
        , m_model(&model)
        , m_alive(model.lifetime())
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && !m_alive.expired()) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
                m_model->mouseDown();
        }
        return false;
    }

private:
    ui::CheckBox* m_model;
    std::weak_ptr<const void> m_alive;
};

// The model runs its press handler on mouseDown; the space bar counts as a press too.
QCheckBox* specialStateBox(ui::CheckBox& model)
{
    auto* box = checkBox(model);
    new SpacePress(box, model);
    return box;
}

// The special-state boxes in the dialog's reading order, three to a row; a long caption takes a
// row of its own.
QGridLayout* specialStatesGrid(StateDialog& m)
{
    constexpr int PerRow = 3;
    constexpr std::size_t LongCaption = 16;
    std::array<const SpecialBox*, SpecialBoxes.size()> shown {};
    for (const SpecialBox& row : SpecialBoxes)
        shown[static_cast<std::size_t>(row.place)] = &row;

    auto* grid = new QGridLayout;
    int cell = 0;
    for (const SpecialBox* row : shown) {
        auto* widget = named(specialStateBox(m.*row->box), controlName(*row).c_str());
        if (std::string_view(row->state.caption).size() > LongCaption) {
            cell += (PerRow - cell % PerRow) % PerRow;
            grid->addWidget(widget, cell / PerRow, 0, 1, PerRow);
            cell += PerRow;
        } else {
            grid->addWidget(widget, cell / PerRow, cell % PerRow);
            ++cell;
        }
    }
    return grid;
}

// "% Rate" and the flat rate or wage base of SDI or SUI, with its Use Base box.
QGroupBox* insuranceFrame(ui::Label& frameModel, ui::Label& rateCaption, ui::TextBox& rate,
    ui::Label& baseCaption, ui::TextBox& base, ui::CheckBox& useBase, const char* which)
{
    auto* group = frame(QString(), &frameModel);
    auto* grid = new QGridLayout(group);
    grid->addWidget(caption(rateCaption), 0, 0);
    grid->addWidget(named(numberBox(rate, 10), ("txt" + std::string(which) + "percent").c_str()), 0, 1);
    grid->addWidget(caption(baseCaption), 1, 0);
    grid->addWidget(named(numberBox(base, 10), ("txt" + std::string(which) + "wageBase").c_str()), 1, 1);
    grid->addWidget(named(checkBox(useBase), ("ck" + std::string(which)).c_str()), 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

} // namespace

StateDialogView::StateDialogView(StateDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogState"));
    auto* layout = new QVBoxLayout(this);

    auto* tables = new QHBoxLayout;
    tables->addWidget(tableFrame(m.Label1, &m.Label19,
        FigureTable()
            .rowNumbers(m.Label6)
            .column(&m.Label2, m.txtStateMinBS, "txtStateMinBS")
            .column(&m.Label3, m.txtStateAmtBS, "txtStateAmtBS")
            .column(&m.Label4, m.txtStatePerBS, "txtStatePerBS")
            .build()));
    tables->addWidget(tableFrame(m.Label5, &m.Label20,
        FigureTable()
            .rowNumbers(m.Label11)
            .column(&m.Label8, m.txtStateMinBM, "txtStateMinBM")
            .column(&m.Label9, m.txtStateAmtBM, "txtStateAmtBM")
            .column(&m.Label10, m.txtStatePerBM, "txtStatePerBM")
            .build()));
    tables->addWidget(tableFrame(m.Label16, &m.Label21,
        FigureTable()
            .rowHeading(m.Label13)
            .rowCaptions(m.Label27)
            .captionsFollow(m.Frame3)
            .column(&m.Label14, m.txtStateSgExp, "txtStateSgExp")
            .column(&m.Label15, m.txtStateMarExp, "txtStateMarExp")
            .build()));
    layout->addLayout(tables);

    auto* middle = new QHBoxLayout;

    auto* special = new QGroupBox;
    auto* specialLayout = new QVBoxLayout(special);
    auto* specialHeading = caption(m.Label7);
    QFont bold = specialHeading->font();
    bold.setBold(true);
    specialHeading->setFont(bold);
    specialLayout->addWidget(specialHeading);
    specialLayout->addLayout(specialStatesGrid(m));
    specialLayout->addWidget(named(checkBox(m.ckSpouse), "ckSpouse"));
    specialLayout->addStretch(1);
    auto* switches = new QHBoxLayout;
    switches->addWidget(named(checkBox(m.ckRoundOff), "ckRoundOff"));
    switches->addWidget(named(checkBox(m.ckNoStateTax), "ckNoStateTax"));
    switches->addStretch(1);
    specialLayout->addLayout(switches);
    middle->addWidget(special);

    auto* insurance = new QVBoxLayout;
    insurance->addWidget(
        insuranceFrame(m.fraSDI, m.Label25, m.txtSDIpercent, m.Label26, m.txtSDIwageBase, m.ckSDI, "SDI"));
    insurance->addWidget(
        insuranceFrame(m.fraSUI, m.Label22, m.txtSUIpercent, m.Label23, m.txtSUIwageBase, m.ckSUI, "SUI"));
    middle->addLayout(insurance);

    auto* adjustment = frame(QString(), &m.fraAdjustment);
    auto* adjustmentGrid = new QGridLayout(adjustment);
    auto* adjustmentNote = caption(m.Label24);
    adjustmentNote->setWordWrap(true);
    adjustmentGrid->addWidget(adjustmentNote, 0, 0);
    adjustmentGrid->addWidget(named(numberBox(m.txtStateAdj, 10), "txtStateAdj"), 0, 1, Qt::AlignTop);
    auto* allowanceCaption = caption(m.Label28);
    allowanceCaption->setWordWrap(true);
    adjustmentGrid->addWidget(allowanceCaption, 1, 0);
    adjustmentGrid->addWidget(named(numberBox(m.txtCalAllow, 10), "txtCalAllow"), 1, 1, Qt::AlignTop);
    adjustmentGrid->setRowStretch(2, 1);
    adjustmentGrid->setColumnStretch(0, 1);
    middle->addWidget(adjustment, 1);
    layout->addLayout(middle);

    layout->addWidget(warningNote(m.Label18, m.Label17));
    for (auto* note : { &m.Label12, &m.Label29 }) {
        auto* text = caption(*note);
        text->setWordWrap(true);
        layout->addWidget(text);
    }

    auto* commands = new QHBoxLayout;
    const std::pair<ui::CommandButton*, const char*> presets[] = { { &m.cmdDefault, "cmdDefault" },
        { &m.cmdGetDefault, "cmdGetDefault" }, { &m.cmdMkDefault, "cmdMkDefault" },
        { &m.cmdClearAll, "cmdClearAll" }, { &m.cmdRest, "cmdRest" } };
    for (const auto& [command, name] : presets)
        commands->addWidget(named(commandButton(*command), name));
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.OKButton), "OKButton"));
    commands->addWidget(named(commandButton(m.CancelButton), "CancelButton"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
