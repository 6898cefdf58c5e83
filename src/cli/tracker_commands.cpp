// ot, leave and period: the overtime tracker, the leave log and the saved pay periods, opened
// from the main window and pressed as a person would.
#include "cli/commands.h"

#include "cli/json_writer.h"
#include "cli/message_output.h"
#include "cli/record_output.h"
#include "cli/result_labels.h"
#include "cli/session.h"
#include "cli/typing.h"
#include "numbers/number_text.h"
#include "screens/main_window.h"
#include "screens/result_fields.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "storage/codepage.h"
#include "trackers/saved_period.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace tallyman::cli {

namespace {

// A row number as the screens number them (1 for the first row); nothing when it is not one.
std::optional<int> rowNumber(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "DATE,AMOUNT": the date is free text (it may hold commas), the amount follows the last comma.
std::pair<std::string, std::string> dateAndAmount(const Assignment& a, const std::string& topic)
{
    const auto comma = a.value.rfind(',');
    if (comma == std::string::npos)
        throw UsageError(a.word + ": a row takes DATE,AMOUNT", topic);
    return { a.value.substr(0, comma), a.value.substr(comma + 1) };
}

void checkNumberText(const std::string& what, const std::string& text)
{
    if (const auto dropped = firstDroppedByNumberBox(text))
        throw DataError(what + ": the box does not take \"" + *dropped + "\" (only digits, blank, - and .)");
}

void checkDateText(const std::string& what, const std::string& text)
{
    if (text.find('"') != std::string::npos || !records::isStorableText(text))
        throw DataError(
            what + ": a date cannot hold a double quote or characters outside Western European letters");
}

void type(ui::TextBox& box, const std::string& text, const std::string& what)
{
    if (const auto dropped = typeInto(box, text))
        throw DataError(what + ": the box does not take \"" + *dropped + "\"");
}

// ---- ot ----

const std::string OtTopic = "ot";

struct OtEdit {
    std::string word;
    std::optional<std::string> annual, percent;
    int row = 0; // 1..53 for a row
    std::string date, amount;
};

OvertimeTrackerScreen& openTracker(Session& session, const std::string& user)
{
    MainWindow& main = session.start(user);
    main.mnuOtItem.click();
    return session.app().overtimeTracker();
}

void printTracker(Output& output, Session& session, OvertimeTrackerScreen& t)
{
    App& app = session.app();
    const int rows = paysWeekly(app.profile) ? WeeklyTrackerRows : TrackerRowsShownFirstBlock;
    const OvertimeTracker& r = app.tracker;
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", app.UserName).key("OvertimeTracker").beginObject();
        w.member("Annual", r.Annual).member("ApPercent", r.ApPercent).member("Earned", r.Earned);
        w.member("PresentRate", r.PresentRate).member("MaxAllowable", r.MaxAllowable);
        w.member("Available", r.Available);
        w.key("WeekEnding").beginArray(true);
        for (int i = 0; i < rows; ++i)
            w.value(t.Text1[std::size_t(i)].text());
        w.endArray().key("OtAmount").beginArray(true);
        for (int i = 0; i < rows; ++i)
            w.value(t.txtOT[std::size_t(i)].text());
        w.endArray().endObject();
        w.key("labels").beginObject();
        w.member("txtAnnual", t.txtAnnual.text()).member("txtApPercent", t.txtApPercent.text());
        w.member("lbEarned", t.lbEarned.text()).member("txtPercent", t.txtPercent.text());
        w.member("lbMax", t.lbMax.text()).member("lbAvail", t.lbAvail.text()).endObject();
        writeMessages(w, session.dialogs().messages());
        w.endObject();
        return;
    }
    output.out << "User: " << app.UserName << "\n\n";
    printAligned(output.out,
        { { "Annual Salary", t.txtAnnual.text() }, { "Approved Percentage", t.txtApPercent.text() },
            { "OverTime Earned", t.lbEarned.text() }, { "You are at", t.txtPercent.text() },
            { "Max. allowable", t.lbMax.text() }, { "Available overtime left", t.lbAvail.text() } });
    output.out << '\n';
    TextColumn weeks { "Week Ending", {} }, amounts { "O.T. Only", {} };
    for (int i = 0; i < rows; ++i) {
        weeks.cells.push_back(t.Text1[std::size_t(i)].text());
        amounts.cells.push_back(t.txtOT[std::size_t(i)].text());
    }
    // Numbered from 1, as `ot set` and the window number the rows.
    printColumns(output.out, { weeks, amounts }, 1);
}

// TOTAL; a refusal (its message box is on stderr) ends the command with exit 2.
void pressTotal(Session& session, OvertimeTrackerScreen& t, std::size_t mark)
{
    if (!t.cmdADD_Click()) {
        session.failOnReports(mark);
        throw DataError("ot: TOTAL computed nothing");
    }
    session.failOnReports(mark);
}

int otCommand(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    const std::string topic = "ot " + sub;
    if (sub != "show" && sub != "set" && sub != "total" && sub != "newweek")
        throw UsageError(
            sub.empty() ? "ot needs show, set, total or newweek" : "unknown ot command \"" + sub + "\"",
            OtTopic);
    refuseExtras(args, sub == "set" ? args.words.size() : 2, topic);
    std::vector<OtEdit> edits;
    if (sub == "set") {
        for (std::size_t i = 2; i < args.words.size(); ++i) {
            const Assignment a = parseAssignment(args.words[i], topic);
            OtEdit edit { a.word, {}, {}, 0, {}, {} };
            if (a.index)
                throw UsageError(a.word + ": no index; rows are numbered, as 5=DATE,AMOUNT", topic);
            if (a.name == "Annual") {
                checkNumberText(a.word, a.value);
                edit.annual = a.value;
            } else if (a.name == "ApPercent") {
                checkNumberText(a.word, a.value);
                edit.percent = a.value;
            } else if (const auto row = rowNumber(a.name)) {
                if (*row < 1 || *row > WeeklyTrackerRows)
                    throw DataError(a.word + ": the rows are 1 to 53 (weekly) or 1 to 26 (bi-weekly)");
                std::tie(edit.date, edit.amount) = dateAndAmount(a, topic);
                checkDateText(a.word, edit.date);
                checkNumberText(a.word, edit.amount);
                edit.row = *row;
            } else {
                throw UsageError("unknown field \"" + a.name + "\"", topic);
            }
            edits.push_back(edit);
        }
        if (edits.empty())
            throw UsageError("ot set needs at least one FIELD=VALUE", topic);
    }
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    Session session(args, dataDir, output.err);
    if (sub == "show")
        session.app().lookOnly(); // writes nothing, so it runs while the user is open elsewhere
    OvertimeTrackerScreen& t = openTracker(session, user);
    const std::size_t mark = session.mark();
    if (sub == "set") {
        // A bi-weekly tracker shows 26 rows: the others cannot be typed into.
        for (const OtEdit& edit : edits)
            if (edit.row > 0 && !paysWeekly(session.app().profile) && edit.row > TrackerRowsShownFirstBlock)
                throw DataError(edit.word + ": a bi-weekly tracker shows rows 1 to 26");
        for (const OtEdit& edit : edits) {
            if (edit.annual)
                type(t.txtAnnual, *edit.annual, edit.word);
            if (edit.percent)
                type(t.txtApPercent, *edit.percent, edit.word);
            if (edit.row > 0) {
                t.Text1[std::size_t(edit.row - 1)].setText(edit.date);
                type(t.txtOT[std::size_t(edit.row - 1)], edit.amount, edit.word);
            }
        }
        pressTotal(session, t, mark);
    } else if (sub == "total") {
        pressTotal(session, t, mark);
    } else if (sub == "newweek") {
        t.cmdAdvance_Click();
        pressTotal(session, t, mark);
    }
    printTracker(output, session, t);
    return ExitDone;
}

// ---- leave ----

struct LeaveEdit {
    std::string word;
    std::size_t kind = 0;
    int row = 0; // 0: the start balance, else 1..20
    std::string date, count;
};

void printLeave(Output& output, Session& session, LeaveLogScreen& log)
{
    App& app = session.app();
    const auto kinds = log.kinds();
    constexpr const char* Keys[] = { "Vac", "Hol", "Sick" };
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", app.UserName).key("LeaveLog").beginObject();
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            w.key(Keys[k]).beginObject();
            w.member("Start", kinds[k].start.text()).member("Balance", kinds[k].balance.text());
            w.key("Date").beginArray(true);
            for (const auto& box : kinds[k].dates)
                w.value(box.text());
            w.endArray().key("Count").beginArray(true);
            for (const auto& box : kinds[k].counts)
                w.value(box.text());
            w.endArray().endObject();
        }
        w.endObject();
        writeMessages(w, session.dialogs().messages());
        w.endObject();
        return;
    }
    output.out << "User: " << app.UserName << "\n\n";
    std::vector<std::pair<std::string, std::string>> balances;
    std::vector<TextColumn> columns;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        balances.emplace_back(std::string(kinds[k].name) + " Start Balance", kinds[k].start.text());
        balances.emplace_back(std::string(kinds[k].name) + " Balance", kinds[k].balance.text());
        TextColumn dates { std::string(Keys[k]) + " Dates", {} },
            counts { std::string(Keys[k]) + " #Taken", {} };
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            dates.cells.push_back(kinds[k].dates[i].text());
            counts.cells.push_back(kinds[k].counts[i].text());
        }
        columns.push_back(dates);
        columns.push_back(counts);
    }
    printAligned(output.out, balances);
    output.out << '\n';
    printColumns(output.out, columns, 1); // as `leave set` and the window number them
}

