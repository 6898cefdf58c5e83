// Help texts.
#include "cli/usage.h"

#include <map>

namespace tallyman::cli {

namespace {

const char* const Program = R"(Usage: tallyman-cli [OPTIONS] COMMAND ...

Computes pay periods and edits users exactly as the Tallyman window does.

Commands:
  calc                      type one pay period into the main window and press ADD
  user show|new|set         the User Info screen; File > New
  state show|select|set|newyork
                            the State Tax dialog
  city show|newyork|set     the City Tax dialog
  noncity show|default|set  the Non City Tax dialog
  ot show|set|total|newweek the OverTime Percentage tracker
  leave show|set|clear      the Vacation / Holiday / Sick log
  period save|list|show     Save This Pay Period, the saved periods, Get Pay Period

Options for every command:
  --dir DIR        the data folder (else $TALLYMAN_DIR, else ~/.local/share/Tallyman)
  --user NAME      the user to work on (its NAME.use must exist)
  --json           one JSON object on stdout instead of text
  --yes, --no      the answer to the program's Yes/No questions (default --no)
  --today M/D/YYYY today's date, for reproducible runs
  --help           help, also after a command: tallyman-cli calc --help
  --version        the program's version and the federal table's version

Exit status: 0 done, 1 bad arguments, 2 the program reported a problem or refused a value.
)";

const char* const Calc
    = R"(Usage: tallyman-cli --user NAME calc [--hours T0,T1,T2,T3,T4,T5,T6,T7 | BOX OPTIONS]
                    [--ot-2x] [--fed-prior-april] [--week TEXT]

Starts the program for the user, types the hours into the main window's eight boxes and
presses ADD. The calculation saves the user's files as ADD does in the window.

  --hours T0,...,T7    the eight box texts in order, any of them empty
  --straight T         STRAIGHT TIME HOURS 1
  --straight2 T        STRAIGHT TIME HOURS 2
  --ot T               O.T. (at 1X, or 2X with --ot-2x)
  --ot15 T             O.T. TIME AND 1/2 (1.5X)
  --holiday T          HOLIDAY IN HOURS
  --vacation T         VACATION - SICK, IN HOURS
  --amount T           PAY IN DOLLAR AMOUNT
  --tips T             TIPS (Hours)
  --ot-2x              select (2X) for the O.T. box
  --fed-prior-april    check "Fed Tax Prior to April" (the legacy federal table)
  --week TEXT          the week ending (default: today)

The boxes take only digits, blank, - and . as typed; any other character is refused (exit 2).
With --json: {"user", "PayResult": {every field}, "labels": {...}, "messages": [...]}.
)";

const char* const User = R"(Usage: tallyman-cli --user NAME user show
       tallyman-cli [--user PREVIOUS] [--yes] user new NAME
       tallyman-cli --user NAME user set FIELD=VALUE ...

show   the user's profile.
new    File > New: answers the question "SAVE PREVIOUS USER?" with No (--yes saves the
       previous user), names the new user and lets its first calculation write its files.
       Without --user the program starts on the default file set, as with an empty name.
set    types into the User Info screen and presses Save. Fields:
         HourRate HourRate2 TipsRate FedAddL Muni Bond Dues Misc Pension Kplan Cafe  (numbers)
         FedStatus StateStatus (Single|Married)  FedExemptions StateExemptions (0-9)
         FedExemp SSMediExemp NonCity KpPer KpFix CafeState SelfEmp  (0|1)
         Week (weekly|biweekly)
         Tax5 Tax6 Tax7 Tax8 Tax9 Name Address StateCityZip SSnum  (texts)
)";

const char* const State = R"(Usage: tallyman-cli --user NAME state show
       tallyman-cli --user NAME state select STATE
       tallyman-cli --user NAME state set CONTROL=VALUE ...
       tallyman-cli --user NAME state newyork

show     the state tax settings.
select   presses the special state's box in the State Tax dialog, then SAVE. STATE is one of
         arizona louisiana iowa missouri utah alabama mass oregon kentucky
         wisconsin-prior wisconsin nc, or none (the selected box is pressed again, which
         unchecks it: the generic table computes the tax, with the figures the dialog holds).
