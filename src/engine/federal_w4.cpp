// The annual percentage method for certificates from 2020 on.
#include "engine/federal_w4.h"

#include "numbers/rounding.h"

#include <algorithm>

namespace tallyman {

double annualTax(const AnnualSchedule& schedule, double annualWages)
{
    const AnnualRow* applies = nullptr;
    for (const AnnualRow& row : schedule)
        if (row.AtLeast <= annualWages)
            applies = &row;
    if (!applies)
        return 0;
    return applies->Base + (annualWages - applies->AtLeast) * applies->Rate;
}

std::optional<int> payPeriodsPerYear(const EmployeeProfile& profile)
{
    if (profile.Week != 0)
        return 52;
    if (profile.BiWeek != 0)
        return 26;
    return std::nullopt;
}

Amount withholdingFrom2020(
    const FedYear& year, const W4Certificate& w4, Amount taxable, int periods, Amount fedAddL)
{
    const double perYear = periods;
    const double standard = w4.Step2                  ? 0.0
        : w4.Status == W4FilingStatus::MarriedJointly ? year.Line1gMarried
                                                      : year.Line1gOther;
    const double wages
        = std::max(double(taxable) * perYear + double(w4.Step4a) - (double(w4.Step4b) + standard), 0.0);
    const double perPeriod = annualTax(year.schedule(w4.Status, w4.Step2), wages) / perYear;
    const double afterCredits = std::max(perPeriod - double(w4.Step3) / perYear, 0.0);
    return roundCents(afterCredits + double(fedAddL));
}

} // namespace tallyman
