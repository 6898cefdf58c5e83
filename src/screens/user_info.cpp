// The User Info screen: load, fillVar_, Save, Close, ClearAll and the K-plan boxes.
#include "screens/user_info.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/entry_numbers.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"

#include <array>
#include <initializer_list>

namespace tallyman {

namespace {

const std::vector<std::string> Statuses { "Single", "Married" };
const std::vector<std::string> Exemptions { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
// By W4FilingStatus.
const std::vector<std::string> W4Statuses { "Single or married filing separately", "Married filing jointly",
    "Head of household" };

// The W-4 amounts as their boxes are captioned, for the messages.
constexpr const char* Step3Field = "Step 3 (credits)";
constexpr const char* Step4aField = "Step 4(a) (other income)";
constexpr const char* Step4bField = "Step 4(b) (deductions)";

// A strict number that may not be negative: the form asks for amounts a year.
std::optional<std::string> w4AmountProblem(const std::string& text, const char* field)
{
    if (auto problem = strictAmountProblem(text, field))
        return problem;
    if (*strictAmount(text) < 0)
        return std::string(field) + " must not be negative.";
    return std::nullopt;
}

// What the caption boxes show when they are empty at load.
constexpr std::array<const char*, 5> LoadCaptions { "CrUnion", "Bond", "Dues", "Pension", "Health Ins" };

} // namespace

std::string tableNotice(const EmployeeProfile& profile)
{
    return paysWeekly(profile) ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

UserInfoScreen::UserInfoScreen(App& app)
    : m_app(app)
{
    setTitle("User Info");
    for (ui::TextBox* box : { &txtHourRate, &txtHourRate2, &txtTipsRate, &txtFedAddL, &txtPension, &txtMuni,
             &txtBond, &txtDues, &txtMisc, &txtKplan, &txtCafe })
        box->setNumeric(true);
    optWeek.setCaption("Weekly");
    optBiWeek.setCaption("Bi-Weekly");
    optWeek.setGroup({ &optWeek, &optBiWeek });
    optBiWeek.setGroup({ &optWeek, &optBiWeek });
    cboStatus.setItems(Statuses);
    cboStatus2.setItems(Statuses);
    cboDepend.setItems(Exemptions);
    cboDepend2.setItems(Exemptions);
    optW4Before2020.setCaption("2019 or earlier");
    optW4From2020.setCaption("2020 or later");
    optW4Before2020.setGroup({ &optW4Before2020, &optW4From2020 });
    optW4From2020.setGroup({ &optW4Before2020, &optW4From2020 });
    optW4Before2020.setValue(-1);
    optW4Before2020.onClick = [this] { enableW4Fields(); };
    optW4From2020.onClick = [this] { enableW4Fields(); };
    cboW4Status.setItems(W4Statuses);
    cboW4Status.setListIndex(0);
    ckW4Step2.setCaption("Step 2: multiple jobs or spouse works");
    for (ui::TextBox* box : { &txtW4Step3, &txtW4Step4a, &txtW4Step4b })
        box->setNumeric(true);
    enableW4Fields();
    ckFedExemp.setCaption("Federal Tax Exempt");
    ckSSMediExemp.setCaption("Soc. Sec.  Medicare Tax Exempt");
    ckNonCity.setCaption("NON-CITY Resident");
    ckCafeState.setCaption("Deduct State");
    ckSelfEmp.setCaption("Self Employed");
    cmdOk.setCaption("Save");
    Command1.setCaption("Close");

    // Checking or unchecking one K-plan box unchecks the other (and only that one).
    ckKpFix.onClick = [this] {
        if (m_kplanSettling)
            return;
        m_kplanSettling = true;
        ckKpPer.setValue(0);
        m_kplanSettling = false;
    };
    ckKpPer.onClick = [this] {
        if (m_kplanSettling)
            return;
        m_kplanSettling = true;
        ckKpFix.setValue(0);
        m_kplanSettling = false;
    };
    cboStatus.setToolTip("Set Status");
    cboDepend.setToolTip("Set Exemptions");
    cboDepend2.setToolTip("Set Exemptions");
    cmdOk.onClick = [this] { cmdOk_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    onCloseRequested = [this] { Command1_Click(); };
}

void UserInfoScreen::setKplanBoxes(int fix, int per)
{
    ckKpFix.setValue(fix);
    ckKpPer.setValue(per);
}

void UserInfoScreen::load()
{
    EmployeeProfile& p = m_app.profile;
    if (p.FedExemptions.empty())
        p.FedExemptions = "0";
    if (p.FedStatus.empty())
        p.FedStatus = "Single";
    if (p.StateStatus.empty() || p.StateStatus == "0")
        p.StateStatus = "Single";
    if (p.Name.empty())
        p.Name = "Employee's Name";
    if (p.Address.empty())
        p.Address = "Employee's Address for Check";
    if (p.StateCityZip.empty())
        p.StateCityZip = "City, State Zip Code";
    if (p.SSnum.empty())
        p.SSnum = "Soc Sec #";

    if (p.Week == 0 && p.BiWeek == 0) {
        p.Week = -1;
        optWeek.setValue(-1);
    }

    if (p.KpPer == 0 && p.KpFix == 0) {
        p.KpPer = 1;
        ckKpPer.setValue(1);
    } else if (p.KpPer == 1) {
        ckKpPer.setValue(1);
        p.KpFix = 0;
    } else if (p.KpFix == 1) {
        ckKpFix.setValue(1);
        p.KpPer = 0;
    }

    showProfile();

    std::array<ui::TextBox*, 5> captions { &txtTax5, &txtTax6, &txtTax7, &txtTax8, &txtTax9 };
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i]->text().empty())
            captions[i]->setText(LoadCaptions[i]);

    if (lenientNumber(txtHourRate.text()) == 0)
        txtHourRate.setText("7.5");

    fillVar_();
}

// The fields kept in the profile file set, in their boxes (no handler but the K-plan boxes
// reacts, so the order is free).
void UserInfoScreen::showFileSetFields()
{
    const EmployeeProfile& p = m_app.profile;
    txtHourRate.setText(numberText(p.HourRate));
    txtHourRate2.setText(numberText(p.HourRate2));
    txtTipsRate.setText(numberText(p.TipsRate));
    optWeek.setValue(p.Week);
    optBiWeek.setValue(p.BiWeek);
    cboStatus.setText(p.FedStatus);
    cboDepend.setText(p.FedExemptions);
    ckNonCity.setValue(p.NonCity);
    txtTax5.setText(p.Tax5);
    txtTax6.setText(p.Tax6);
    txtTax7.setText(p.Tax7);
    txtTax8.setText(p.Tax8);
    txtTax9.setText(p.Tax9);
    txtMuni.setText(numberText(p.Muni));
    txtBond.setText(numberText(p.Bond));
    txtDues.setText(numberText(p.Dues));
    txtMisc.setText(numberText(p.Misc));
    txtPension.setText(numberText(p.Pension));
    txtKplan.setText(numberText(p.Kplan));
    setKplanBoxes(p.KpFix, p.KpPer);
    txtCafe.setText(numberText(p.Cafe));
    ckCafeState.setValue(p.CafeState);
    ckSelfEmp.setValue(p.SelfEmp);
    txtName.setText(p.Name);
    txtAddress.setText(p.Address);
    txtStateCityZip.setText(p.StateCityZip);
    txtSSnum.setText(p.SSnum);
    showW4();
}

void UserInfoScreen::showW4()
{
    const W4Certificate& w4 = m_app.profile.W4;
    (w4.Form == W4Form::From2020 ? optW4From2020 : optW4Before2020).setValue(-1);
    cboW4Status.setListIndex(static_cast<int>(w4.Status));
    ckW4Step2.setValue(w4.Step2 ? 1 : 0);
    txtW4Step3.setText(numberText(w4.Step3));
    txtW4Step4a.setText(numberText(w4.Step4a));
    txtW4Step4b.setText(numberText(w4.Step4b));
    enableW4Fields();
}

void UserInfoScreen::enableW4Fields()
{
    const bool from2020 = optW4From2020.selected();
    for (ui::Control* control : std::initializer_list<ui::Control*> {
             &cboW4Status, &ckW4Step2, &txtW4Step3, &txtW4Step4a, &txtW4Step4b })
        control->setEnabled(from2020);
    cboStatus.setEnabled(!from2020);
    cboDepend.setEnabled(!from2020);
}

// Like the strict rates, an amount that does not convert keeps the value in memory.
void UserInfoScreen::takeW4()
{
    W4Certificate& w4 = m_app.profile.W4;
    w4.Form = optW4From2020.selected() ? W4Form::From2020 : W4Form::Before2020;
    if (const int index = cboW4Status.listIndex(); index >= 0 && index < static_cast<int>(W4Statuses.size()))
        w4.Status = static_cast<W4FilingStatus>(index);
    w4.Step2 = ckW4Step2.value() != 0;
    const auto strict = [](const ui::TextBox& box, Amount& field) {
        if (const auto value = strictAmount(box.text()); value && *value >= 0)
            field = *value;
    };
    strict(txtW4Step3, w4.Step3);
    strict(txtW4Step4a, w4.Step4a);
    strict(txtW4Step4b, w4.Step4b);
}

void UserInfoScreen::showProfile()
{
    showFileSetFields();
    // The five values the state file carries.
    const EmployeeProfile& p = m_app.profile;
    ckFedExemp.setValue(p.FedExemp);
    ckSSMediExemp.setValue(p.SSMediExemp);
    txtFedAddL.setText(numberText(p.FedAddL));
    cboStatus2.setText(p.StateStatus);
    cboDepend2.setText(numberText(static_cast<int>(p.StateExemptions)));
}

void UserInfoScreen::showLoadedProfile()
{
    showFileSetFields();
    EmployeeProfile& p = m_app.profile;
    p.CafeState = static_cast<short>(ckCafeState.value());
    p.SelfEmp = static_cast<short>(ckSelfEmp.value());
    p.NonCity = static_cast<short>(ckNonCity.value());
}

void UserInfoScreen::applyCaptionTags()
{
    MainWindow& main = m_app.mainWindow();
    const std::array<const ui::TextBox*, 5> captions { &txtTax5, &txtTax6, &txtTax7, &txtTax8, &txtTax9 };
    for (std::size_t i = 0; i < captions.size(); ++i)
        main.lbTaxTag[5 + i].setCaption(captions[i]->text());
}

void UserInfoScreen::fillVar_()
{
    EmployeeProfile& p = m_app.profile;
    // Strict conversions that fail keep the value in memory: Save refuses such texts before
    // it gets here, so only a load could meet one, and a load must not lose data.
    p.FedExemptions = cboDepend.text();
    p.FedStatus = cboStatus.text();
    if (const auto exemptions = strictInt16(cboDepend2.text()))
        p.StateExemptions = *exemptions;
    p.StateStatus = cboStatus2.text();

    const auto lenient = [](const ui::TextBox& box, Amount& field) {
        if (const auto value = lenientAmount(box.text()))
            field = *value;
    };
    lenient(txtPension, p.Pension);
    lenient(txtMuni, p.Muni);
    lenient(txtBond, p.Bond);
    lenient(txtMisc, p.Misc);
    lenient(txtDues, p.Dues);
    lenient(txtKplan, p.Kplan);
    lenient(txtFedAddL, p.FedAddL);
    lenient(txtCafe, p.Cafe);

    p.NonCity = static_cast<short>(ckNonCity.value());
    p.FedExemp = static_cast<short>(ckFedExemp.value());
    p.SSMediExemp = static_cast<short>(ckSSMediExemp.value());
    p.CafeState = static_cast<short>(ckCafeState.value());
    p.SelfEmp = static_cast<short>(ckSelfEmp.value());
    p.KpPer = static_cast<short>(ckKpPer.value());
    p.KpFix = static_cast<short>(ckKpFix.value());
    p.Week = static_cast<short>(optWeek.value());
    p.BiWeek = static_cast<short>(optBiWeek.value());

    if (const auto rate = strictAmount(txtHourRate2.text()))
        p.HourRate2 = *rate;
    if (const auto rate = strictAmount(txtTipsRate.text()))
        p.TipsRate = *rate;

    p.Address = txtAddress.text();
    p.StateCityZip = txtStateCityZip.text();
    p.SSnum = txtSSnum.text();
    p.Name = txtName.text();
    p.Tax5 = txtTax5.text();
    p.Tax6 = txtTax6.text();
    p.Tax7 = txtTax7.text();
    p.Tax8 = txtTax8.text();
    p.Tax9 = txtTax9.text();
    applyCaptionTags();
    takeW4();

    if (lenientNumber(txtHourRate.text()) == 0)
        txtHourRate.setText("7.5");
    if (const auto rate = strictAmount(txtHourRate.text()))
        p.HourRate = *rate;

    m_app.mainWindow().lbTableNotice.setText(tableNotice(p));

    m_app.SaveOT();
}

std::optional<std::string> UserInfoScreen::entryProblem() const
{
    const auto caption = [](const ui::TextBox& box, const char* fallback) {
        return box.text().empty() ? std::string(fallback) : box.text();
    };
    std::vector<std::optional<std::string>> problems {
        strictAmountProblem(txtHourRate.text(), "Hourly Rate 1"),
        strictAmountProblem(txtHourRate2.text(), "Hourly Rate 2"),
        strictAmountProblem(txtTipsRate.text(), "Tips Rate"),
        strictInt16Problem(cboDepend2.text(), "State Exemptions"),
        lenientAmountProblem(txtFedAddL.text(), "Additional Federal Withholdings"),
        w4AmountProblem(txtW4Step3.text(), Step3Field),
        w4AmountProblem(txtW4Step4a.text(), Step4aField),
        w4AmountProblem(txtW4Step4b.text(), Step4bField),
        lenientAmountProblem(txtMuni.text(), caption(txtTax5, "CrUnion")),
        lenientAmountProblem(txtBond.text(), caption(txtTax6, "Bond")),
        lenientAmountProblem(txtDues.text(), caption(txtTax7, "Dues")),
        lenientAmountProblem(txtPension.text(), caption(txtTax8, "Pension")),
        lenientAmountProblem(txtMisc.text(), caption(txtTax9, "Health Ins")),
        lenientAmountProblem(txtKplan.text(), "K Plan"),
        lenientAmountProblem(txtCafe.text(), "Cafeteria Plan"),
        storableTextProblem(cboStatus.text(), "Federal Status"),
        storableTextProblem(cboDepend.text(), "Federal Exemptions"),
        storableTextProblem(cboStatus2.text(), "State Status"),
        storableTextProblem(txtTax5.text(), "The caption of deduction 1"),
        storableTextProblem(txtTax6.text(), "The caption of deduction 2"),
        storableTextProblem(txtTax7.text(), "The caption of deduction 3"),
        storableTextProblem(txtTax8.text(), "The caption of deduction 4"),
        storableTextProblem(txtTax9.text(), "The caption of deduction 5"),
        storableTextProblem(txtName.text(), "The employee's name"),
        storableTextProblem(txtAddress.text(), "The address"),
        storableTextProblem(txtStateCityZip.text(), "The city, state and zip line"),
        storableTextProblem(txtSSnum.text(), "The social security number"),
    };
    for (auto& problem : problems)
        if (problem)
            return problem;
    return std::nullopt;
}

void UserInfoScreen::cmdOk_Click()
{
    if (const auto problem = entryProblem()) {
        m_app.message({ *problem }, "User Info", ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }
    App& app = m_app; // this screen is closed (and must not be touched) once the user is saved
    fillVar_();
    app.SaveOT();
    app.saveUser().cmdSaveUser_Click();
    if (app.isLoaded(ScreenId::UserInfo) && &app.userInfo() == this)
        app.close(ScreenId::UserInfo);
}

void UserInfoScreen::Command1_Click() { m_app.close(ScreenId::UserInfo); }

void UserInfoScreen::ClearAll()
{
    m_app.profile.resetToNewUser();
    showProfile();
    txtHourRate.setText("7.5");
}

} // namespace tallyman