set      types into the dialog's fields, then SAVE. Controls:
           txtStateMinBS[i] txtStateAmtBS[i] txtStatePerBS[i]   single table, i = 0-9
           txtStateMinBM[i] txtStateAmtBM[i] txtStatePerBM[i]   married table
           txtStateSgExp[i] txtStateMarExp[i]                   allowances by exemptions
           txtSDIpercent txtSDIwageBase txtSUIpercent txtSUIwageBase txtStateAdj txtCalAllow
           ckNoStateTax ckSDI ckSUI ckSpouse ckRoundOff          (0|1)
newyork  presses New York (the default table), then SAVE.
)";

const char* const City = R"(Usage: tallyman-cli --user NAME city show
       tallyman-cli --user NAME city newyork
       tallyman-cli --user NAME city set CONTROL=VALUE ...

show     the city tax settings.
newyork  presses New York, then SAVE.
set      types into the City Tax dialog's fields, then SAVE. Controls:
           txtCityMinBS[i] txtCityAmtBS[i] txtCityPerBS[i]      single table, i = 0-9
           txtCityMinBM[i] txtCityAmtBM[i] txtCityPerBM[i]      married table
           txtCitySgExp[i] txtCityMarExp[i]                     allowances by exemptions
           ckNoLocalTax                                         (0|1)
)";

const char* const NonCity = R"(Usage: tallyman-cli --user NAME noncity show
       tallyman-cli --user NAME noncity default
       tallyman-cli --user NAME noncity set CONTROL=VALUE ...

show     the non-city resident settings.
default  presses DEFAULT, then SAVE.
set      types into the Non City Tax dialog's fields, then SAVE. Controls:
           txtNonMinBi[i] txtNonExpBi[i]    bi-weekly table, i = 0-7
           txtNonMinWk[i] txtNonExpWk[i]    weekly table
           txtNonPer                        the rate
)";

const char* const Ot = R"(Usage: tallyman-cli --user NAME ot show
       tallyman-cli --user NAME ot set FIELD=VALUE ...
       tallyman-cli --user NAME ot total
       tallyman-cli --user NAME ot newweek

Opens the OverTime Percentage tracker from the main window (it totals itself when it opens).
show     the tracker.
set      types into the tracker, then presses TOTAL. Fields:
           Annual=52000  ApPercent=15  ROW=DATE,AMOUNT (ROW 1-53 weekly, 1-26 bi-weekly)
total    presses TOTAL.
newweek  presses New Week (the oldest row goes), then TOTAL.
TOTAL refuses an empty, zero or non-numeric salary or percentage (exit 2, nothing saved).
)";

const char* const Leave = R"(Usage: tallyman-cli --user NAME leave show
       tallyman-cli --user NAME leave set FIELD=VALUE ...
       tallyman-cli --user NAME leave clear

show   the leave log.
set    types into the Vacation / Holiday / Sick log, then presses Save. Fields:
         Vac.Start=10  Vac.3=12/1/2026,1.5  (also Hol. and Sick., rows 1-20)
clear  presses Clear All, then Save.
)";

const char* const Period = R"(Usage: tallyman-cli --user NAME period save [calc options]
       tallyman-cli --user NAME period list
       tallyman-cli --user NAME period show FILE

save   computes the period as calc does, then presses Save This Pay Period: the file is
       the week ending ("/" as "_"), two spaces, the user and ".prv".
list   the user's saved periods in the data folder.
show   presses Get Pay Period with FILE (a file of the data folder) and shows the window.
)";

} // namespace

std::string usage(const std::string& topic)
{
    static const std::map<std::string, const char*> texts { { "", Program }, { "calc", Calc },
        { "user", User }, { "state", State }, { "city", City }, { "noncity", NonCity }, { "ot", Ot }, { "leave", Leave },
        { "period", Period } };
    // Sub-commands share their command's help.
    const std::string command = topic.substr(0, topic.find(' '));
    const auto it = texts.find(command);
    return it == texts.end() ? Program : it->second;
}

} // namespace tallyman::cli
