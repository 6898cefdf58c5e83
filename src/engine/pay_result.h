// PayResult: the inputs and every computed amount of the last pay period.
#pragma once

#include "numbers/amount.h"
#include "numbers/currency.h"

namespace tallyman {

struct PayResult {
    Amount PayRate = 0;
    Amount StrHrs = 0, StrHrs2 = 0, OtVar = 0, OtHrs = 0, Avas = 0, VacDys = 0, TipsHrs = 0;
    Currency Addit;
    Amount Reg1Pay = 0, Reg2Pay = 0, TipsPay = 0;
    Amount TotalOt = 0, TotalTips = 0;
    Amount GrossPay = 0;
    Amount KplanAmt = 0, PensionAmt = 0, CafeAmt = 0, CafeStateAmt = 0;
    Amount TaxableWages = 0;
    Amount FedExemptAmt = 0, FedTaxable = 0;
    Amount StateExemptAmt = 0, CityExemptAmt = 0;
    Amount StateWages = 0, CityWages = 0;
    Amount FedTax = 0, SocSecTax = 0, MedicareTax = 0, StateTax = 0, CityTax = 0;
    Amount SDITax = 0, SUITax = 0;
    Amount SdiYtdGross = 0, SuiYtdGross = 0, SsYtdWages = 0, SsWageRoom = 0;
    double TaxDeduct = 0; // the one double-precision sum
    Amount TotDeduct = 0;
    Amount NetPay = 0;
};

// Working values of the Utah formula, kept between calculations.
struct UtahWork {
    Amount Utah1 = 0, Utah2 = 0, Utah3 = 0, Utah4 = 0;
};

// The year-to-date figures of the ledger that the calculation reads.
struct LedgerTotals {
    Currency TotGross; // wage-base tests
    Amount TotSS = 0; // Massachusetts
    Amount TotMedi = 0;
};

} // namespace tallyman
