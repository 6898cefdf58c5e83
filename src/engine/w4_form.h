// W4Certificate: the employee's withholding certificate, the form before 2020 or from 2020 on.
#pragma once

#include "numbers/amount.h"

namespace tallyman {

// The form before 2020 is withheld from the profile's status and allowances; the form from
// 2020 on by the annual percentage method, from these figures.
enum class W4Form { Before2020, From2020 };

enum class W4FilingStatus { Single, MarriedJointly, HeadOfHousehold };

struct W4Certificate {
    W4Form Form = W4Form::Before2020;
    W4FilingStatus Status = W4FilingStatus::Single;
    bool Step2 = false; // multiple jobs or spouse works
    Amount Step3 = 0; // annual credits for dependents
    Amount Step4a = 0; // annual other income
    Amount Step4b = 0; // annual deductions
    // Step 4(c), the extra withholding per period, is the profile's FedAddL.

    bool operator==(const W4Certificate&) const = default;
};

} // namespace tallyman
