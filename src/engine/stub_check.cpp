// The stub check: the lines compared in cents, then one rule per cause, most specific first.
// Every figure Tallyman would have under other inputs comes from the calculation itself.
#include "engine/stub_check.h"

#include "engine/fed_year.h"

#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tallyman {

namespace {

constexpr std::array<std::string_view, StubLineCount> Names = { "Gross", "Fed", "SS", "Medi", "State", "City",
    "SDI", "SUI", "Tax5", "Tax6", "Tax7", "Tax8", "Tax9", "Kplan", "Cafe", "Net" };

const Currency OneCent = Currency::fromUnits(Currency::UnitsPerDollar / 100);

Currency absolute(Currency c) { return c < Currency() ? Currency() - c : c; }

std::string money(Currency c) { return formatDollarCents(c.toDouble()); }

std::string money(double value) { return money(Currency::fromDouble(roundHalfAwayFromZero(value, 2))); }

// A percentage as typed in the settings: "6.2%", "0.425%".
std::string percent(double percentValue) { return numberText(percentValue) + "%"; }

// A rate of the settings, as its box shows it.
std::string percent(Amount percentValue) { return numberText(percentValue) + "%"; }

std::optional<Currency> exactCents(double value)
{
    return Currency::fromDouble(roundHalfAwayFromZero(value, 2));
}

// Everything the rules read.
struct Facts {
    const PeriodCase& period;
    const CaseResult& tallyman;
    const StubComparison& comparison;
    const std::vector<FedTableChoice>& tables;
    const FederalFigure& federal;

    const PayResult& pay() const { return tallyman.pay; }
    const EmployeeProfile& profile() const { return tallyman.profile; }
    bool selfEmployed() const { return period.profile.SelfEmp != 0; }
};

// ---- Social Security and Medicare ----

struct Deduction {
    std::string name;
    double amount;
};

// Health insurance, cafeteria plan and K-plan: what an employer may or may not take off
// before the wage taxes.
std::array<Deduction, 3> wageDeductions(const Facts& f)
{
    const std::string caption = f.profile().Tax9.empty() ? "health insurance" : f.profile().Tax9;
    return { { { caption, double(f.profile().Misc) }, { "the cafeteria plan", double(f.pay().CafeAmt) },
        { "the K-plan", double(f.pay().KplanAmt) } } };
}

std::string baseText(const std::array<Deduction, 3>& deductions, unsigned mask)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < deductions.size(); ++i)
        if ((mask & (1u << i)) && deductions[i].amount != 0)
            names.push_back(deductions[i].name);
    if (names.empty())
        return "the whole gross pay";
    std::string text = "gross pay less ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// The stub's tax is the rate on gross pay less some other choice of the three deductions.
void differentBase(const Facts& f, const char* tax, double rate, unsigned tallymanMask, Currency stub,
    Currency tallyman, std::vector<std::string>& causes)
{
    const auto deductions = wageDeductions(f);
    for (unsigned mask = 0; mask < 8; ++mask) {
        if (mask == tallymanMask)
            continue;
        bool usable = true;
        double base = double(f.pay().GrossPay);
        for (std::size_t i = 0; i < deductions.size(); ++i)
            if (mask & (1u << i)) {
                usable = usable && deductions[i].amount != 0;
                base -= deductions[i].amount;
            }
        if (!usable || base <= 0)
            continue;
        const Currency figure = centsOf(base * rate);
        if (figure != stub || figure == tallyman)
            continue;
        causes.push_back(std::string("The stub's ") + tax + " is " + percent(rate * 100) + " of "
            + money(base) + ", " + baseText(deductions, mask) + "; Tallyman takes it on "
            + baseText(deductions, tallymanMask) + ".");
    }
}

