// stub check: a pay stub's figures beside the period the calc options describe, compared by
// the Check My Stub screen. Nothing is saved; a difference is an answer, not an error.
#include "cli/commands.h"

#include "cli/json_writer.h"
#include "cli/message_output.h"
#include "cli/session.h"
#include "cli/typing.h"
#include "numbers/formats.h"
#include "screens/main_window.h"
#include "screens/stub_check.h"

#include <algorithm>
#include <iomanip>

namespace tallyman::cli {

namespace {

const std::string Topic = "stub check";

struct StubValue {
    StubLine line;
    std::string text;
};

// Line=AMOUNT words, each line once. An unknown line or a character the amount boxes drop is
// bad input, refused before anything starts.
std::vector<StubValue> readStubValues(const Arguments& args)
{
    std::vector<StubValue> values;
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const std::string& word = args.words[i];
        const auto equals = word.find('=');
        if (equals == std::string::npos)
            throw DataError(
                "\"" + word + "\": give each line of the stub as LINE=AMOUNT, for example Fed=95.20");
        const std::string name = word.substr(0, equals);
        const auto line = stubLineNamed(name);
        if (!line)
            throw DataError("unknown stub line \"" + name
                + "\": the lines are Gross, Fed, SS, Medi, State, City, SDI, SUI, Tax5 to Tax9, Kplan, Cafe "
                  "and Net");
        if (std::any_of(values.begin(), values.end(), [&](const StubValue& v) { return v.line == *line; }))
            throw DataError("the stub line " + name + " is given twice");
        const std::string text = word.substr(equals + 1);
        if (const auto dropped = firstDroppedByNumberBox(text))
            throw DataError("the stub's " + name + " does not take \"" + *dropped + "\" (typed \"" + text
                + "\"): only digits, blank, - and .");
        values.push_back({ *line, text });
    }
    return values;
}

std::string cents(Currency c) { return formatCommaCents(c.toDouble()); }

void printComparison(std::ostream& out, const std::string& user, MainWindow& main, const StubComparison& c)
{
    out << "User: " << user << "    " << main.lbTableNotice.text() << "\n";
    out << "Federal table: " << main.lbTaxVer.text() << "\n\n";
    std::size_t width = 4;
    for (const ComparedLine& l : c.lines)
        if (l.stub)
            width = std::max(width, l.caption.size());
    const auto row = [&](const std::string& a, const std::string& b, const std::string& t,
                         const std::string& d, const std::string& e) {
        out << std::left << std::setw(int(width)) << a << std::right << std::setw(12) << b << std::setw(12)
            << t << std::setw(12) << d << (e.empty() ? "" : "  " + e) << "\n";
    };
    row("Line", "Stub", "Tallyman", "Difference", "");
    for (const ComparedLine& l : c.lines) {
        if (!l.stub)
            continue;
        row(l.caption, cents(*l.stub), cents(l.tallyman), cents(*l.difference),
            l.differs() ? "differs" : "agrees");
        for (const std::string& cause : l.causes)
            out << "    " << cause << "\n";
    }
    out << "\n" << c.summary() << "\n";
}

void writeComparison(
    JsonWriter& w, const std::string& user, const StubComparison& c, const std::vector<ui::Message>& messages)
{
    w.beginObject();
    w.member("user", user);
    w.key("lines").beginArray();
    for (const ComparedLine& l : c.lines) {
        if (!l.stub)
            continue;
        w.beginObject();
        w.member("line", std::string(stubLineName(l.line)));
        w.member("caption", l.caption);
        w.member("stub", *l.stub);
        w.member("tallyman", l.tallyman);
        w.member("difference", *l.difference);
        w.member("agrees", !l.differs());
        w.key("causes").beginArray();
        for (const std::string& cause : l.causes)
            w.value(cause);
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.member("agree", c.agree());
    w.key("netDifference");
    if (c.netDifference)
        w.value(*c.netDifference);
    else
        w.null();
    w.member("summary", c.summary());
    writeMessages(w, messages);
    w.endObject();
}

} // namespace

int stubCommand(const Arguments& args, Output& output)
{
    if (args.words.size() < 2 || args.words[1] != "check")
        throw UsageError(
            args.words.size() < 2 ? "stub needs check" : "unknown stub command \"" + args.words[1] + "\"",
            "stub");
    const PeriodInput input = readPeriodInput(args, Topic);
    const std::vector<StubValue> values = readStubValues(args);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, Topic);

    Session session(args, dataDir, output.err);
    // The comparison writes nothing, so it runs while the user is open elsewhere.
    session.app().lookOnly();
    MainWindow& main = session.start(user);
    for (std::size_t i = 0; i < input.texts.size(); ++i)
        typeInto(main.txtAmount[i], input.texts[i]);
    (input.ot2x ? main.opt2x : main.opt1x).click();
    setCheck(main.ckFedJan, input.fedPriorApril ? 1 : 0);
    if (input.week)
        typeInto(main.txtWeek, *input.week);

    main.mnuStub.click();
    StubCheckScreen& screen = session.app().stubCheck();
    for (const StubValue& v : values)
        typeInto(screen.txtStub[index(v.line)], v.text);
    const std::size_t mark = session.mark();
    if (!screen.cmdCompare_Click() || !screen.comparison()) {
        session.failOnReports(mark);
        throw DataError("the comparison did not run");
    }
    const auto& shown = session.dialogs().messages();
    const std::vector<ui::Message> messages(shown.begin(), shown.end());
    if (output.json) {
        JsonWriter w(output.out);
        writeComparison(w, session.app().UserName, *screen.comparison(), messages);
    } else {
        printComparison(output.out, session.app().UserName, main, *screen.comparison());
    }
    session.failOnReports(mark);
    return ExitDone;
}

} // namespace tallyman::cli
