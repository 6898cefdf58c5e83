// The command table, with the help texts of the program and of each command.
#include "cli/command_registry.h"

#include <algorithm>

namespace tallyman::cli {

// The handlers, each in its command's file (trackerCommand runs ot, leave and period).
CommandHandler calcCommand, userCommand, stateCommand, cityCommand, nonCityCommand, printCommand,
    checkCommand, offsetsCommand, ledgerCommand, headingCommand, fedTableCommand, trackerCommand, stubCommand;

namespace {

// Before the list of commands.
const char* const ProgramStart = R"(Usage: tallyman-cli [OPTIONS] COMMAND ...

Computes pay periods and edits users exactly as the Tallyman window does.

Commands:
)";

// After the list of commands.
const char* const ProgramEnd = R"(
Options for every command:
  --dir DIR        the data folder (else $TALLYMAN_DIR, else ~/.local/share/Tallyman)
  --user NAME      the user to work on (its NAME.use must exist); without it, the default
                   file set, as the window's start-up prompt with an empty name
  --json           one JSON object on stdout instead of text
  --yes, --no      the answer to the program's Yes/No questions (default --no)
  --today M/D/YYYY today's date, for reproducible runs
  --help           help, also after a command: tallyman-cli calc --help
  --version        the program's version and the federal table's version

Exit status: 0 done, 1 bad arguments, 2 the program reported a problem or refused a value.
)";

const char* const Calc
    = R"(Usage: tallyman-cli [--user NAME] calc [--hours T0,T1,T2,T3,T4,T5,T6,T7 | BOX OPTIONS]
                    [--ot-2x] [--fed-prior-april] [--week TEXT]

Starts the program for the user (the default file set without --user), types the hours
into the main window's eight boxes and presses ADD. The calculation saves the user's files
as ADD does in the window.

  --hours T0,...,T7    the box texts in order, any of them empty; boxes left out stay empty
                       (--hours 40 fills only STRAIGHT TIME HOURS 1)
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
       tallyman-cli --user NAME user w4 show
       tallyman-cli --user NAME user w4 set FIELD=VALUE ...

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
w4     the W-4 form of User Info. show: Form, Status, Step2, Step3, Step4a, Step4b and
       Step4c (the additional withholding, FedAddL); --json gives {"user", "W4", "messages"}.
       set chooses and fills the form and presses Save. Fields:
         Form (2020|2019)  Status (Single|Married|HeadOfHousehold)  Step2 (0|1)
         Step3 Step4a Step4b  (amounts a year, not negative)
       The W-4 fields are enabled only with Form=2020; set Step 4(c) with user set FedAddL=.
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

const char* const Print
    = R"(Usage: tallyman-cli --user NAME print statement [CALC OPTIONS] (--pdf FILE | --text)

Computes the period as calc does (the same options), then prints the pay statement as the
Print button does: the profile and the saved year ledger are read again first.

  --pdf FILE   write the page into FILE (its folder must exist)
  --text       print the page as text on stdout: column n is character n
)";

const char* const Check = R"(Usage: tallyman-cli --user NAME check show [CALC OPTIONS]
       tallyman-cli --user NAME check print [CALC OPTIONS] [--horz N] [--vert N] (--pdf FILE | --text)
       tallyman-cli --user NAME check testpage [--horz N] [--vert N] (--pdf FILE | --text)

show      computes the period, opens File > Checks and shows its fields.
print     computes the period, opens the check writer and its Print, types the offsets given
          and presses Print Check: the offsets are stored with the user's files, then the
          check and its two stubs are printed. A net pay of a million or more is refused.
testpage  the alignment page at the offsets given (or the stored ones); nothing is stored.

  --horz N   columns to the right (negative: left), -5 to +5 as the Horizontal list offers
  --vert N   lines down (negative: up), -5 to +5 as the Vertical list offers
  --pdf FILE, --text   as for print statement
With --json, show writes {"txtCheckDate", "txtPayTo", "txtCheckAmt", "txtDollars", ...}.
)";

const char* const Offsets = R"(Usage: tallyman-cli --user NAME offsets show
       tallyman-cli --user NAME offsets set [--horz N] [--vert N]

