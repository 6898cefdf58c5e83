// user show | new NAME | set FIELD=VALUE... | w4 show|set: the User Info screen and File > New.
#include "cli/commands.h"

#include "cli/command_output.h"
#include "cli/typing.h"
#include "employee/profile_files.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"
#include "storage/codepage.h"
#include "storage/fileset.h"

#include <algorithm>
#include <string_view>
#include <variant>

namespace tallyman::cli {

namespace {

struct WeekOptions { }; // optWeek / optBiWeek

struct UserField {
    std::string_view name;
    std::variant<ui::TextBox UserInfoScreen::*, ui::ComboBox UserInfoScreen::*,
        ui::CheckBox UserInfoScreen::*, WeekOptions>
        control;
    bool number = false; // a box with the number key filter
};

// The profile fields the User Info screen edits, by field name, with the control that shows each.
const UserField Fields[] = {
    { "HourRate", &UserInfoScreen::txtHourRate, true },
    { "HourRate2", &UserInfoScreen::txtHourRate2, true },
    { "TipsRate", &UserInfoScreen::txtTipsRate, true },
    { "Week", WeekOptions {} },
    { "FedStatus", &UserInfoScreen::cboStatus },
    { "FedExemptions", &UserInfoScreen::cboDepend },
    { "FedExemp", &UserInfoScreen::ckFedExemp },
    { "SSMediExemp", &UserInfoScreen::ckSSMediExemp },
    { "FedAddL", &UserInfoScreen::txtFedAddL, true },
    { "StateStatus", &UserInfoScreen::cboStatus2 },
    { "StateExemptions", &UserInfoScreen::cboDepend2 },
    { "NonCity", &UserInfoScreen::ckNonCity },
    { "Tax5", &UserInfoScreen::txtTax5 },
    { "Tax6", &UserInfoScreen::txtTax6 },
    { "Tax7", &UserInfoScreen::txtTax7 },
    { "Tax8", &UserInfoScreen::txtTax8 },
    { "Tax9", &UserInfoScreen::txtTax9 },
    { "Muni", &UserInfoScreen::txtMuni, true },
    { "Bond", &UserInfoScreen::txtBond, true },
    { "Dues", &UserInfoScreen::txtDues, true },
    { "Misc", &UserInfoScreen::txtMisc, true },
    { "Pension", &UserInfoScreen::txtPension, true },
    { "Kplan", &UserInfoScreen::txtKplan, true },
    { "KpPer", &UserInfoScreen::ckKpPer },
    { "KpFix", &UserInfoScreen::ckKpFix },
    { "Cafe", &UserInfoScreen::txtCafe, true },
    { "CafeState", &UserInfoScreen::ckCafeState },
    { "SelfEmp", &UserInfoScreen::ckSelfEmp },
    { "Name", &UserInfoScreen::txtName },
    { "Address", &UserInfoScreen::txtAddress },
    { "StateCityZip", &UserInfoScreen::txtStateCityZip },
    { "SSnum", &UserInfoScreen::txtSSnum },
};

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

const UserField* findField(const std::string& name)
{
    const auto it = std::find_if(
        std::begin(Fields), std::end(Fields), [&](const UserField& f) { return f.name == name; });
    return it == std::end(Fields) ? nullptr : &*it;
}

std::optional<bool> weeklyValue(const std::string& text)
{
    std::string word = lowerCase(text);
    std::erase(word, '-');
    if (word == "weekly")
        return true;
    if (word == "biweekly")
        return false;
    return std::nullopt;
}

struct Edit {
    const UserField* field;
    Assignment assignment;
};

// Everything that can be told from the command line alone, before the program starts.
std::vector<Edit> readEdits(const Arguments& args, const std::string& topic)
{
    std::vector<Edit> edits;
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], topic);
        const UserField* field = findField(a.name);
        if (!field || a.index)
            throw UsageError("unknown field \"" + a.target() + "\"", topic);
        const std::string bad = a.name + "=" + a.value + ": ";
        std::visit(Overloaded {
                       [&](ui::TextBox UserInfoScreen::*) {
                           if (field->number) {
                               if (const auto dropped = firstDroppedByNumberBox(a.value))
                                   throw DataError(bad + "the box does not take \"" + *dropped
                                       + "\" (only digits, blank, - and .)");
                           } else if (!records::isStorableText(a.value)) {
                               throw DataError(bad
                                   + "a text may not hold a double quote, a tab, a line break or "
                                     "characters outside Western European letters");
                           }
                       },
                       [&](ui::ComboBox UserInfoScreen::*) {},
                       [&](ui::CheckBox UserInfoScreen::*) {
                           if (!checkValue(a.value))
                               throw DataError(bad + "a check box is 0 or 1");
                       },
                       [&](WeekOptions) {
                           if (!weeklyValue(a.value))
                               throw DataError(bad + "the pay frequency is weekly or biweekly");
                       },
                   },
            field->control);
        edits.push_back({ field, a });
    }
    if (edits.empty())
        throw UsageError("user set needs at least one FIELD=VALUE", topic);
    return edits;
}