void socialSecurityWageBaseReached(
    const Facts& f, Currency stub, Currency tallyman, std::vector<std::string>& causes)
{
    if (!(stub < tallyman) || f.period.profile.SSMediExemp != 0)
        return;
    const double base = socialSecurityWageBase(f.period.fedTable);
    const double rate = f.selfEmployed() ? SelfEmployedSocialSecurityRate : SocialSecurityRate;
    const Currency baseCents = Currency::fromDouble(base);
    // The employer's year to date before this period that leaves exactly the stub's tax.
    const Currency estimate = stub == Currency() ? baseCents : *exactCents(base - stub.toDouble() / rate);
    for (const std::int64_t step : { 0, -1, 1, -2, 2 }) {
        const Currency before = estimate + Currency::fromUnits(step * OneCent.units());
        if (!(before > f.period.ledger.TotGross))
            continue;
        PeriodCase employer = f.period;
        employer.ledger.TotGross = before;
        const CaseResult r = computeCase(employer);
        if (!r.computed || centsOf(r.pay.SocSecTax) != stub)
            continue;
        const std::string ledger
            = "Tallyman's year to date from the ledger is " + money(f.period.ledger.TotGross);
        if (stub == Currency())
            causes.push_back(
                "The employer's year-to-date wages may have reached the Social Security wage base of "
                + money(baseCents) + " before this period, or the ledger is missing earlier periods ("
                + ledger + ").");
        else
            causes.push_back("The stub stops at the Social Security wage base of " + money(baseCents)
                + ": the employer's year to date before this period would be " + money(before) + " (" + ledger
                + "); the ledger may be missing earlier periods.");
        return;
    }
}

void socialSecurityCauses(const Facts& f, Currency stub, Currency tallyman, std::vector<std::string>& causes)
{
    // Below the wage base only: there the base is what Tallyman taxes.
    if (f.period.profile.SSMediExemp == 0
        && double(f.pay().SsYtdWages) <= socialSecurityWageBase(f.period.fedTable)) {
        const double rate = f.selfEmployed() ? SelfEmployedSocialSecurityRate : SocialSecurityRate;
        differentBase(f, "Social Security", rate, f.selfEmployed() ? 0b010u : 0b011u, stub, tallyman, causes);
    }
    socialSecurityWageBaseReached(f, stub, tallyman, causes);
}

void additionalMedicareCause(
    const Facts& f, Currency stub, Currency tallyman, std::vector<std::string>& causes)
{
    const auto extra = additionalMedicare(f.period.fedTable);
    if (!extra || !(stub > tallyman))
        return;
    const Currency more = stub - tallyman;
    const double wages = double(f.pay().GrossPay) - double(f.profile().Misc) - double(f.pay().CafeAmt);
    const Currency estimate = *exactCents(more.toDouble() / extra->rate);
    for (const std::int64_t step : { 0, -1, 1, -2, 2 }) {
        const Currency part = estimate + Currency::fromUnits(step * OneCent.units());
        if (!(part > Currency()) || part.toDouble() > wages + 0.005
            || centsOf(part.toDouble() * extra->rate) != more)
            continue;
        const std::string share = part.toDouble() >= wages - 0.005 ? "all of this period's wages"
                                                                   : money(part) + " of this period's wages";
        causes.push_back("Additional Medicare: " + percent(extra->rate * 100) + " of " + share
            + ", the part of the year-to-date wages above " + money(extra->threshold)
            + " (Tallyman's year to date from the ledger is " + money(f.period.ledger.TotGross) + ").");
        return;
    }
}

void medicareCauses(const Facts& f, Currency stub, Currency tallyman, std::vector<std::string>& causes)
{
    if (f.period.profile.SSMediExemp != 0)
        return;
    additionalMedicareCause(f, stub, tallyman, causes);
    const double rate = f.selfEmployed() ? MedicareRate * 2 : MedicareRate;
    differentBase(f, "Medicare", rate, 0b011u, stub, tallyman, causes);
}

// ---- Federal ----

void federalCauses(const Facts& f, Currency stub, Currency tallyman, std::vector<std::string>& causes)
{
    for (const FedAlternative& alternative : federalAlternatives(f.period, f.tables, stub - tallyman)) {
        const auto figure = f.federal(alternative.period);
        if (figure && *figure == stub && *figure != tallyman)
            causes.push_back(alternative.cause);
    }
}

// ---- State, city, SDI, SUI: the rate the stub implies ----

// The fewest decimals of a percentage that give the stub's figure on these wages.
std::optional<double> impliedPercent(Currency stub, double wages)
{
    if (wages <= 0 || !(stub > Currency()))
        return std::nullopt;
    for (int places = 0; places <= 3; ++places) {
        const double p = roundHalfAwayFromZero(stub.toDouble() / wages * 100, places);
        if (centsOf(wages * p / 100) == stub)
            return p;
    }
    return std::nullopt;
}

void rateCause(const std::string& tax, const std::string& wagesName, double wages, Currency stub,
    const std::string& tallymanRate, std::optional<double> tallymanPercent, std::vector<std::string>& causes)
{
    const auto p = impliedPercent(stub, wages);
    // A float rate of the settings is within a millionth of its decimal text.
    if (!p || (tallymanPercent && std::abs(*p - *tallymanPercent) < 1e-6))
        return;
    causes.push_back("The stub's " + tax + " is " + percent(*p) + " of " + wagesName + " (" + money(wages)
        + "); " + tallymanRate + ".");
}

// The effective rate of Tallyman's own figure, for the bracket tables.
std::string effectiveRate(const char* tables, Currency tallyman, double wages)
{
    if (tallyman == Currency())
        return std::string("Tallyman's ") + tables + " give nothing";
    if (wages <= 0)
        return std::string("Tallyman's ") + tables + " give " + money(tallyman);
    return std::string("Tallyman's ") + tables + " give " + money(tallyman) + ", about "
        + percent(roundHalfAwayFromZero(tallyman.toDouble() / wages * 100, 2));
}

void insuranceCause(const char* tax, short useBase, Amount percentRate, Amount wageBase, const Facts& f,
    Currency stub, std::vector<std::string>& causes)
{
    const double gross = f.pay().GrossPay;
    if (useBase != 0)
        rateCause(tax, "gross pay", gross, stub, "the state settings have " + percent(percentRate),
            double(percentRate), causes);
    else
        rateCause(tax, "gross pay", gross, stub,
            "the state settings have a flat " + money(double(wageBase)) + " a period", std::nullopt, causes);
}

// ---- Net pay ----

void netCauses(const Facts& f, Currency netDifference, std::vector<std::string>& causes)
{
    const auto& lines = f.comparison.lines;
    Currency fromLines;
    bool anyLine = false;
    for (const ComparedLine& l : lines) {
        if (l.line == StubLine::Net || !l.difference)
            continue;
        anyLine = anyLine || *l.difference != Currency();
        fromLines = l.line == StubLine::Gross ? fromLines + *l.difference : fromLines - *l.difference;
    }
    const Currency rest = netDifference - fromLines;
    if (rest == Currency()) {
        if (anyLine)
            causes.push_back("Net pay differs by exactly the differences of the lines above.");
        return;
    }
    if (absolute(rest) <= OneCent)
        return;
    if (anyLine)
        causes.push_back("The lines above account for " + money(fromLines) + " of it.");
    if (rest < Currency()) {
        causes.push_back(
            "A deduction on the stub that Tallyman does not know: " + money(absolute(rest)) + ".");
        return;
    }
    // The stub pays more: something Tallyman takes is not on it.
    if (centsOf(f.pay().TipsPay) == rest) {
        causes.push_back("The stub's net pay includes the tips (" + money(rest)
            + "); Tallyman leaves them out, as the customers paid them.");
        return;
    }
    Currency untyped;
    std::vector<std::string> names;
    for (const ComparedLine& l : lines) {
        if (l.stub || l.line == StubLine::Gross || l.line == StubLine::Net || l.tallyman == Currency())
            continue;
        untyped += l.tallyman;
        names.push_back(l.caption);
        if (l.tallyman == rest) {
            causes.push_back("Tallyman's " + l.caption + " (" + money(rest) + ") is not on the stub.");
            return;
        }
    }
    if (names.size() > 1 && untyped == rest) {
        std::string list;
        for (std::size_t i = 0; i < names.size(); ++i)
            list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
        causes.push_back("Tallyman's " + list + " (together " + money(rest) + ") are not on the stub.");
        return;
    }
    causes.push_back("Tallyman deducts " + money(rest) + " that the stub does not show.");
}