show   the stored offsets as the Printer Offset dialog shows them (whole numbers).
set    types into the dialog's boxes and presses Apply, which saves the user's files. A text
       that is not a number is refused (exit 2) and nothing is stored.
With --json: {"HorzOffset", "VertOffset", "cboHorz", "cboVert"}.
)";

const char* const Ledger = R"(Usage: tallyman-cli --user NAME ledger show
       tallyman-cli --user NAME ledger paste WEEK [calc options]
       tallyman-cli --user NAME ledger delete WEEK
       tallyman-cli --user NAME ledger clear
       tallyman-cli --user NAME ledger set WEEK Tips=T Net=T Gross=T
       tallyman-cli --user NAME ledger print (--pdf FILE | --text)
       tallyman-cli --user NAME ledger export FILE.xlsx

Opens the Year to Date window. Commands that change the year close it with Yes to
"Do you want to save YTD", so the ledger file is saved.

show     the rows in use and the totals; --json gives {"user", "weekly", "rows", "totals"}.
paste    computes the period as calc does (same options) and clicks week WEEK (1-53, or
         1-26 for a bi-weekly user).
delete   right-clicks week WEEK: the row is emptied and stays in its place.
clear    C&lear > &Clear All.
set      types the three editable cells of week WEEK (Tips, Net, Gross), then &Add.
print    &Print: the landscape printout as a PDF file, or as text on stdout (column n is
         character n; a line holds what the page holds).
export   the workbook &Excel makes, written to FILE.xlsx.
)";

const char* const Heading = R"(Usage: tallyman-cli heading show
       tallyman-cli heading set Company=T CompanyAddress=T CompanyZip=T CompanyId=T

The employer's heading of the printouts ("Header.sav"), shared by every user. show prints
what the Print Out Heading dialog shows; set types into its boxes and presses OK.
)";

const char* const FedTable = R"(Usage: tallyman-cli fedtable list
       tallyman-cli fedtable show
       tallyman-cli fedtable install YEAR
       tallyman-cli fedtable build YEAR FILE

The federal withholding table (Options > Federal Table... in the window).
list     the years whose schedules are shipped with the program.
show     the table a calculation uses now (Federal24.dtt of the data folder, else the one
         installed with the program): its file, version, year and wage bases.
install  builds YEAR's table from the shipped schedules and writes it as Federal24.dtt in
         the data folder, for every user; the previous file is kept as Federal24.dtt.bak.
         The next calculation uses it.
build    writes YEAR's table to FILE, changing nothing in the data folder.
A table built for a year carries its Social Security wage base and the Additional Medicare
Tax; the shipped 2024 table does not (wage base 160,200, no Additional Medicare).
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
TOTAL refuses an empty or non-numeric salary or percentage, and a salary of 0 (exit 2,
nothing saved). A percentage of 0 is taken: no overtime is allowed, so what is left is
minus what was earned.
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

const char* const Stub = R"(Usage: tallyman-cli --user NAME stub check [calc options] LINE=AMOUNT ...

Types the hours into the main window as calc does, the stub's figures into Check My Stub
and presses Compare: the period is computed as ADD computes it, but nothing is saved.
Lines (any may be left out; names in any letter case):
  Gross Fed SS Medi State City SDI SUI Net
  Tax5 Tax6 Tax7 Tax8 Tax9 (the user's deductions, as captioned in User Info) Kplan Cafe

Each line shows the stub, Tallyman, the difference and its likely causes. A line within one
cent agrees. The exit status is 0 whether or not lines differ; 2 for an unknown line, a
character the amount boxes drop (only digits, blank, - and .) or an amount that is not one.
With --json: {"user", "lines": [{"line", "caption", "stub", "tallyman", "difference",
"agrees", "causes": [...]}], "agree", "netDifference" (null without Net), "summary",
"messages"}.
)";