// Lists hold what the screen offers; a value must be one of their items.
void checkListValues(UserInfoScreen& screen, const std::vector<Edit>& edits)
{
    for (const Edit& edit : edits) {
        if (const auto* list = std::get_if<ui::ComboBox UserInfoScreen::*>(&edit.field->control)) {
            const ui::ComboBox& box = screen.**list;
            if (!listItem(box, edit.assignment.value)) {
                std::string items;
                for (const auto& item : box.items())
                    items += (items.empty() ? "" : ", ") + item;
                throw DataError(
                    edit.assignment.name + "=" + edit.assignment.value + ": the list offers " + items);
            }
        }
    }
}

void apply(UserInfoScreen& screen, const Edit& edit)
{
    const std::string& value = edit.assignment.value;
    std::visit(Overloaded {
                   [&](ui::TextBox UserInfoScreen::*box) {
                       if (const auto dropped = typeInto(screen.*box, value))
                           throw DataError(
                               edit.assignment.name + ": the box does not take \"" + *dropped + "\"");
                   },
                   [&](ui::ComboBox UserInfoScreen::*list) {
                       ui::ComboBox& box = screen.*list;
                       box.setFocus();
                       box.setText(*listItem(box, value));
                   },
                   [&](ui::CheckBox UserInfoScreen::*check) { setCheck(screen.*check, *checkValue(value)); },
                   [&](WeekOptions) { (*weeklyValue(value) ? screen.optWeek : screen.optBiWeek).click(); },
               },
        edit.field->control);
}

void showProfile(Output& output, Session& session)
{
    printUserRecord(output, session, "EmployeeProfile", session.app().profile);
}

// The withholding certificate as `user w4` shows it; Step 4(c) is the profile's FedAddL.
struct W4Shown {
    const W4Certificate& w4;
    Amount step4c;
};

template <typename Visit> void visitFields(const W4Shown& shown, Visit&& visit)
{
    const W4Certificate& w4 = shown.w4;
    visit("Form", static_cast<short>(w4.Form == W4Form::From2020 ? 2020 : 2019));
    visit("Status", std::string(w4StatusText(w4.Status)));
    visit("Step2", static_cast<short>(w4.Step2 ? 1 : 0));
    visit("Step3", w4.Step3);
    visit("Step4a", w4.Step4a);
    visit("Step4b", w4.Step4b);
    visit("Step4c", shown.step4c);
}

void showW4(Output& output, Session& session)
{
    const EmployeeProfile& profile = session.app().profile;
    printUserRecord(output, session, "W4", W4Shown { profile.W4, profile.FedAddL });
}

// The W-4 fields of `user w4 set`, with the User Info control each one is typed into.
struct W4Field {
    std::string_view name;
    std::variant<ui::TextBox UserInfoScreen::*, ui::CheckBox UserInfoScreen::*> control;
};

const W4Field W4Fields[] = {
    { "Step2", &UserInfoScreen::ckW4Step2 },
    { "Step3", &UserInfoScreen::txtW4Step3 },
    { "Step4a", &UserInfoScreen::txtW4Step4a },
    { "Step4b", &UserInfoScreen::txtW4Step4b },
};

struct W4Edits {
    std::optional<bool> from2020;
    std::optional<W4FilingStatus> status;
    std::vector<std::pair<const W4Field*, Assignment>> fields;
};

W4Edits readW4Edits(const Arguments& args, const std::string& topic)
{
    W4Edits edits;
    for (std::size_t i = 3; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], topic);
        const std::string bad = a.name + "=" + a.value + ": ";
        if (a.index)
            throw UsageError("unknown field \"" + a.target() + "\"", topic);
        if (a.name == "Form") {
            if (a.value != "2020" && a.value != "2019")
                throw DataError(bad + "the form is 2020 (2020 or later) or 2019 (2019 or earlier)");
            edits.from2020 = a.value == "2020";
            continue;
        }
        if (a.name == "Status") {
            edits.status = w4StatusFromText(a.value);
            if (!edits.status)
                throw DataError(bad + "the status is Single, Married or HeadOfHousehold");
            continue;
        }
        const auto field = std::find_if(
            std::begin(W4Fields), std::end(W4Fields), [&](const W4Field& f) { return f.name == a.name; });
        if (field == std::end(W4Fields))
            throw UsageError("unknown field \"" + a.target() + "\"", topic);
        if (std::holds_alternative<ui::CheckBox UserInfoScreen::*>(field->control)) {
            if (!checkValue(a.value))
                throw DataError(bad + "a check box is 0 or 1");
        } else if (const auto dropped = firstDroppedByNumberBox(a.value)) {
            throw DataError(bad + "the box does not take \"" + *dropped + "\" (only digits, blank, - and .)");
        }
        edits.fields.emplace_back(&*field, a);
    }
    if (!edits.from2020 && !edits.status && edits.fields.empty())
        throw UsageError("user w4 set needs at least one FIELD=VALUE", topic);
    return edits;
}

// The form is chosen first, as it enables the fields of its own; a field the screen then shows
// disabled is refused, as a person could not type there.
void applyW4(UserInfoScreen& screen, const W4Edits& edits)
{
    if (edits.from2020)
        (*edits.from2020 ? screen.optW4From2020 : screen.optW4Before2020).click();
    const auto refuseDisabled = [](const ui::Control& control, const std::string& name) {
        if (!control.enabled())
            throw DataError(
                name + " is disabled on User Info while the W-4 form is 2019 or earlier (set Form=2020)");
    };
    if (edits.status) {
        refuseDisabled(screen.cboW4Status, "Status");
        screen.cboW4Status.setFocus();
        screen.cboW4Status.setListIndex(static_cast<int>(*edits.status));
    }
    for (const auto& edit : edits.fields) {
        // Named, not bound: a lambda may not capture a structured binding in every compiler.
        const auto& field = edit.first;
        const auto& assignment = edit.second;
        std::visit(Overloaded {
                       [&](ui::TextBox UserInfoScreen::*box) {
                           refuseDisabled(screen.*box, assignment.name);
                           if (const auto dropped = typeInto(screen.*box, assignment.value))
                               throw DataError(
                                   assignment.name + ": the box does not take \"" + *dropped + "\"");
                       },
                       [&](ui::CheckBox UserInfoScreen::*check) {
                           refuseDisabled(screen.*check, assignment.name);
                           setCheck(screen.*check, *checkValue(assignment.value));
                       },
                   },
            field->control);
    }
}

