// The result-field table and the checks that keep it whole.
#include "screens/result_fields.h"

#include "engine/calculation.h"

#include <array>

namespace tallyman {

namespace {

using enum ResultGroup;
using enum ResultColumn;
using M = MainWindow;
using C = CalcLabels;

constexpr std::array<ResultField, 20> Fields { {
    // key, label, calculated, element, tag, caption, record, group, column
    { "lbTaxDed", nullptr, nullptr, 0, 0, "Federal Tax", SavedRecord::FedTax, Withheld, Taxes },
    { "lbTaxDed", nullptr, nullptr, 1, 1, "Soc Sec", SavedRecord::SocSec, Withheld, Taxes },
    { "lbTaxDed", nullptr, nullptr, 2, 2, "Medicare", SavedRecord::Medicare, Withheld, Taxes },
    { "lbTaxDed", nullptr, nullptr, 3, 3, "State Tax", SavedRecord::StateTax, Withheld, Taxes },
    { "lbTaxDed", nullptr, nullptr, 4, 4, "City Tax", SavedRecord::CityTax, Withheld, Taxes },
    { "lbTaxDed", nullptr, nullptr, 5, 5, "Muni Cr Union", SavedRecord::Deduction1, Withheld, Deductions },
    { "lbTaxDed", nullptr, nullptr, 6, 6, "Bond", SavedRecord::Deduction2, Withheld, Deductions },
    { "lbTaxDed", nullptr, nullptr, 7, 7, "Union Dues", SavedRecord::Deduction3, Withheld, Deductions },
    { "lbTaxDed", nullptr, nullptr, 8, 8, "Pension", SavedRecord::Deduction4, Withheld, Deductions },
    { "lbTaxDed", nullptr, nullptr, 9, 9, "Health Ins", SavedRecord::Deduction5, Withheld, Deductions },
    { "lbTaxDed", nullptr, nullptr, 10, 10, "K Plan", SavedRecord::KPlan, Withheld, Deductions },
    { "lbSDI", &M::lbSDI, &C::lbSDI, 0, 14, "SDI", SavedRecord::Sdi, Withheld, Taxes },
    { "lbSUI", &M::lbSUI, &C::lbSUI, 0, 15, "SUI", SavedRecord::Sui, Withheld, Taxes },
    { "lbCafe", &M::lbCafe, &C::lbCafe, 0, 16, "Cafeteria Plan", SavedRecord::Cafe, Withheld, Deductions },
    { "Label13", &M::Label13, &C::Label13, 0, 12, "GROSS PAY", SavedRecord::Gross, Earnings, Results },
    { "lbTaxes", &M::lbTaxes, &C::lbTaxes, 0, -1, "TAXES", SavedRecord::Taxes, Totals, Results },
    { "lbDeduct", &M::lbDeduct, &C::lbDeduct, 0, -1, "DEDUCTIONS", SavedRecord::Deductions, Totals, Results },
    { "lbNet", &M::lbNet, &C::lbNet, 0, 13, "NET PAY", SavedRecord::Net, Totals, Results },
    { "lbOverT", &M::lbOverT, &C::lbOverT, 0, 11, "OverTime", std::nullopt, Earnings, ResultsSide },
    { "lbTips", &M::lbTips, &C::lbTips, 0, 17, "Tips", std::nullopt, Earnings, ResultsSide },
} };

// Every caption label and every element of lbTaxDed belongs to one figure, and the saved
// figures fill the records after the inputs in file order (Save This Pay Period checks them in
// that order and names the first it refuses).
constexpr bool tableIsWhole()
{
    constexpr std::size_t tags = std::tuple_size_v<decltype(M::lbTaxTag)>;
    constexpr std::size_t elements = std::tuple_size_v<decltype(M::lbTaxDed)>;
    std::array<int, tags> tagUses {};
    std::array<int, elements> elementUses {};
    std::size_t nextRecord = SavedPeriodInputs;
    for (const ResultField& f : Fields) {
        if ((f.label == nullptr) != (f.calculated == nullptr))
            return false;
        if (f.tag >= 0 && !(std::size_t(f.tag) < tags && ++tagUses[std::size_t(f.tag)] == 1))
            return false;
        if (!f.label && !(f.element < elements && ++elementUses[f.element] == 1))
            return false;
        if (f.record && recordIndex(*f.record) != nextRecord++)
            return false;
    }
    for (int uses : tagUses)
        if (uses != 1)
            return false;
    for (int uses : elementUses)
        if (uses != 1)
            return false;
    return nextRecord == SavedPeriodValues;
}
static_assert(tableIsWhole(), "a result field is missing, doubled or out of the saved records' order");

} // namespace

std::span<const ResultField> resultFields() { return Fields; }

ui::Label& resultLabel(MainWindow& window, const ResultField& field)
{
    return field.label ? window.*field.label : window.lbTaxDed[field.element];
}

const ui::Label& resultLabel(const MainWindow& window, const ResultField& field)
{
    return field.label ? window.*field.label : window.lbTaxDed[field.element];
}

std::string resultCaption(const MainWindow& window, const ResultField& field)
{
    return field.tag < 0 ? field.caption : window.lbTaxTag[std::size_t(field.tag)].caption();
}

const std::string& calculatedText(const CalcLabels& labels, const ResultField& field)
{
    return field.calculated ? labels.*field.calculated : labels.lbTaxDed[field.element];
}

} // namespace tallyman
