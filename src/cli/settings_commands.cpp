// state, city and noncity: the three withholding-table dialogs, shown, pressed and saved.
#include "cli/commands.h"

#include "cli/command_output.h"
#include "cli/typing.h"
#include "screens/main_window.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/taxtables/state_dialog.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <variant>

namespace tallyman::cli {

namespace {

// A control of a dialog that `set` may type into or click: a column of boxes (indexed), a
// single box or a check box.
template <typename D> struct DialogControl {
    std::string_view name;
    std::variant<ui::ControlArray<ui::TextBox, 10> D::*, ui::ControlArray<ui::TextBox, 8> D::*,
        ui::TextBox D::*, ui::CheckBox D::*>
        member;

    // Rows of a column, 0 for a single control.
    int rows() const { return member.index() == 0 ? 10 : member.index() == 1 ? 8 : 0; }
    bool isCheck() const { return member.index() == 3; }
};

struct ControlRef {
    ui::Control* control = nullptr;
    ui::TextBox* text = nullptr;
    ui::CheckBox* check = nullptr;
};

template <typename D> ControlRef resolve(D& dialog, const DialogControl<D>& c, std::optional<int> index)
{
    ControlRef ref;
    switch (c.member.index()) {
    case 0:
        ref.text = &(dialog.*std::get<0>(c.member))[std::size_t(*index)];
        break;
    case 1:
        ref.text = &(dialog.*std::get<1>(c.member))[std::size_t(*index)];
        break;
    case 2:
        ref.text = &(dialog.*std::get<2>(c.member));
        break;
    default:
        ref.check = &(dialog.*std::get<3>(c.member));
        break;
    }
    ref.control = ref.text ? static_cast<ui::Control*>(ref.text) : ref.check;
    return ref;
}

const DialogControl<StateDialog> StateControls[] = {
    { "txtStateMinBS", &StateDialog::txtStateMinBS },
    { "txtStateAmtBS", &StateDialog::txtStateAmtBS },
    { "txtStatePerBS", &StateDialog::txtStatePerBS },
    { "txtStateMinBM", &StateDialog::txtStateMinBM },
    { "txtStateAmtBM", &StateDialog::txtStateAmtBM },
    { "txtStatePerBM", &StateDialog::txtStatePerBM },
    { "txtStateSgExp", &StateDialog::txtStateSgExp },
    { "txtStateMarExp", &StateDialog::txtStateMarExp },
    { "txtSDIpercent", &StateDialog::txtSDIpercent },
    { "txtSDIwageBase", &StateDialog::txtSDIwageBase },
    { "txtStateAdj", &StateDialog::txtStateAdj },
    { "txtCalAllow", &StateDialog::txtCalAllow },
    { "txtSUIpercent", &StateDialog::txtSUIpercent },
    { "txtSUIwageBase", &StateDialog::txtSUIwageBase },
    { "ckNoStateTax", &StateDialog::ckNoStateTax },
    { "ckSDI", &StateDialog::ckSDI },
    { "ckSUI", &StateDialog::ckSUI },
    { "ckSpouse", &StateDialog::ckSpouse },
    { "ckRoundOff", &StateDialog::ckRoundOff },
};

const DialogControl<CityDialog> CityControls[] = {
    { "txtCityMinBS", &CityDialog::txtCityMinBS },
    { "txtCityAmtBS", &CityDialog::txtCityAmtBS },
    { "txtCityPerBS", &CityDialog::txtCityPerBS },
    { "txtCityMinBM", &CityDialog::txtCityMinBM },
    { "txtCityAmtBM", &CityDialog::txtCityAmtBM },
    { "txtCityPerBM", &CityDialog::txtCityPerBM },
    { "txtCitySgExp", &CityDialog::txtCitySgExp },
    { "txtCityMarExp", &CityDialog::txtCityMarExp },
    { "ckNoLocalTax", &CityDialog::ckNoLocalTax },
};

const DialogControl<NonCityDialog> NonCityControls[] = {
    { "txtNonMinBi", &NonCityDialog::txtNonMinBi },
    { "txtNonExpBi", &NonCityDialog::txtNonExpBi },
    { "txtNonMinWk", &NonCityDialog::txtNonMinWk },
    { "txtNonExpWk", &NonCityDialog::txtNonExpWk },
    { "txtNonPer", &NonCityDialog::txtNonPer },
};

// What differs between the three dialogs.
template <typename D, typename Record> struct TableDialog {
    std::string_view command; // "state"
    std::string_view recordName; // "StateTaxSettings"
    std::span<const DialogControl<D>> controls;
    ScreenId id;
    ui::CommandButton MainWindow::*menu;
    D& (App::*screen)();
    Record App::*record;
    ui::CommandButton D::*defaultButton; // New York, or the non-city DEFAULT
    std::string_view defaultWord; // the sub-command that presses it
};

const TableDialog<StateDialog, StateTaxSettings> State { "state", "StateTaxSettings", StateControls,
    ScreenId::StateDialog, &MainWindow::mnuState, &App::stateDialog, &App::state, &StateDialog::cmdDefault,
    "newyork" };
const TableDialog<CityDialog, CityTaxSettings> City { "city", "CityTaxSettings", CityControls,
    ScreenId::CityDialog, &MainWindow::mnuCity, &App::cityDialog, &App::city, &CityDialog::cmdDefault,
    "newyork" };
const TableDialog<NonCityDialog, NonCitySettings> NonCity { "noncity", "NonCitySettings", NonCityControls,
    ScreenId::NonCityDialog, &MainWindow::mnuNonCity, &App::nonCityDialog, &App::nonCity,
    &NonCityDialog::cmdDefault, "default" };

template <typename D> struct Edit {
    const DialogControl<D>* control;
    Assignment assignment;
};

// Names, indexes and values checked before the program starts.
template <typename D, typename R>
std::vector<Edit<D>> readEdits(
    const TableDialog<D, R>& dialog, const Arguments& args, const std::string& topic)
{
    std::vector<Edit<D>> edits;
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], topic);
        const auto it = std::find_if(dialog.controls.begin(), dialog.controls.end(),
            [&](const DialogControl<D>& c) { return c.name == a.name; });
        if (it == dialog.controls.end()) {
            if constexpr (std::is_same_v<D, StateDialog>) {
                const auto special = std::ranges::find_if(
                    SpecialBoxes, [&](const SpecialBox& row) { return controlName(row) == a.name; });
                if (special != SpecialBoxes.end())
                    throw UsageError(
                        a.name + " is chosen with: state select " + special->state.command, topic);
            }
            throw UsageError("unknown field \"" + a.target() + "\"", topic);
        }
        const int rows = it->rows();
        if (rows > 0 && !a.index)
            throw UsageError(
                a.name + " needs a row index 0 to " + std::to_string(rows - 1) + ", as " + a.name + "[0]",
                topic);
        if (rows == 0 && a.index)
            throw UsageError(a.name + " has no rows: no index", topic);
        if (a.index && *a.index >= rows)
            throw UsageError(a.target() + ": the rows are 0 to " + std::to_string(rows - 1), topic);
        const std::string bad = a.target() + "=" + a.value + ": ";
        if (it->isCheck()) {
            if (!checkValue(a.value))
                throw DataError(bad + "a check box is 0 or 1");
        } else if (const auto dropped = firstDroppedByNumberBox(a.value)) {
            throw DataError(bad + "the box does not take \"" + *dropped + "\" (only digits, blank, - and .)");
        }
        edits.push_back({ &*it, a });
    }
    if (edits.empty())
        throw UsageError(std::string(dialog.command) + " set needs at least one FIELD=VALUE", topic);
    return edits;
}