Currency tallymanFigure(StubLine line, const CaseResult& r)
{
    const PayResult& p = r.pay;
    switch (line) {
    case StubLine::Gross:
        return centsOf(p.GrossPay);
    case StubLine::Fed:
        return centsOf(p.FedTax);
    case StubLine::SS:
        return centsOf(p.SocSecTax);
    case StubLine::Medi:
        return centsOf(p.MedicareTax);
    case StubLine::State:
        return centsOf(p.StateTax);
    case StubLine::City:
        return centsOf(p.CityTax);
    case StubLine::SDI:
        return centsOf(p.SDITax);
    case StubLine::SUI:
        return centsOf(p.SUITax);
    case StubLine::Tax5:
        return centsOf(r.profile.Muni);
    case StubLine::Tax6:
        return centsOf(r.profile.Bond);
    case StubLine::Tax7:
        return centsOf(r.profile.Dues);
    case StubLine::Tax8:
        return centsOf(p.PensionAmt);
    case StubLine::Tax9:
        return centsOf(r.profile.Misc);
    case StubLine::Kplan:
        return centsOf(p.KplanAmt);
    case StubLine::Cafe:
        return centsOf(p.CafeAmt);
    case StubLine::Net:
        return centsOf(p.NetPay);
    }
    return {};
}

void lineCauses(const Facts& f, ComparedLine& l)
{
    const Currency stub = *l.stub;
    const Currency d = *l.difference;
    if (d == Currency())
        return;
    if (absolute(d) == OneCent) {
        l.causes.push_back("Rounding: one cent.");
        return;
    }
    const PayResult& pay = f.pay();
    const StateTaxSettings& s = f.period.state;
    switch (l.line) {
    case StubLine::Fed:
        federalCauses(f, stub, l.tallyman, l.causes);
        break;
    case StubLine::SS:
        socialSecurityCauses(f, stub, l.tallyman, l.causes);
        break;
    case StubLine::Medi:
        medicareCauses(f, stub, l.tallyman, l.causes);
        break;
    case StubLine::State: {
        const double wages = pay.StateWages > 0 ? pay.StateWages : pay.TaxableWages;
        rateCause("state tax", "the state's taxable wages", wages, stub,
            effectiveRate("state tables", l.tallyman, wages), std::nullopt, l.causes);
        break;
    }
    case StubLine::City:
        rateCause(f.period.profile.NonCity != 0 ? "non-city tax" : "city tax", "the city's taxable wages",
            pay.CityWages, stub, effectiveRate("city tables", l.tallyman, pay.CityWages), std::nullopt,
            l.causes);
        break;
    case StubLine::SDI:
        insuranceCause("SDI", s.SDIUseBase, s.SDIpercent, s.SDIwageBase, f, stub, l.causes);
        break;
    case StubLine::SUI:
        insuranceCause("SUI", s.SUIUseBase, s.SUIpercent, s.SUIwageBase, f, stub, l.causes);
        break;
    case StubLine::Net:
        netCauses(f, d, l.causes);
        break;
    default:
        break;
    }
    if (l.causes.empty())
        l.causes.push_back("No known cause.");
}

