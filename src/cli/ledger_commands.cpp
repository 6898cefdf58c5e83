// ledger ... and heading ...: the Year to Date window and the Print Out Heading dialog.
#include "cli/commands.h"

#include "cli/json_writer.h"
#include "cli/session.h"
#include "cli/typing.h"
#include "numbers/number_text.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"
#include "storage/codepage.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <set>

namespace tallyman::cli {

namespace {

const std::string Topic = "ledger";

// WEEK as the person counts it (1-53, 1-26 bi-weekly): the row index, or a refusal.
int weekRow(App& app, const std::string& word)
{
    const auto number = strictNumber(word);
    const int last = paysWeekly(app.profile) ? LedgerGridRows : LedgerUpperBlockRows;
    if (!number || *number != static_cast<int>(*number) || *number < 1 || *number > last)
        throw DataError("week \"" + word + "\": the window shows weeks 1 to " + std::to_string(last)
            + (paysWeekly(app.profile) ? "" : " for a bi-weekly user"));
    return static_cast<int>(*number) - 1;
}

void needWords(const Arguments& args, std::size_t count, const std::string& what)
{
    if (args.words.size() < count)
        throw UsageError("ledger " + args.words[1] + " needs " + what, Topic);
    if (args.words.size() > count)
        throw UsageError("unexpected \"" + args.words[count] + "\"", Topic);
}

void noOptions(const Arguments& args)
{
    if (!args.options.empty())
        throw UsageError("ledger " + args.words[1] + " does not take " + args.options.front().first, Topic);
}

// Closing with Yes to the save question; the command fails when the ledger was not saved.
void closeAndSave(Session& session, LedgerWindow& window)
{
    const std::size_t mark = session.mark();
    session.dialogs().queueAnswer(ui::MessageAnswer::Yes);
    window.mnuClose_Click();
    session.failOnReports(mark);
}

void showLedger(Output& output, App& app, LedgerWindow& window)
{
    const bool weekly = paysWeekly(app.profile);
    const int rows = weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows;
    const YearLedger& l = app.ledger;
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", app.UserName).member("weekly", weekly);
        w.key("rows").beginArray();
        for (int r = 0; r < rows; ++r) {
            const LedgerRow& row = l.Rows[static_cast<std::size_t>(r)];
            w.beginObject().member("week", r + 1).member("Date", row.Date);
            for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::jsonRow>)
                w.member(c->jsonRow.caption, row.*c->value);
            w.endObject();
        }
        w.endArray();
        w.key("totals").beginObject();
        for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::jsonTotal>) {
            if (c->money())
                w.member(c->jsonTotal.caption, l.*c->moneyTotal);
            else
                w.member(c->jsonTotal.caption, l.*c->amountTotal);
        }
        w.endObject().endObject();
        return;
    }
    // The grid as the window shows it: the rows in use that hold anything, then the totals.
    std::ostream& out = output.out;
    out << "User: " << app.UserName << (weekly ? "    weekly" : "    bi-weekly") << "\n\n";
    out << std::right << std::setw(4) << "Week";
    for (int c = 0; c < LedgerGridColumns; ++c)
        out << ' ' << std::setw(c == ColDate ? 10 : 9)
            << window.lbHeader[0][static_cast<std::size_t>(c)].caption();
    out << '\n';
    for (int r = 0; r < rows; ++r) {
        const LedgerRow& row = l.Rows[static_cast<std::size_t>(r)];
        const bool empty
            = row.Date.empty() && row.Gross == 0 && row.Net == 0 && row.Fed == 0 && row.Tips == 0;
        if (empty)
            continue;
        out << std::setw(4) << r + 1;
        for (int c = 0; c < LedgerGridColumns; ++c)
            out << ' ' << std::setw(c == ColDate ? 10 : 9) << window.cellText(r, c);
        out << '\n';
    }
    out << "\nTotals\n";
    const auto total = [&](const LedgerColumn* c) {
        const std::size_t i = ledgerIndex(*c);
        out << "  " << std::left << std::setw(16) << window.lbTotCaption[i].caption() << std::right
            << std::setw(12) << window.txtTot[i].text() << '\n';
    };
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsTop>)
        total(c);
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsBottom>)
        total(c);
}

struct CellEdit {
    int column;
    std::string value;
};

std::vector<CellEdit> readCellEdits(const Arguments& args)
{
    std::vector<CellEdit> edits;
    for (std::size_t i = 3; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], Topic);
        // A cell is named by its column's JSON key.
        const LedgerColumn* amount = nullptr;
        for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::grid>)
            if (a.name == c->jsonRow.caption)
                amount = c;
        const int column = amount ? gridColumn(*amount) : a.name == "Date" ? ColDate : -1;
        if (column < 0 || a.index)
            throw UsageError("unknown column \"" + a.target() + "\"", Topic);
        if (!LedgerWindow::editable(column))
            throw DataError(a.word + ": only Tips, Net and Gross can be typed into");
        if (amount->entry == LedgerEntry::Number)
            if (const auto dropped = firstDroppedByNumberBox(a.value))
                throw DataError(
                    a.word + ": the cell does not take \"" + *dropped + "\" (only digits, blank, - and .)");
        edits.push_back({ column, a.value });
    }
    if (edits.empty())
        throw UsageError("ledger set needs WEEK and at least one of Tips=, Net=, Gross=", Topic);
    return edits;
}

} // namespace

