// Layout of User Info: pay and employee side by side, federal and state status, deductions.
#include "gui/views/user_info_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/user_info.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace tallyman::gui {

namespace {

// "Status" and "Exemptions" lists side by side, each under its caption.
void addStatusLists(
    QGridLayout* grid, int row, ui::ComboBox& status, ui::ComboBox& exemptions, const char* suffix)
{
    grid->addWidget(staticText(QStringLiteral("Status")), row, 0);
    grid->addWidget(named(comboBox(status), (std::string("cboStatus") + suffix).c_str()), row + 1, 0);
    grid->addWidget(staticText(QStringLiteral("Exemptions")), row, 1);
    grid->addWidget(named(comboBox(exemptions), (std::string("cboDepend") + suffix).c_str()), row + 1, 1);
}

QLabel* sign(const char* text)
{
    auto* label = staticText(QString::fromLatin1(text));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

UserInfoView::UserInfoView(UserInfoScreen& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTaxInfo"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    // ---- Pay ----
    auto* pay = frame(QStringLiteral("Pay"));
    auto* payGrid = new QGridLayout(pay);
    struct Rate {
        const char* caption;
        ui::TextBox* box;
        const char* name;
    };
    const Rate rates[] = {
        { "Hourly Rate 1", &m.txtHourRate, "txtHourRate" },
        { "Hourly Rate 2", &m.txtHourRate2, "txtHourRate2" },
        { "Tips Rate", &m.txtTipsRate, "txtTipsRate" },
    };
    int row = 0;
    for (const auto& [text, box, name] : rates) {
        auto* label = staticText(QString::fromLatin1(text));
        auto* edit = named(numberBox(*box, 10), name);
        label->setBuddy(edit);
        payGrid->addWidget(label, row, 0);
        payGrid->addWidget(edit, row, 1);
        ++row;
    }
    auto* frequency = new QHBoxLayout;
    frequency->addWidget(named(optionButton(m.optWeek), "optWeek"));
    frequency->addWidget(named(optionButton(m.optBiWeek), "optBiWeek"));
    frequency->addStretch(1);
    payGrid->addLayout(frequency, row, 0, 1, 2);
    payGrid->setRowStretch(row + 1, 1);
    top->addWidget(pay);

    // ---- Employee ----
    auto* employee = frame(QStringLiteral("Employee"));
    auto* employeeLayout = new QVBoxLayout(employee);
    const std::pair<ui::TextBox*, const char*> texts[]
        = { { &m.txtName, "txtName" }, { &m.txtAddress, "txtAddress" },
              { &m.txtStateCityZip, "txtStateCityZip" }, { &m.txtSSnum, "txtSSnum" } };
    for (const auto& [box, name] : texts)
        employeeLayout->addWidget(named(textBox(*box, 30), name));
    employeeLayout->addStretch(1);
    top->addWidget(employee, 1);

    // ---- Federal and state status ----
    auto* statuses = new QHBoxLayout;
    layout->addLayout(statuses);
    auto* federal = frame(QStringLiteral("FEDERAL STATUS"));
    auto* federalGrid = new QGridLayout(federal);
    addStatusLists(federalGrid, 0, m.cboStatus, m.cboDepend, "");
    federalGrid->addWidget(named(checkBox(m.ckFedExemp), "ckFedExemp"), 0, 2);
    federalGrid->addWidget(named(checkBox(m.ckSSMediExemp), "ckSSMediExemp"), 1, 2);
    auto* additional = staticText(QStringLiteral("Additional Federal Withholdings"));
    auto* additionalBox = named(numberBox(m.txtFedAddL, 10), "txtFedAddL");
    additional->setBuddy(additionalBox);
    federalGrid->addWidget(additional, 2, 0, 1, 2);
    federalGrid->addWidget(additionalBox, 2, 2, Qt::AlignLeft);
    auto* separate = staticText(
        QStringLiteral("FEDERAL STATUS: For Married filing separate, select Single and not Married."));
    separate->setWordWrap(true);
    QFont small = separate->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    separate->setFont(small);
    federalGrid->addWidget(separate, 3, 0, 1, 3);
    federalGrid->setColumnStretch(3, 1);
    statuses->addWidget(federal, 3);

    auto* state = frame(QStringLiteral("STATE && CITY STATUS"));
    auto* stateGrid = new QGridLayout(state);
    addStatusLists(stateGrid, 0, m.cboStatus2, m.cboDepend2, "2");
    stateGrid->addWidget(named(checkBox(m.ckNonCity), "ckNonCity"), 2, 0, 1, 2);
    stateGrid->setRowStretch(3, 1);
    stateGrid->setColumnStretch(2, 1);
    statuses->addWidget(state, 2);

    // ---- The W-4 form: the form before 2020 uses the federal status above ----
    auto* w4 = frame(QStringLiteral("W-4 FORM"));
    auto* w4Grid = new QGridLayout(w4);
    auto* forms = new QHBoxLayout;
    forms->addWidget(named(optionButton(m.optW4Before2020), "optW4Before2020"));
    forms->addWidget(named(optionButton(m.optW4From2020), "optW4From2020"));
    forms->addStretch(1);
    w4Grid->addLayout(forms, 0, 0, 1, 2);
    w4Grid->addWidget(staticText(QStringLiteral("Filing status")), 1, 0);
    w4Grid->addWidget(named(comboBox(m.cboW4Status), "cboW4Status"), 1, 1);
    w4Grid->addWidget(named(checkBox(m.ckW4Step2), "ckW4Step2"), 2, 0, 1, 2);
    struct Step {
        const char* caption;
        ui::TextBox* box;
        const char* name;
    };
    const Step steps[] = {
        { "Step 3: credits, a year", &m.txtW4Step3, "txtW4Step3" },
        { "Step 4(a): other income, a year", &m.txtW4Step4a, "txtW4Step4a" },
        { "Step 4(b): deductions, a year", &m.txtW4Step4b, "txtW4Step4b" },
    };
    row = 0;
    for (const auto& [text, box, name] : steps) {
        auto* label = staticText(QString::fromLatin1(text));
        auto* edit = named(numberBox(*box, 10), name);
        label->setBuddy(edit);
        w4Grid->addWidget(label, row, 2);
        w4Grid->addWidget(sign("$"), row, 3);
        w4Grid->addWidget(edit, row, 4, Qt::AlignLeft);
        ++row;
    }
    auto* step4c = staticText(QStringLiteral("Step 4(c) is the Additional Federal Withholdings above."));
    step4c->setFont(small);
    w4Grid->addWidget(step4c, 3, 0, 1, 5);
    w4Grid->setColumnStretch(5, 1);
    layout->addWidget(w4);

    // ---- Deductions: caption, then the amount with its sign ----
    auto* deductions = frame(QStringLiteral("Deductions"));
    auto* deductionGrid = new QGridLayout(deductions);
    struct Deduction {
        ui::TextBox* caption;
        ui::TextBox* amount;
        bool percent;
        int tax; // the caption box is txtTax<tax>
        const char* name;
    };
    const Deduction rows[] = {
        { &m.txtTax5, &m.txtMuni, false, 5, "txtMuni" },
        { &m.txtTax6, &m.txtBond, false, 6, "txtBond" },
        { &m.txtTax7, &m.txtDues, false, 7, "txtDues" },
        { &m.txtTax8, &m.txtPension, true, 8, "txtPension" },
        { &m.txtTax9, &m.txtMisc, false, 9, "txtMisc" },
    };
    row = 0;
    for (const auto& deduction : rows) {
        deductionGrid->addWidget(named(textBox(*deduction.caption, 16),
                                     (std::string("txtTax") + std::to_string(deduction.tax)).c_str()),
            row, 0);
        deductionGrid->addWidget(sign(deduction.percent ? "" : "$"), row, 2);
        deductionGrid->addWidget(named(numberBox(*deduction.amount, 10), deduction.name), row, 3);
        deductionGrid->addWidget(sign(deduction.percent ? "%" : ""), row, 4);
        ++row;
    }
    // The K plan: a fixed amount ($) or a percentage (%), whichever box is checked.
    deductionGrid->addWidget(staticText(QStringLiteral("K Plan")), row, 0);
    deductionGrid->addWidget(named(checkBox(m.ckKpFix), "ckKpFix"), row, 1, Qt::AlignRight);
    deductionGrid->addWidget(sign("$"), row, 2);
    deductionGrid->addWidget(named(numberBox(m.txtKplan, 10), "txtKplan"), row, 3);
    deductionGrid->addWidget(sign("%"), row, 4);
    deductionGrid->addWidget(named(checkBox(m.ckKpPer), "ckKpPer"), row, 5, Qt::AlignLeft);
    ++row;
    deductionGrid->addWidget(staticText(QStringLiteral("Cafeteria Plan")), row, 0);
    deductionGrid->addWidget(sign("$"), row, 2);
    deductionGrid->addWidget(named(numberBox(m.txtCafe, 10), "txtCafe"), row, 3);
    deductionGrid->addWidget(named(checkBox(m.ckCafeState), "ckCafeState"), row, 5, 1, 2);
    ++row;
    deductionGrid->addWidget(named(checkBox(m.ckSelfEmp), "ckSelfEmp"), row, 0);
    deductionGrid->setColumnStretch(7, 1);
    layout->addWidget(deductions);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(named(commandButton(m.cmdOk), "cmdOk"));
    commands->addWidget(named(commandButton(m.Command1), "Command1"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui
