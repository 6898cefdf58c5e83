// EmployeeProfile: what Tallyman knows of the one employee of the current user.
#pragma once

#include "engine/w4_form.h"
#include "numbers/amount.h"

#include <string>

namespace tallyman {

// Field names are the system's own. Flags: check-box values 0/1, option-button values 0/-1.
// The values a new user starts with are set by resetToNewUser(), not here: before the first
// load the profile is empty (numbers 0, texts empty, flags 0).
struct EmployeeProfile {
    Amount HourRate = 0;
    Amount HourRate2 = 0;
    Amount TipsRate = 0;
    short Week = 0; // -1 when paid weekly
    short BiWeek = 0; // -1 when paid bi-weekly
    std::string FedStatus; // "Single" or "Married"
    std::string FedExemptions; // "0" to "9"
    short FedExemp = 0;
    Amount FedAddL = 0;
    short SSMediExemp = 0;
    std::string StateStatus; // state and city filing status
    short StateExemptions = 0;
    short NonCity = 0;
    Amount Muni = 0;
    Amount Bond = 0;
    Amount Dues = 0;
    Amount Pension = 0; // percent of gross pay
    Amount Misc = 0; // health insurance
    std::string Tax5, Tax6, Tax7, Tax8, Tax9; // deduction captions
    Amount Kplan = 0;
    short KpPer = 0;
    short KpFix = 0;
    Amount Cafe = 0;
    short CafeState = 0;
    short SelfEmp = 0;
    std::string Name;
    std::string Address;
    std::string StateCityZip;
    std::string SSnum;
    // Kept in a file of its own (NAME.w4): none of the profile files above holds it.
    W4Certificate W4;

    // The values File > New gives (Week on, "Single", captions "CrUnion" ... "Misc.", ...).
    void resetToNewUser();
};

// Whether the employee is paid weekly: Week is -1, or no pay frequency is set at all (the
// next save makes that weekly). Anything else is bi-weekly. Chooses the tracker and ledger
// files and their row counts; the tax tables read Week and BiWeek themselves.
inline bool paysWeekly(const EmployeeProfile& profile)
{
    return profile.Week == -1 || (profile.Week == 0 && profile.BiWeek == 0);
}

} // namespace tallyman