int ledgerCommand(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    const std::set<std::string> known { "show", "paste", "delete", "clear", "set", "print", "export" };
    if (!known.contains(sub))
        throw UsageError(sub.empty() ? "ledger needs show, paste, delete, clear, set, print or export"
                                     : "unknown ledger command \"" + sub + "\"",
            Topic);
    std::optional<PeriodInput> period;
    std::vector<CellEdit> edits;
    std::optional<std::string> pdf;
    if (sub == "paste") {
        needWords(args, 3, "WEEK");
        period = readPeriodInput(args, "ledger paste");
    } else if (sub == "print") {
        needWords(args, 2, "--pdf FILE or --text");
        const bool text = args.has("--text");
        for (const auto& [option, value] : args.options) {
            if (option == "--pdf")
                pdf = value;
            else if (option != "--text")
                throw UsageError("ledger print does not take " + option, Topic);
        }
        if (text == pdf.has_value())
            throw UsageError("ledger print needs either --pdf FILE or --text", Topic);
    } else {
        noOptions(args);
        if (sub == "delete")
            needWords(args, 3, "WEEK");
        else if (sub == "export")
            needWords(args, 3, "FILE.xlsx");
        else if (sub == "set")
            edits = readCellEdits(args);
        else
            needWords(args, 2, "nothing more");
    }

    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, Topic);
    std::unique_ptr<ui::Printer> pdfPrinter = pdf ? openPdfPrinter(output, *pdf) : nullptr;
    Session session(args, dataDir, output.err, pdfPrinter.get());
    if (sub == "show")
        session.app().lookOnly(); // writes nothing, so it runs while the user is open elsewhere
    MainWindow& main = session.start(user);
    App& app = session.app();
    // A week out of range is refused before anything is computed or written.
    const int row = sub == "paste" || sub == "delete" || sub == "set" ? weekRow(app, args.words[2]) : -1;
    if (period)
        enterPeriod(session, main, *period);

    std::size_t mark = session.mark();
    main.cmdYear_Click();
    session.failOnReports(mark);
    LedgerWindow& window = app.ledgerWindow();

    if (sub == "show") {
        showLedger(output, app, window);
        return ExitDone;
    }
    if (sub == "print") {
        mark = session.mark();
        std::string text;
        session.textPrinter().onDocument = [&](const std::string& document) { text += document; };
        window.mnuPrint_Click();
        session.failOnReports(mark);
        output.out << text;
        return ExitDone;
    }
    if (sub == "export") {
        if (const auto problem = window.exportTo(args.words[2]))
            throw DataError(*problem);
        return ExitDone;
    }
    if (sub == "paste")
        window.Label2[static_cast<std::size_t>(row)].click();
    else if (sub == "delete")
        window.Label2[static_cast<std::size_t>(row)].rightClick();
    else if (sub == "clear")
        window.mnuClearAll.click();
    else if (sub == "set") {
        for (const CellEdit& edit : edits)
            static_cast<ui::TextBox&>(window.cell(row, edit.column)).setText(edit.value);
        window.mnuAdd.click();
    }
    closeAndSave(session, window);
    return ExitDone;
}

int headingCommand(const Arguments& args, Output& output)
{
    const std::string topic = "heading";
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    if (sub != "show" && sub != "set")
        throw UsageError(
            sub.empty() ? "heading needs show or set" : "unknown heading command \"" + sub + "\"", topic);
    if (!args.options.empty())
        throw UsageError("heading does not take " + args.options.front().first, topic);
    constexpr std::array<const char*, 4> Names { "Company", "CompanyAddress", "CompanyZip", "CompanyId" };
    std::array<std::optional<std::string>, 4> values;
    if (sub == "show" && args.words.size() > 2)
        throw UsageError("unexpected \"" + args.words[2] + "\"", topic);
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const Assignment a = parseAssignment(args.words[i], topic);
        const auto it = std::find(Names.begin(), Names.end(), a.name);
        if (it == Names.end() || a.index)
            throw UsageError("unknown field \"" + a.target() + "\"", topic);
        if (!records::isStorableText(a.value))
            throw DataError(a.word
                + ": a text may not hold a double quote or characters outside Western European letters");
        values[static_cast<std::size_t>(it - Names.begin())] = a.value;
    }
    if (sub == "set" && args.words.size() < 3)
        throw UsageError("heading set needs at least one FIELD=VALUE", topic);

    const auto dataDir = openDataFolder(args);
    Session session(args, dataDir, output.err);
    App& app = session.app();
    const std::size_t mark = session.mark();
    HeadingDialog& dialog = app.headingDialog();
    if (sub == "set") {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i])
                dialog.txtHeader[i].setText(*values[i]);
        dialog.OKButton.click();
        session.failOnReports(mark);
        return ExitDone;
    }
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject();
        for (std::size_t i = 0; i < Names.size(); ++i)
            w.member(Names[i], dialog.txtHeader[i].text());
        w.endObject();
    } else {
        for (std::size_t i = 0; i < Names.size(); ++i)
            output.out << std::left << std::setw(16) << Names[i] << dialog.txtHeader[i].text() << '\n';
    }
    dialog.CancelButton.click();
    return ExitDone;
}

} // namespace tallyman::cli