int leaveCommand(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    const std::string topic = "leave " + sub;
    if (sub != "show" && sub != "set" && sub != "clear")
        throw UsageError(
            sub.empty() ? "leave needs show, set or clear" : "unknown leave command \"" + sub + "\"",
            "leave");
    refuseExtras(args, sub == "set" ? args.words.size() : 2, topic);
    std::vector<LeaveEdit> edits;
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], topic);
        const auto dot = a.name.find('.');
        constexpr std::string_view Keys[] = { "Vac", "Hol", "Sick" };
        const std::string key = a.name.substr(0, dot);
        const auto kind = std::find(std::begin(Keys), std::end(Keys), key);
        if (dot == std::string::npos || kind == std::end(Keys) || a.index)
            throw UsageError(
                "unknown field \"" + a.word + "\": Vac, Hol or Sick, then .Start or .ROW", topic);
        LeaveEdit edit { a.word, std::size_t(kind - std::begin(Keys)), 0, {}, {} };
        const std::string field = a.name.substr(dot + 1);
        if (field == "Start") {
            checkNumberText(a.word, a.value);
            edit.count = a.value;
        } else if (const auto row = rowNumber(field)) {
            if (*row < 1 || *row > int(LeaveRows))
                throw DataError(a.word + ": the rows are 1 to 20");
            std::tie(edit.date, edit.count) = dateAndAmount(a, topic);
            checkDateText(a.word, edit.date);
            checkNumberText(a.word, edit.count);
            edit.row = *row;
        } else {
            throw UsageError(
                "unknown field \"" + a.word + "\": Vac, Hol or Sick, then .Start or .ROW", topic);
        }
        edits.push_back(edit);
    }
    if (sub == "set" && edits.empty())
        throw UsageError("leave set needs at least one FIELD=VALUE", topic);

    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    Session session(args, dataDir, output.err);
    if (sub == "show")
        session.app().lookOnly(); // writes nothing, so it runs while the user is open elsewhere
    MainWindow& main = session.start(user);
    main.mnuVac.click();
    LeaveLogScreen& log = session.app().leaveLog();
    const std::size_t mark = session.mark();
    if (sub != "show") {
        if (sub == "clear")
            log.cmdClear_Click();
        for (const LeaveEdit& edit : edits) {
            const auto kind = log.kinds()[edit.kind];
            if (edit.row == 0) {
                type(kind.start, edit.count, edit.word);
            } else {
                kind.dates[std::size_t(edit.row - 1)].setText(edit.date);
                type(kind.counts[std::size_t(edit.row - 1)], edit.count, edit.word);
            }
        }
        // Save closes the window; what it saved is shown from a fresh one.
        log.OKButton.click();
        session.failOnReports(mark);
        if (session.app().isLoaded(ScreenId::LeaveLog))
            throw DataError("leave: the log was not saved");
    }
    printLeave(output, session, session.app().leaveLog());
    return ExitDone;
}