template <typename D, typename R>
void showRecord(const TableDialog<D, R>& dialog, Output& output, Session& session)
{
    printUserRecord(output, session, dialog.recordName, session.app().*dialog.record);
}

// Starts the program and opens the dialog from the main window's menu, as a person would.
template <typename D, typename R>
D& openDialog(const TableDialog<D, R>& dialog, Session& session, const std::string& user)
{
    MainWindow& main = session.start(user);
    const std::size_t mark = session.mark();
    (main.*dialog.menu).click();
    session.failOnReports(mark);
    return (session.app().*dialog.screen)();
}

// SAVE; the dialog closes when it saved. A refusal is reported by the dialog's message.
template <typename D, typename R>
void save(const TableDialog<D, R>& dialog, Session& session, D& screen, std::size_t mark)
{
    screen.OKButton.click();
    session.failOnReports(mark);
    if (session.app().isLoaded(dialog.id))
        throw DataError(std::string(dialog.command) + ": the dialog did not save");
}

template <typename D, typename R>
int setFields(const TableDialog<D, R>& dialog, const Arguments& args, Output& output)
{
    const std::string topic = std::string(dialog.command) + " set";
    refuseExtras(args, args.words.size(), topic);
    const auto edits = readEdits(dialog, args, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);

    Session session(args, dataDir, output.err);
    D& screen = openDialog(dialog, session, user);
    const std::size_t mark = session.mark();
    for (const auto& edit : edits) {
        const ControlRef ref = resolve(screen, *edit.control, edit.assignment.index);
        // A person cannot type into a box the dialog shows disabled or hides.
        if (!ref.control->enabled() || !ref.control->visible())
            throw DataError(edit.assignment.target() + " is "
                + (ref.control->visible() ? "disabled" : "hidden") + " in the dialog as it stands");
        if (ref.check)
            setCheck(*ref.check, *checkValue(edit.assignment.value));
        else if (const auto dropped = typeInto(*ref.text, edit.assignment.value))
            throw DataError(edit.assignment.target() + ": the box does not take \"" + *dropped + "\"");
    }
    save(dialog, session, screen, mark);
    showRecord(dialog, output, session);
    return ExitDone;
}

