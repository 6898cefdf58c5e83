// A pay period computed again from its inputs, beside everything the run state holds.
#include "engine/period_case.h"

namespace tallyman {

CaseResult computeCase(PeriodCase period)
{
    CaseResult result;
    CalcContext context {
        .txtAmount = period.txtAmount,
        .opt1xSelected = period.opt1xSelected,
        .ckFedJan = period.ckFedJan,
        .profile = period.profile,
        .state = period.state,
        .city = period.city,
        .nonCity = period.nonCity,
        .stateBoxes = period.stateBoxes,
        .ledger = period.ledger,
        .fedFolders = {},
        .fedTable = period.fedTable,
        .pay = period.pay,
        .utah = period.utah,
        .labels = result.labels,
        .notices = result.notices,
        .refreshSettings = nullptr,
    };
    result.computed = computePayPeriod(context);
    result.pay = period.pay;
    result.profile = period.profile;
    return result;
}

double socialSecurityWageBase(const FedTable& table)
{
    if (table.Year && table.Year->WageBase > 0)
        return table.Year->WageBase;
    return SocialSecurityWageBase;
}

std::optional<AdditionalMedicare> additionalMedicare(const FedTable& table)
{
    if (!table.Year || table.Year->AddlMedicareThreshold <= 0 || table.Year->AddlMedicareRate <= 0)
        return std::nullopt;
    return AdditionalMedicare { table.Year->AddlMedicareThreshold, table.Year->AddlMedicareRate };
}

} // namespace tallyman
