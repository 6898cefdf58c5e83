// user show | new NAME | set FIELD=VALUE...: the User Info screen and File > New.
#include "cli/commands.h"

#include "cli/command_output.h"
#include "cli/typing.h"
#include "storage/codepage.h"
#include "storage/fileset.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"

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
    throw UsageError(sub.empty() ? "user needs show, new or set" : "unknown command user " + sub, "user");
}

} // namespace tallyman::cli