std::string plural(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

W4Certificate otherForm(const EmployeeProfile& profile, std::string& status)
{
    W4Certificate w4 = profile.W4;
    if (w4.Form == W4Form::Before2020) {
        w4.Form = W4Form::From2020;
        w4.Status = profile.FedStatus == "Married" ? W4FilingStatus::MarriedJointly : W4FilingStatus::Single;
        status = w4.Status == W4FilingStatus::MarriedJointly ? "married filing jointly" : "single";
    } else {
        w4.Form = W4Form::Before2020;
        status = w4.Status == W4FilingStatus::MarriedJointly ? "Married" : "Single";
    }
    return w4;
}

} // namespace

Currency centsOf(double amount) { return Currency::fromDouble(roundHalfAwayFromZero(amount, 2)); }

std::string_view stubLineName(StubLine line) { return Names[index(line)]; }

std::optional<StubLine> stubLineNamed(std::string_view name)
{
    const auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (lower(Names[i]) == lower(name))
            return stubLineAt(i);
    return std::nullopt;
}

std::string stubLineCaption(StubLine line, const EmployeeProfile& profile)
{
    switch (line) {
    case StubLine::Gross:
        return "Gross Pay";
    case StubLine::Fed:
        return "Federal Tax";
    case StubLine::SS:
        return "Soc Sec";
    case StubLine::Medi:
        return "Medicare";
    case StubLine::State:
        return "State Tax";
    case StubLine::City:
        return profile.NonCity != 0 ? "Non-City Tax" : "City Tax";
    case StubLine::SDI:
        return "SDI";
    case StubLine::SUI:
        return "SUI";
    case StubLine::Tax5:
        return profile.Tax5;
    case StubLine::Tax6:
        return profile.Tax6;
    case StubLine::Tax7:
        return profile.Tax7;
    case StubLine::Tax8:
        return profile.Tax8;
    case StubLine::Tax9:
        return profile.Tax9;
    case StubLine::Kplan:
        return "K Plan";
    case StubLine::Cafe:
        return "Cafeteria Plan";
    case StubLine::Net:
        return "Net Pay";
    }
    return {};
}

std::optional<std::string> readStubAmount(std::string_view text, std::optional<Currency>& amount)
{
    amount.reset();
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    const auto value = strictNumber(text);
    if (!value || !std::isfinite(*value) || std::abs(*value) >= 1e12)
        return "is not an amount";
    const Currency exact = Currency::fromDouble(*value);
    if (exact.units() % OneCent.units() != 0)
        return "has more than two decimals";
    amount = exact;
    return std::nullopt;
}

bool ComparedLine::differs() const { return difference && absolute(*difference) > OneCent; }

std::string StubComparison::summary() const
{
    bool any = false;
    for (const ComparedLine& l : lines)
        any = any || l.stub.has_value();
    if (!any)
        return "No stub figures to compare.";
    std::string net;
    if (!netDifference)
        net = "net pay is not on the stub.";
    else if (absolute(*netDifference) <= OneCent)
        net = "net pay agrees.";
    else
        net = "net pay differs by " + money(*netDifference) + ".";
    if (differing == 0)
        return "Every line agrees; " + net;
    return plural(differing, "line differs", "lines differ") + "; " + net;
}

std::optional<Currency> engineFederalFigure(const PeriodCase& period)
{
    const CaseResult r = computeCase(period);
    if (!r.computed)
        return std::nullopt;
    return centsOf(r.pay.FedTax);
}

std::vector<FedTableChoice> installableFedTables(const FedTableFolders& folders, const FedTable& inUse)
{
    // Every year shipped with the program, built as `fedtable install` would write it; the
    // year in use gives Tallyman's own figure and is not tried again.
    std::vector<FedTableChoice> choices;
    for (const int year : shippedFedYears(folders.installedDir)) {
        if (inUse.Year && inUse.Year->Year == year)
            continue;
        const ParsedFedYear parsed = loadShippedFedYear(folders.installedDir, year);
        if (parsed.year)
            choices.push_back(FedTableChoice { std::to_string(year), buildFedTable(*parsed.year) });
    }
    return choices;
}

