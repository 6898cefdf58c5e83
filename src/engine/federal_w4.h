// Federal withholding for a certificate from 2020 on: the annual percentage method.
#pragma once

#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/w4_form.h"
#include "numbers/amount.h"

#include <optional>

namespace tallyman {

// The tentative annual tax of annual wages by a schedule: the base and rate of the last row
// whose bound the wages reach. Rows are in ascending order; wages below every bound pay 0.
double annualTax(const AnnualSchedule& schedule, double annualWages);

// Pay periods in a year by the profile's frequency: 52 weekly (Week wins when both are set, as
// the bracket evaluation lets the weekly table stand), 26 bi-weekly, nothing without either.
std::optional<int> payPeriodsPerYear(const EmployeeProfile& profile);

// The federal tax of one period for a certificate from 2020 on. `taxable` is the period's
// federal taxable wages before any allowance. Annual wages are taxable x periods, plus the
// other income, less the deductions and (Step 2 unchecked) the year's standard amount, not
// below 0; the annual tax by the status's schedule is spread over the periods, the credits
// per period come off (not below 0) and the extra withholding `fedAddL` is added; the result
// is rounded to cents. Throws NumberOverflow when it does not fit an Amount.
Amount withholdingFrom2020(
    const FedYear& year, const W4Certificate& w4, Amount taxable, int periods, Amount fedAddL);

} // namespace tallyman