// ---- period ----

bool isSaved(const ResultField& field) { return field.record.has_value(); }

int periodList(const Arguments& args, Output& output)
{
    const std::string topic = "period list";
    if (!args.options.empty())
        throw UsageError("period list does not take " + args.options.front().first, topic);
    refuseExtras(args, 2, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    const auto files = savedPeriodFiles(DataFolder(dataDir), user);
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", user).key("periods").beginArray();
        for (const auto& file : files)
            w.beginObject().member("file", file).member("week", weekTextOfFileName(file)).endObject();
        w.endArray().endObject();
    } else {
        for (const auto& file : files)
            output.out << file << '\n';
    }
    return ExitDone;
}

int periodShow(const Arguments& args, Output& output)
{
    const std::string topic = "period show";
    if (!args.options.empty())
        throw UsageError("period show does not take " + args.options.front().first, topic);
    refuseExtras(args, 3, topic);
    if (args.words.size() < 3)
        throw UsageError("period show needs the file name of a saved period", topic);
    const std::string file = args.words[2];
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);
    // Only a file of the data folder can be restored, as the window's dialog does.
    if (std::filesystem::path(file).filename().string() != file || !fileExists(dataDir / file))
        throw DataError("no saved period \"" + file + "\" in " + dataDir.string());
    Session session(args, dataDir, output.err);
    // Showing writes nothing, so it runs while the user is open elsewhere.
    session.app().lookOnly();
    MainWindow& main = session.start(user);
    session.dialogs().queueFile(file);
    main.cmdPeriod.click();
    constexpr const char* Inputs[]
        = { "STRAIGHT TIME HOURS 1", "STRAIGHT TIME HOURS 2", "O.T.", "O.T. TIME AND 1/2 (1.5X)",
              "HOLIDAY IN HOURS", "VACATION - SICK, IN HOURS", "PAY IN DOLLAR AMOUNT", "TIPS (Hours)" };
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", session.app().UserName).member("file", file);
        w.member("week", main.txtWeek.text());
        w.key("txtAmount").beginArray(true);
        for (const auto& box : main.txtAmount)
            w.value(box.text());
        w.endArray().key("labels").beginObject();
        // The keys calc writes, for the figures a saved period holds.
        writeResultLabels(w, main, isSaved);
        w.endObject();
        writeMessages(w, session.dialogs().messages());
        w.endObject();
    } else {
        std::vector<std::pair<std::string, std::string>> rows { { "WEEK ENDING", main.txtWeek.text() } };
        for (std::size_t i = 0; i < main.txtAmount.size(); ++i)
            rows.emplace_back(Inputs[i], main.txtAmount[i].text());
        for (const ResultField& field : resultFields())
            if (isSaved(field))
                rows.emplace_back(resultCaption(main, field), resultLabel(main, field).text());
        printAligned(output.out, rows);
    }
    return ExitDone;
}

} // namespace

int trackerCommand(const Arguments& args, Output& output)
{
    const std::string& command = args.words.front();
    if (command == "ot")
        return otCommand(args, output);
    if (command == "leave")
        return leaveCommand(args, output);
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    if (sub == "save")
        return calcThen(args, output, "period save", [&](Session& session, MainWindow& main) {
            const std::size_t mark = session.mark();
            if (!main.SavePayPeriod())
                session.failOnReports(mark);
            output.err << "saved " << main.savedPeriodName() << '\n';
        });
    if (sub == "list")
        return periodList(args, output);
    if (sub == "show")
        return periodShow(args, output);
    throw UsageError(
        sub.empty() ? "period needs save, list or show" : "unknown period command \"" + sub + "\"", "period");
}

} // namespace tallyman::cli
