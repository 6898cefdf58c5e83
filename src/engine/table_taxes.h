// State, city and non-city resident withholding from the bracket tables of the settings.
#pragma once

#include "engine/employee_profile.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"
#include "engine/wage_taxes.h"

namespace tallyman {

// StateWages and StateTax from the generic state table (single or married by StateStatus),
// less the California allowance CalAllow. The result may be negative; the driver clamps it.
void GetStateTable(const EmployeeProfile& profile, const StateTaxSettings& state, PayResult& pay);

// Every empty box of the state dialog becomes "0" before the boxes are read.
void ZeroBlankStateFields(StateBoxes& stateBoxes);

// City resident tax (CityWages, CityTax), or with NonCity on the non-resident tax: the
// non-resident table replaces CityExemptAmt by its subtraction and one rate applies to the rest.
void GetCityTax(const EmployeeProfile& profile, const CityTaxSettings& city, const NonCitySettings& nonCity,
    PayResult& pay);

} // namespace tallyman