std::vector<FedAlternative> federalAlternatives(
    const PeriodCase& period, const std::vector<FedTableChoice>& tables, Currency difference)
{
    std::vector<FedAlternative> out;
    for (const FedTableChoice& choice : tables) {
        FedAlternative a { "Tallyman's figure with the " + choice.label
                + " federal table is the stub's: the employer may withhold by that table.",
            period };
        a.period.fedTable = choice.table;
        out.push_back(std::move(a));
    }

    {
        FedAlternative a { {}, period };
        std::string status;
        a.period.profile.W4 = otherForm(period.profile, status);
        a.cause = a.period.profile.W4.Form == W4Form::From2020
            ? "Tallyman's figure for a W-4 of 2020 or later (" + status
                + ") is the stub's: the employer may have that form on file."
            : "Tallyman's figure for a W-4 of 2019 or earlier (" + status
                + ") is the stub's: the employer may have that form on file.";
        if (a.period.profile.W4.Form == W4Form::Before2020)
            a.period.profile.FedStatus = status;
        out.push_back(std::move(a));
    }

    {
        FedAlternative a { {}, period };
        const bool weekly = paysWeekly(period.profile);
        a.period.profile.Week = weekly ? 0 : -1;
        a.period.profile.BiWeek = weekly ? -1 : 0;
        a.cause = std::string("Tallyman's figure for ") + (weekly ? "bi-weekly" : "weekly")
            + " pay is the stub's: the employer may withhold as if paid "
            + (weekly ? "every two weeks." : "weekly.");
        out.push_back(std::move(a));
    }

    const bool wholeDollars = difference != Currency() && difference.units() % Currency::UnitsPerDollar == 0;
    const double extra = double(period.profile.FedAddL) + difference.toDouble();
    if (wholeDollars && period.profile.FedExemp == 0 && extra >= 0) {
        FedAlternative a { {}, period };
        a.period.profile.FedAddL = toAmount(extra);
        const std::string userInfo = money(double(period.profile.FedAddL));
        if (period.profile.FedAddL == 0)
            a.cause = "An extra withholding of " + money(difference)
                + " a period on the stub (W-4 Step 4(c) / additional withholding) that User Info does not "
                  "have.";
        else if (extra == 0)
            a.cause = "The additional withholding of " + userInfo
                + " in User Info (W-4 Step 4(c)) is not on the stub.";
        else
            a.cause = "The stub's extra withholding (W-4 Step 4(c) / additional withholding) looks like "
                + money(extra) + " a period; User Info has " + userInfo + ".";
        out.push_back(std::move(a));
    }
    return out;
}

StubCheckResult checkStub(const PeriodCase& period, const StubFigures& stub,
    const std::vector<FedTableChoice>& tables, const FederalFigure& federal)
{
    StubCheckResult result;
    const CaseResult tallyman = computeCase(period);
    result.notices = tallyman.notices;
    result.computed = tallyman.computed;
    if (!tallyman.computed)
        return result;

    StubComparison& c = result.comparison;
    for (std::size_t i = 0; i < StubLineCount; ++i) {
        ComparedLine& l = c.lines[i];
        l.line = stubLineAt(i);
        l.caption = stubLineCaption(l.line, tallyman.profile);
        l.stub = stub[i];
        l.tallyman = tallymanFigure(l.line, tallyman);
        if (l.stub)
            l.difference = *l.stub - l.tallyman;
    }
    const Facts facts { period, tallyman, c, tables, federal ? federal : FederalFigure(engineFederalFigure) };
    for (ComparedLine& l : c.lines) {
        if (!l.stub)
            continue;
        lineCauses(facts, l);
        if (l.differs())
            ++c.differing;
    }
    c.netDifference = c.lines[index(StubLine::Net)].difference;
    return result;
}

} // namespace tallyman