int w4Command(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 2 ? args.words[2] : "";
    if (sub == "show") {
        const std::string topic = "user w4 show";
        refuseExtras(args, 3, topic);
        const auto dataDir = openDataFolder(args);
        Session session(args, dataDir, output.err);
        session.app().lookOnly();
        session.start(existingUser(args, dataDir, topic));
        showW4(output, session);
        return ExitDone;
    }
    if (sub != "set")
        throw UsageError(
            sub.empty() ? "user w4 needs show or set" : "unknown command user w4 " + sub, "user");
    const std::string topic = "user w4 set";
    refuseExtras(args, args.words.size(), topic);
    const W4Edits edits = readW4Edits(args, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);

    Session session(args, dataDir, output.err);
    MainWindow& main = session.start(user);
    const std::size_t mark = session.mark();
    session.host().setModalAction(ScreenId::UserInfo, [&] {
        UserInfoScreen& screen = session.app().userInfo();
        applyW4(screen, edits);
        screen.cmdOk.click();
    });
    main.mnuTaxInfoItem.click();
    session.failOnReports(mark);
    showW4(output, session);
    return ExitDone;
}

int showUser(const Arguments& args, Output& output)
{
    const std::string topic = "user show";
    refuseExtras(args, 2, topic);
    const auto dataDir = openDataFolder(args);
    Session session(args, dataDir, output.err);
    // Showing writes nothing, so it runs while the user is open elsewhere.
    session.app().lookOnly();
    session.start(existingUser(args, dataDir, topic));
    showProfile(output, session);
    return ExitDone;
}

int setUser(const Arguments& args, Output& output)
{
    const std::string topic = "user set";
    refuseExtras(args, args.words.size(), topic);
    const std::vector<Edit> edits = readEdits(args, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);

    Session session(args, dataDir, output.err);
    MainWindow& main = session.start(user);
    checkListValues(session.app().userInfo(), edits);

    const std::size_t mark = session.mark();
    session.host().setModalAction(ScreenId::UserInfo, [&] {
        UserInfoScreen& screen = session.app().userInfo();
        for (const Edit& edit : edits)
            apply(screen, edit);
        screen.cmdOk.click();
    });
    main.mnuTaxInfoItem.click();
    session.failOnReports(mark);
    showProfile(output, session);
    return ExitDone;
}

int newUser(const Arguments& args, Output& output)
{
    const std::string topic = "user new";
    refuseExtras(args, 3, topic);
    if (args.words.size() < 3 || args.words[2].empty())
        throw UsageError("user new needs the new user's name", topic);
    const std::string& name = args.words[2];
    if (const auto problem = userNameProblem(name))
        throw DataError("\"" + name + "\": " + *problem);
    const auto dataDir = openDataFolder(args);
    if (fileExists(DataFolder(dataDir).userFile(name, ".use")))
        throw DataError("user \"" + name + "\" already exists in " + dataDir.string());
    // The program starts on the user named by --user, else on the default file set, as the
    // start-up prompt does with an empty box.
    const std::string previous = args.user ? existingUser(args, dataDir, topic) : std::string();

    Session session(args, dataDir, output.err);
    MainWindow& main = session.start(previous);
    const std::size_t mark = session.mark();
    session.dialogs().queueInput(name);
    // Only --yes leads here ("SAVE PREVIOUS USER?"): the previous user is saved.
    session.host().setModalAction(ScreenId::SaveUser, [&] { session.app().saveUser().cmdSaveUser.click(); });
    main.mnuNew.click();
    session.failOnReports(mark);
    if (session.app().UserName != name || !fileExists(DataFolder(dataDir).userFile(name, ".use")))
        throw DataError("user \"" + name + "\" was not created");
    showProfile(output, session);
    return ExitDone;
}

} // namespace

int userCommand(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    if (sub == "show")
        return showUser(args, output);
    if (sub == "new")
        return newUser(args, output);
    if (sub == "set")
        return setUser(args, output);
    if (sub == "w4")
        return w4Command(args, output);
    throw UsageError(
        sub.empty() ? "user needs show, new or set (or w4 show|set)" : "unknown command user " + sub, "user");
}

} // namespace tallyman::cli