// Each command with its help; then its sub-commands, or the options of a command without any.
const std::vector<Command> Commands {
    { "calc", "type one pay period into the main window and press ADD", Calc, calcCommand, {},
        PeriodOptions },
    { "user", "the User Info screen; File > New", User, userCommand,
        { { "show" }, { "new" }, { "set" }, { .name = "w4", .subs = { "show", "set" } } } },
    { "state", "the State Tax dialog", State, stateCommand,
        { { "show" }, { "select" }, { "set" }, { "newyork" } } },
    { "city", "the City Tax dialog", City, cityCommand, { { "show" }, { "newyork" }, { "set" } } },
    { "noncity", "the Non City Tax dialog", NonCity, nonCityCommand,
        { { "show" }, { "default" }, { "set" } } },
    { "print", "calc, then the pay statement (File > Print Sheet)", Print, printCommand,
        { { "statement", PeriodOptions | DestinationOptions } } },
    { "check", "the check writer; the check and its stubs; the alignment page", Check, checkCommand,
        { { "show", PeriodOptions }, { "print", PeriodOptions | OffsetOptions | DestinationOptions },
            { "testpage", OffsetOptions | DestinationOptions } } },
    { "offsets", "the check's printer offsets (the Printer Offset dialog)", Offsets, offsetsCommand,
        { { "show" }, { "set", OffsetOptions } } },
    { "ledger", "the Year to Date window", Ledger, ledgerCommand,
        { { "show" }, { "paste", PeriodOptions }, { "delete" }, { "clear" }, { "set" },
            { "print", DestinationOptions }, { "export" } } },
    { "heading", "the Print Out Heading dialog", Heading, headingCommand, { { "show" }, { "set" } } },
    { "fedtable", "the federal table: years shipped, in use, installing one", FedTable, fedTableCommand,
        { { "list" }, { "show" }, { "install" }, { "build" } } },
    { "ot", "the OverTime Percentage tracker", Ot, trackerCommand,
        { { "show" }, { "set" }, { "total" }, { "newweek" } } },
    { "leave", "the Vacation / Holiday / Sick log", Leave, trackerCommand,
        { { "show" }, { "set" }, { "clear" } } },
    { "period", "Save This Pay Period, the saved periods, Get Pay Period", Period, trackerCommand,
        { { "save", PeriodOptions }, { "list" }, { "show" } } },
    { "stub", "Check My Stub: a pay stub against the period's calculation", Stub, stubCommand,
        { { "check", PeriodOptions } } },
};

// The program's help: its list of commands comes from the table, one line each, the summary
// at column 28, or under it when the command and its sub-commands reach that far.
std::string programHelp()
{
    constexpr std::size_t SummaryColumn = 28;
    std::string help = ProgramStart;
    for (const Command& command : Commands) {
        std::string words = "  " + std::string(command.name);
        for (std::size_t i = 0; i < command.subs.size(); ++i)
            words += (i == 0 ? " " : "|") + std::string(command.subs[i].name);
        if (words.size() < SummaryColumn)
            words.resize(SummaryColumn, ' ');
        else
            words += "\n" + std::string(SummaryColumn, ' ');
        help += words + std::string(command.summary) + "\n";
    }
    return help + ProgramEnd;
}

} // namespace

std::span<const Command> commands() { return Commands; }

const Command* findCommand(std::string_view name)
{
    const auto it = std::find_if(
        Commands.begin(), Commands.end(), [&](const Command& command) { return command.name == name; });
    return it == Commands.end() ? nullptr : &*it;
}

OptionGroups optionsTaken(const Arguments& args)
{
    const Command* command = args.words.empty() ? nullptr : findCommand(args.words.front());
    if (!command)
        return 0;
    if (command->subs.empty())
        return command->options;
    const std::string_view word = args.words.size() > 1 ? std::string_view(args.words[1]) : "";
    const auto sub = std::find_if(
        command->subs.begin(), command->subs.end(), [&](const SubCommand& s) { return s.name == word; });
    return sub == command->subs.end() ? 0 : sub->options;
}

std::string usage(const std::string& topic)
{
    // Sub-commands share their command's help.
    const Command* command = findCommand(topic.substr(0, topic.find(' ')));
    return command ? command->help : programHelp();
}

} // namespace tallyman::cli
