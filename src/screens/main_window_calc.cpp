// The ADD button's calculation with everything around it: settings brought up to date from
// the state and city dialogs, messages, result labels and the closing save.
#include "engine/calculation.h"
#include "engine/federal.h"
#include "engine/period_case.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/result_fields.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_commands.h"

namespace tallyman {

namespace {

// The calculation reads the state dialog's selections as they stand on the dialog.
void takeDialogSelections(const StateDialog& dialog, StateTaxSettings& state)
{
    const auto flag = [](const ui::CheckBox& box) { return static_cast<short>(box.value()); };
    for (const SpecialBox& row : SpecialBoxes)
        state.*row.state.flag = flag(dialog.*row.box);
    state.Spouse = flag(dialog.ckSpouse);
    state.RoundOff = flag(dialog.ckRoundOff);
    state.SDIUseBase = flag(dialog.ckSDI);
    state.SUIUseBase = flag(dialog.ckSUI);
}

std::array<ui::TextBox*, 6> adjustmentBoxes(StateDialog& dialog)
{
    return { &dialog.txtSDIpercent, &dialog.txtSDIwageBase, &dialog.txtStateAdj, &dialog.txtCalAllow,
        &dialog.txtSUIpercent, &dialog.txtSUIwageBase };
}

} // namespace

bool MainWindow::Calcu_late()
{
    App& app = m_app;
    // A dialog the person has open is used as it stands and stays open with its edits; the
    // others are re-created from their files and closed again afterwards.
    const bool stateShown = app.isLoaded(ScreenId::StateDialog) && app.stateDialog().shown();
    const bool cityShown = app.isLoaded(ScreenId::CityDialog) && app.cityDialog().shown();

    std::array<std::string, 8> amounts;
    for (std::size_t i = 0; i < amounts.size(); ++i)
        amounts[i] = txtAmount[i].text();
    std::array<std::string, 6> stateBoxes;
    // The calculation works on a copy, so that selections it reads from an open dialog do
    // not reach the files before the person saves that dialog.
    StateTaxSettings calcState = app.state;
    CalcLabels labels;
    std::vector<Notice> notices;

    CalcContext context {
        .txtAmount = amounts,
        .opt1xSelected = opt1x.selected(),
        .ckFedJan = ckFedJan.value() == 1,
        .profile = app.profile,
        .state = calcState,
        .city = app.city,
        .nonCity = app.nonCity,
        .stateBoxes = stateBoxes,
        .ledger = app.ledger.totals(),
        .fedFolders = FedTableFolders { app.folder().dir(), app.installedData() },
        .fedTable = app.fedTable,
        .pay = app.pay,
        .utah = app.utah,
        .labels = labels,
        .notices = notices,
        .refreshSettings = [&] { refreshCalcSettings(stateShown, cityShown, calcState, stateBoxes); },
    };

    const bool computed = tallyman::Calcu_late(context);
    app.showNotices(notices);

    if (computed) {
        m_restoredNotComputed = false;
        for (std::size_t i = 0; i < amounts.size(); ++i)
            txtAmount[i].setText(amounts[i]);
        for (const ResultField& field : resultFields())
            resultLabel(*this, field).setText(calculatedText(labels, field));
        lbTaxVer.setText(labels.lbTaxVer);
        // An open tracker heads itself with the period just computed.
        if (app.isLoaded(ScreenId::OvertimeTracker)) {
            OvertimeTrackerScreen& tracker = app.overtimeTracker();
            tracker.lb_OT.setText(lbOverT.text());
            tracker.lbWk.setText(txtWeek.text());
        }
        if (app.isLoaded(ScreenId::StateDialog)) {
            const auto boxes = adjustmentBoxes(app.stateDialog());
            for (std::size_t i = 0; i < boxes.size(); ++i)
                boxes[i]->setText(stateBoxes[i]);
        }
        app.saveUser().save(true);
    }

    if (!cityShown)
        app.close(ScreenId::CityDialog);
    if (!stateShown)
        app.close(ScreenId::StateDialog);
    return computed;
}

void MainWindow::refreshCalcSettings(
    bool stateShown, bool cityShown, StateTaxSettings& calcState, std::array<std::string, 6>& stateBoxes)
{
    App& app = m_app;
    if (!cityShown) {
        app.close(ScreenId::CityDialog);
        app.cityDialog();
    }
    if (!stateShown) {
        app.close(ScreenId::StateDialog);
        app.stateDialog();
    }
    calcState = app.state;
    StateDialog& dialog = app.stateDialog();
    takeDialogSelections(dialog, calcState);
    const auto boxes = adjustmentBoxes(dialog);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        stateBoxes[i] = boxes[i]->text();
}

PeriodCase MainWindow::periodCase(std::vector<Notice>& notices)
{
    App& app = m_app;
    const bool stateShown = app.isLoaded(ScreenId::StateDialog) && app.stateDialog().shown();
    const bool cityShown = app.isLoaded(ScreenId::CityDialog) && app.cityDialog().shown();
    PeriodCase period;
    for (std::size_t i = 0; i < period.txtAmount.size(); ++i)
        period.txtAmount[i] = txtAmount[i].text();
    period.opt1xSelected = opt1x.selected();
    period.ckFedJan = ckFedJan.value() == 1;
    // ADD takes the cafeteria amount before the files are read again; so does this.
    const Amount cafe = app.profile.Cafe;
    tallyman::LoadFedTable(period.fedTable, period.ckFedJan,
        FedTableFolders { app.folder().dir(), app.installedData() }, notices);
    // The settings refresh may touch the period's state tax (the Iowa and Missouri presets):
    // what the window shows stays as it was.
    const PayResult pay = app.pay;
    const UtahWork utah = app.utah;
    refreshCalcSettings(stateShown, cityShown, period.state, period.stateBoxes);
    app.pay = pay;
    app.utah = utah;
    period.profile = app.profile;
    period.profile.Cafe = cafe;
    period.city = app.city;
    period.nonCity = app.nonCity;
    period.ledger = app.ledger.totals();
    period.pay = pay;
    period.utah = utah;
    if (!cityShown)
        app.close(ScreenId::CityDialog);
    if (!stateShown)
        app.close(ScreenId::StateDialog);
    return period;
}

} // namespace tallyman
