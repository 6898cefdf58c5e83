// New-user values of the profile.
#include "engine/employee_profile.h"

namespace tallyman {

void EmployeeProfile::resetToNewUser()
{
    *this = EmployeeProfile {};
    Week = -1;
    BiWeek = 0;
    FedStatus = "Single";
    FedExemptions = "0";
    StateStatus = "Single";
    Tax5 = "CrUnion";
    Tax6 = "Bond";
    Tax7 = "Dues";
    Tax8 = "Pension";
    Tax9 = "Misc.";
    KpPer = 1;
    KpFix = 0;
    Name = "Employee's Name";
    Address = "Employee's Address for Check";
    StateCityZip = "City, State Zip Code";
    SSnum = "Soc Sec #";
}

} // namespace tallyman