template <typename D, typename R>
int pressDefault(const TableDialog<D, R>& dialog, const Arguments& args, Output& output)
{
    const std::string topic = std::string(dialog.command) + " " + std::string(dialog.defaultWord);
    refuseExtras(args, 2, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    Session session(args, dataDir, output.err);
    D& screen = openDialog(dialog, session, user);
    const std::size_t mark = session.mark();
    (screen.*dialog.defaultButton).click();
    save(dialog, session, screen, mark);
    showRecord(dialog, output, session);
    return ExitDone;
}

template <typename D, typename R>
int show(const TableDialog<D, R>& dialog, const Arguments& args, Output& output)
{
    const std::string topic = std::string(dialog.command) + " show";
    refuseExtras(args, 2, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    Session session(args, dataDir, output.err);
    // Showing writes nothing, so it runs while the user is open elsewhere.
    session.app().lookOnly();
    openDialog(dialog, session, user);
    showRecord(dialog, output, session);
    return ExitDone;
}

int selectState(const Arguments& args, Output& output)
{
    const std::string topic = "state select";
    refuseExtras(args, 3, topic);
    if (args.words.size() < 3)
        throw UsageError("state select needs a state", topic);
    const std::string name = lowerCase(args.words[2]);
    const auto chosen = std::ranges::find_if(
        SpecialBoxes, [&](const SpecialBox& row) { return row.state.command == name; });
    if (chosen == SpecialBoxes.end() && name != "none")
        throw UsageError("unknown state \"" + args.words[2] + "\"", topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);

    Session session(args, dataDir, output.err);
    StateDialog& screen = openDialog(State, session, user);
    const std::size_t mark = session.mark();
    if (chosen != SpecialBoxes.end()) {
        // Pressing a checked box would uncheck it: the state is pressed only when not selected.
        if ((screen.*chosen->box).value() != 1)
            screen.press(*chosen);
    } else {
        // No special state: each checked box is pressed again, in the record's order, which
        // unchecks it and leaves the figures of its preset in the generic table. (The Oregon
        // preset may re-check a box the record still holds; that one is pressed next.)
        const auto inRecordOrder = specialStatesInRecordOrder();
        for (std::size_t round = 0; round <= inRecordOrder.size(); ++round) {
            const auto checked = std::ranges::find_if(inRecordOrder,
                [&](const SpecialState* state) { return (screen.*specialBox(*state).box).value() == 1; });
            if (checked == inRecordOrder.end())
                break;
            screen.press(specialBox(**checked));
        }
    }
    save(State, session, screen, mark);
    showRecord(State, output, session);
    return ExitDone;
}

template <typename D, typename R>
int dialogCommand(const TableDialog<D, R>& dialog, const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    if (sub == "show")
        return show(dialog, args, output);
    if (sub == "set")
        return setFields(dialog, args, output);
    if (sub == dialog.defaultWord)
        return pressDefault(dialog, args, output);
    if constexpr (std::is_same_v<D, StateDialog>)
        if (sub == "select")
            return selectState(args, output);
    const std::string command(dialog.command);
    throw UsageError(
        sub.empty() ? command + " needs a command" : "unknown command " + command + " " + sub, command);
}

} // namespace

int stateCommand(const Arguments& args, Output& output) { return dialogCommand(State, args, output); }

int cityCommand(const Arguments& args, Output& output) { return dialogCommand(City, args, output); }

int nonCityCommand(const Arguments& args, Output& output) { return dialogCommand(NonCity, args, output); }

} // namespace tallyman::cli
