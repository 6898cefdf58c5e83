// The pay period driver: inputs, earnings, taxable bases, the taxes in their fixed order,
// rounding, totals and the result labels.
#include "engine/calculation.h"

#include "engine/federal.h"
#include "engine/federal_w4.h"
#include "engine/input_boxes.h"
#include "engine/states/state_formulas.h"
#include "engine/table_taxes.h"
#include "engine/wage_taxes.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <optional>

namespace tallyman {

namespace {

// What the calculation changes, worked on beside the caller's records and handed over only
// when every amount fitted its type. The texts (boxes, labels) are written only then, from
// these values, so nothing has to be copied to be put back.
struct Work {
    PayResult pay;
    StateTaxSettings state;
    UtahWork utah;
    BoxValues boxes {};
    // The profile's Muni, Bond, Dues and Misc once rounded to cents.
    Amount Muni = 0, Bond = 0, Dues = 0, Misc = 0;
    // FedTax already holds the additional withholding, rounded (the form from 2020 on).
    bool fedTaxFinal = false;
};

// The form from 2020 on is withheld by a year's annual schedules, which only a table built
// for a year carries.
std::optional<Notice> yearlessTableRefusal(const CalcContext& context)
{
    if (context.profile.W4.Form != W4Form::From2020 || context.profile.FedExemp != 0 || context.fedTable.Year)
        return std::nullopt;
    const std::string file(context.ckFedJan ? FedJanTableFileName : FedTableFileName);
    std::vector<std::string> lines {
        "The W-4 from 2020 or later is withheld by the annual schedules of a year,",
        "and the federal table " + file + " holds none."
    };
    lines.push_back(
        std::string(context.ckFedJan ? "Uncheck \"Fed Tax Prior to April\" and install" : "Install")
        + " a year's table with Options > Federal Table...");
    lines.push_back("Nothing was computed or saved.");
    return Notice { "Tallyman", std::move(lines), true };
}

Notice overflowNotice()
{
    return Notice { "Tallyman",
        { "The amounts entered are too large to compute.", "Check the hours and the dollar amount." }, true };
}

void resetPeriod(PayResult& pay, const EmployeeProfile& profile)
{
    pay.FedTax = 0;
    pay.TaxableWages = 0;
    pay.NetPay = 0;
    pay.TaxDeduct = 0;
    pay.TotDeduct = 0;
    pay.StateTax = 0;
    pay.CityTax = 0;
    pay.SocSecTax = 0;
    pay.MedicareTax = 0;
    pay.SDITax = 0;
    pay.SUITax = 0;
    pay.SdiYtdGross = 0;
    pay.SuiYtdGross = 0;
    pay.CafeAmt = profile.Cafe;
}

// The allowance entry for a number of exemptions, converted like every integer (nearest, ties
// to even); nothing outside 0..9.
std::optional<std::size_t> allowanceIndex(double exemptions)
{
    const double whole = roundWhole(exemptions);
    if (!(whole >= 0 && whole <= 9))
        return std::nullopt;
    return static_cast<std::size_t>(whole);
}

// The allowances of the period. A status other than "Single" or "Married", or a count outside 0..9, looks up
// nothing and the allowance keeps its value. Returns whether a federal allowance was looked up.
// The form from 2020 on has no federal allowance.
bool lookUpAllowances(const FedTable& table, const StateTaxSettings& state, const CityTaxSettings& city,
    const EmployeeProfile& profile, PayResult& pay)
{
    bool federal = false;
    if (profile.W4.Form == W4Form::From2020)
        pay.FedExemptAmt = 0;
    else if (const auto n = allowanceIndex(lenientNumber(profile.FedExemptions))) {
        if (profile.FedStatus == "Single") {
            pay.FedExemptAmt = table.SingleAllowance[*n];
            federal = true;
        } else if (profile.FedStatus == "Married") {
            pay.FedExemptAmt = table.MarriedAllowance[*n];
            federal = true;
        }
    }
    if (const auto n = allowanceIndex(profile.StateExemptions)) {
        if (profile.StateStatus == "Single") {
            pay.CityExemptAmt = city.CitySgExp[*n];
            pay.StateExemptAmt = state.StateSgExp[*n];
        } else if (profile.StateStatus == "Married") {
            pay.CityExemptAmt = city.CityMarExp[*n];
            pay.StateExemptAmt = state.StateMarExp[*n];
        }
    }
    return federal;
}

// Overtime multiplier, earnings and gross pay. Gross pay is summed exactly in
// currency from four partial products formed in double.
void computeEarnings(bool opt1xSelected, const EmployeeProfile& profile, PayResult& pay)
{
    if (!opt1xSelected)
        pay.OtVar = toAmount(double(pay.OtVar) * 2);
    const double rate = pay.PayRate;
    pay.Reg1Pay = toAmount(double(pay.StrHrs) * rate);
    pay.Reg2Pay = toAmount(double(profile.HourRate2) * double(pay.StrHrs2));
    pay.TipsPay = toAmount(double(profile.TipsRate) * double(pay.TipsHrs));
    pay.TotalOt = toAmount(rate * (double(pay.OtHrs) * 1.5) + double(pay.OtVar) * rate);
    pay.TotalTips = toAmount(double(profile.TipsRate) * double(pay.TipsHrs));

    const Currency a = Currency::fromDouble(double(profile.HourRate2) * double(pay.StrHrs2)
        + double(pay.StrHrs) * rate + double(pay.OtHrs) * 1.5 * rate + double(pay.Avas) * rate);
    const Currency b = Currency::fromDouble(double(pay.OtVar) * rate);
    const Currency c = Currency::fromDouble(rate * double(pay.VacDys));
    const Currency d = Currency::fromDouble(double(profile.TipsRate) * double(pay.TipsHrs));
    pay.GrossPay = (a + pay.Addit + b + c + d).toAmount();
}

void roundToCents(Amount& value) { value = roundCents(value); }

// Rounding to cents in the fixed order, then the federal exemption and the state adjustment.
void roundAmounts(Work& w, const EmployeeProfile& profile)
{
    PayResult& pay = w.pay;
    w.Muni = profile.Muni;
    w.Bond = profile.Bond;
    w.Dues = profile.Dues;
    w.Misc = profile.Misc;
    if (!w.fedTaxFinal)
        pay.FedTax = roundCents(double(pay.FedTax) + double(profile.FedAddL));
    for (Amount* value : { &pay.SocSecTax, &pay.MedicareTax, &pay.CityTax, &w.Muni, &w.Bond, &w.Dues,
             &pay.PensionAmt, &w.Misc, &pay.KplanAmt, &pay.SDITax, &pay.SUITax, &pay.CafeAmt })
        roundToCents(*value);
    if (profile.FedExemp != 0)
        pay.FedTax = 0; // the additional withholding goes too
    pay.StateTax = roundCents(double(pay.StateTax) + double(w.state.StateAdj));
    if (w.state.RoundOff != 0)
        pay.StateTax = toAmount(roundWhole(pay.StateTax));
    if (pay.StateTax < 0)
        pay.StateTax = 0;
}

// The totals.
void total(Work& w)
{
    PayResult& pay = w.pay;
    pay.TaxDeduct = double(pay.FedTax) + double(pay.StateTax) + double(pay.SDITax) + double(pay.SUITax)
        + double(pay.CityTax) + double(pay.MedicareTax) + double(pay.SocSecTax);
    pay.TotDeduct = toAmount(double(w.Bond) + double(w.Muni) + double(w.Misc) + double(w.Dues)
        + double(pay.KplanAmt) + double(pay.PensionAmt) + double(pay.CafeAmt));
    // Tips are paid by the customers: they count in gross pay and the taxes, not in the check.
    pay.NetPay
        = toAmount(double(pay.GrossPay) - (pay.TaxDeduct + double(pay.TotDeduct)) - double(pay.TipsPay));
}

// The result labels of a computed period, written over the old texts.
void show(const Work& w, const std::string& tableVersion, CalcLabels& labels)
{
    const PayResult& pay = w.pay;
    const Amount shown[11] = { pay.FedTax, pay.SocSecTax, pay.MedicareTax, pay.StateTax, pay.CityTax, w.Muni,
        w.Bond, w.Dues, pay.PensionAmt, w.Misc, pay.KplanAmt };
    for (std::size_t i = 0; i < labels.lbTaxDed.size(); ++i)
        formatCommaCents(shown[i], labels.lbTaxDed[i]);
    formatCommaCents(pay.SDITax, labels.lbSDI);
    formatCommaCents(pay.SUITax, labels.lbSUI);
    formatCommaCents(pay.CafeAmt, labels.lbCafe);
    if (pay.TaxableWages != 0)
        formatDollarCents(pay.GrossPay, labels.Label13);
    else
        labels.Label13.clear();
    formatDollarCents(pay.TaxDeduct, labels.lbTaxes);
    formatDollarCents(pay.TotDeduct, labels.lbDeduct);
    formatDollarCents(pay.NetPay, labels.lbNet);
    formatDollarCents(pay.TotalOt, labels.lbOverT);
    formatDollarCents(pay.TotalTips, labels.lbTips);
    labels.lbTaxVer = tableVersion;
}

// The amounts of everything after the settings are refreshed. Throws NumberOverflow.
void computeSteps(Work& w, const CalcContext& context)
{
    PayResult& pay = w.pay;
    const EmployeeProfile& profile = context.profile;

    pay.PayRate = profile.HourRate != 0 ? profile.HourRate : DefaultPayRate;
    w.boxes = readBoxes(context.txtAmount);
    readInputs(w.boxes, pay);
    const bool federalLookedUp = lookUpAllowances(context.fedTable, w.state, context.city, profile, pay);
    computeEarnings(context.opt1xSelected, profile, pay);

    pay.KplanAmt
        = profile.KpPer != 0 ? toAmount(double(profile.Kplan) * 0.01 * double(pay.GrossPay)) : profile.Kplan;
    pay.PensionAmt = toAmount(double(profile.Pension) * 0.01 * double(pay.GrossPay));
    pay.TaxableWages = toAmount(double(pay.GrossPay) - double(profile.Misc) - double(pay.KplanAmt));
    // The table holds weekly allowances. An allowance kept from an earlier period is already
    // the period's and is not doubled again.
    if (profile.BiWeek != 0 && federalLookedUp)
        pay.FedExemptAmt = toAmount(double(pay.FedExemptAmt) * 2);
    pay.FedTaxable = toAmount(
        double(pay.TaxableWages) - double(pay.PensionAmt) - double(pay.FedExemptAmt) - double(pay.CafeAmt));

    if (profile.FedExemp == 0 && profile.W4.Form == W4Form::From2020) {
        // The caller has refused a table without a year.
        if (const auto periods = payPeriodsPerYear(profile)) {
            pay.FedTax = withholdingFrom2020(
                *context.fedTable.Year, profile.W4, pay.FedTaxable, *periods, profile.FedAddL);
            w.fedTaxFinal = true;
        }
    } else if (profile.FedExemp == 0) {
        if (profile.FedStatus == "Single")
            GetFedSingle(context.fedTable, profile, pay);
        else
            GetFedMarried(context.fedTable, profile, pay);
    }

    // A table built for a year brings its wage base and the Additional Medicare Tax.
    const std::optional<FedYear>& year = context.fedTable.Year;
    GetSocSec(profile, context.ledger, pay, year ? year->WageBase : SocialSecurityWageBase);
    pay.MedicareTax
        = toAmount((double(pay.GrossPay) - double(profile.Misc) - double(pay.CafeAmt)) * MedicareRate);
    if (profile.SelfEmp != 0)
        pay.MedicareTax = toAmount(double(pay.MedicareTax) * 2);
    pay.MedicareTax = std::max(pay.MedicareTax, Amount(0));
    if (year)
        pay.MedicareTax = toAmount(double(pay.MedicareTax)
            + additionalMedicare(
                profile, context.ledger, pay, year->AddlMedicareThreshold, year->AddlMedicareRate));
    if (profile.SSMediExemp != 0) {
        pay.MedicareTax = 0;
        pay.SocSecTax = 0;
    }

    pay.CafeStateAmt = profile.CafeState != 0 ? pay.CafeAmt : Amount(0);
    StateCalc stateCalc { profile, w.state, context.ledger, pay, w.utah };
    if (!runStateFormulas(stateCalc))
        GetStateTable(profile, w.state, pay);

    // A blank state box reads 0 as the "0" it is given (below, with the other texts).
    GetCityTax(profile, context.city, context.nonCity, pay);
    GetSDI_SUI(context.stateBoxes, w.state, context.ledger, pay);

    roundAmounts(w, profile);
    total(w);
}

// Computes beside the caller's records and hands the result over only when every amount fitted.
bool finishPeriod(CalcContext& context, const PayResult& pay)
{
    if (auto refusal = yearlessTableRefusal(context)) {
        context.notices.push_back(std::move(*refusal));
        return false;
    }
    Work w { pay, context.state, context.utah };
    try {
        computeSteps(w, context);
    } catch (const NumberOverflow&) {
        context.notices.push_back(overflowNotice());
        return false;
    }
    ZeroBlankStateFields(context.stateBoxes);
    CleartxtBox(context.txtAmount, w.boxes);
    EmployeeProfile& profile = context.profile;
    profile.Muni = w.Muni;
    profile.Bond = w.Bond;
    profile.Dues = w.Dues;
    profile.Misc = w.Misc;
    context.state = w.state;
    context.pay = w.pay;
    context.utah = w.utah;
    show(w, context.fedTable.Version, context.labels);
    return true;
}

} // namespace

bool Calcu_late(CalcContext& context)
{
    PayResult pay = context.pay;
    // The cafeteria amount is taken before the settings and profile files are read again.
    resetPeriod(pay, context.profile);
    bool computed = false;
    try {
        LoadFedTable(context.fedTable, context.ckFedJan, context.fedFolders, context.notices);
        if (context.refreshSettings)
            context.refreshSettings();
        computed = finishPeriod(context, pay);
    } catch (...) {
        context.fedTable.clearNumbers();
        throw;
    }
    // The table lives only during a calculation: the next one reads the file again.
    context.fedTable.clearNumbers();
    return computed;
}

bool computePayPeriod(CalcContext& context)
{
    PayResult pay = context.pay;
    resetPeriod(pay, context.profile);
    return finishPeriod(context, pay);
}

} // namespace tallyman
