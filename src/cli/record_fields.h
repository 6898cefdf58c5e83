// The fields of the records the CLI shows, each under its own name, for any kind of output.
#pragma once

#include "engine/employee_profile.h"
#include "engine/pay_result.h"
#include "engine/states/special_states.h"
#include "engine/tax_settings.h"

namespace tallyman::cli {

// Each function calls visit(name, value) for every field in record order; values are Amount,
// double, Currency, short, std::string or a row array (StateRows, NonCityRows).

template <typename Visit> void visitFields(const PayResult& r, Visit&& visit)
{
    visit("PayRate", r.PayRate);
    visit("StrHrs", r.StrHrs);
    visit("StrHrs2", r.StrHrs2);
    visit("OtVar", r.OtVar);
    visit("OtHrs", r.OtHrs);
    visit("Avas", r.Avas);
    visit("VacDys", r.VacDys);
    visit("Addit", r.Addit);
    visit("TipsHrs", r.TipsHrs);
    visit("Reg1Pay", r.Reg1Pay);
    visit("Reg2Pay", r.Reg2Pay);
    visit("TipsPay", r.TipsPay);
    visit("TotalOt", r.TotalOt);
    visit("TotalTips", r.TotalTips);
    visit("GrossPay", r.GrossPay);
    visit("KplanAmt", r.KplanAmt);
    visit("PensionAmt", r.PensionAmt);
    visit("CafeAmt", r.CafeAmt);
    visit("CafeStateAmt", r.CafeStateAmt);
    visit("TaxableWages", r.TaxableWages);
    visit("FedExemptAmt", r.FedExemptAmt);
    visit("FedTaxable", r.FedTaxable);
    visit("StateExemptAmt", r.StateExemptAmt);
    visit("CityExemptAmt", r.CityExemptAmt);
    visit("StateWages", r.StateWages);
    visit("CityWages", r.CityWages);
    visit("FedTax", r.FedTax);
    visit("SocSecTax", r.SocSecTax);
    visit("MedicareTax", r.MedicareTax);
    visit("StateTax", r.StateTax);
    visit("CityTax", r.CityTax);
    visit("SDITax", r.SDITax);
    visit("SUITax", r.SUITax);
    visit("SdiYtdGross", r.SdiYtdGross);
    visit("SuiYtdGross", r.SuiYtdGross);
    visit("SsYtdWages", r.SsYtdWages);
    visit("SsWageRoom", r.SsWageRoom);
    visit("TaxDeduct", r.TaxDeduct);
    visit("TotDeduct", r.TotDeduct);
    visit("NetPay", r.NetPay);
}

template <typename Visit> void visitFields(const EmployeeProfile& p, Visit&& visit)
{
    visit("HourRate", p.HourRate);
    visit("HourRate2", p.HourRate2);
    visit("TipsRate", p.TipsRate);
    visit("Week", p.Week);
    visit("BiWeek", p.BiWeek);
    visit("FedStatus", p.FedStatus);
    visit("FedExemptions", p.FedExemptions);
    visit("FedExemp", p.FedExemp);
    visit("FedAddL", p.FedAddL);
    visit("SSMediExemp", p.SSMediExemp);
    visit("StateStatus", p.StateStatus);
    visit("StateExemptions", p.StateExemptions);
    visit("NonCity", p.NonCity);
    visit("Muni", p.Muni);
    visit("Bond", p.Bond);
    visit("Dues", p.Dues);
    visit("Pension", p.Pension);
    visit("Misc", p.Misc);
    visit("Tax5", p.Tax5);
    visit("Tax6", p.Tax6);
    visit("Tax7", p.Tax7);
    visit("Tax8", p.Tax8);
    visit("Tax9", p.Tax9);
    visit("Kplan", p.Kplan);
    visit("KpPer", p.KpPer);
    visit("KpFix", p.KpFix);
    visit("Cafe", p.Cafe);
    visit("CafeState", p.CafeState);
    visit("SelfEmp", p.SelfEmp);
    visit("Name", p.Name);
    visit("Address", p.Address);
    visit("StateCityZip", p.StateCityZip);
    visit("SSnum", p.SSnum);
}

template <typename Visit> void visitFields(const StateTaxSettings& s, Visit&& visit)
{
    visit("StateMinBS", s.StateMinBS);
    visit("StateAmtBS", s.StateAmtBS);
    visit("StatePerBS", s.StatePerBS);
    visit("StateMinBM", s.StateMinBM);
    visit("StateAmtBM", s.StateAmtBM);
    visit("StatePerBM", s.StatePerBM);
    visit("StateSgExp", s.StateSgExp);
    visit("StateMarExp", s.StateMarExp);
    visit("NoStateTax", s.NoStateTax);
    visit("SDIpercent", s.SDIpercent);
    visit("SDIwageBase", s.SDIwageBase);
    visit("SDIUseBase", s.SDIUseBase);
    visit("SUIpercent", s.SUIpercent);
    visit("SUIwageBase", s.SUIwageBase);
    visit("SUIUseBase", s.SUIUseBase);
    visit("StateAdj", s.StateAdj);
    visit("CalAllow", s.CalAllow);
    for (const SpecialState* state : specialStatesInRecordOrder())
        visit(state->field, s.*state->flag);
    visit("Spouse", s.Spouse);
    visit("RoundOff", s.RoundOff);
}

template <typename Visit> void visitFields(const CityTaxSettings& c, Visit&& visit)
{
    visit("CityMinBS", c.CityMinBS);
    visit("CityAmtBS", c.CityAmtBS);
    visit("CityPerBS", c.CityPerBS);
    visit("CityMinBM", c.CityMinBM);
    visit("CityAmtBM", c.CityAmtBM);
    visit("CityPerBM", c.CityPerBM);
    visit("CitySgExp", c.CitySgExp);
    visit("CityMarExp", c.CityMarExp);
    visit("NoLocalTax", c.NoLocalTax);
}

template <typename Visit> void visitFields(const NonCitySettings& n, Visit&& visit)
{
    visit("NonMinBi", n.NonMinBi);
    visit("NonExpBi", n.NonExpBi);
    visit("NonMinWk", n.NonMinWk);
    visit("NonExpWk", n.NonExpWk);
    visit("NonPer", n.NonPer);
}

} // namespace tallyman::cli
