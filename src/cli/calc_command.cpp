// calc: one pay period, typed into the main window and added up by its ADD button.
#include "cli/commands.h"

#include "cli/message_output.h"
#include "cli/record_output.h"
#include "cli/result_labels.h"
#include "cli/session.h"
#include "cli/typing.h"
#include "screens/main_window.h"
#include "screens/result_fields.h"

#include <algorithm>
#include <array>
#include <iomanip>

namespace tallyman::cli {

namespace {

const std::string Topic = "calc";

// The eight boxes of the main window in their order, with the option that fills each one.
struct InputBox {
    const char* option;
    const char* caption;
};
constexpr std::array<InputBox, 8> Boxes = { {
    { "--straight", "STRAIGHT TIME HOURS 1" },
    { "--straight2", "STRAIGHT TIME HOURS 2" },
    { "--ot", "O.T." },
    { "--ot15", "O.T. TIME AND 1/2 (1.5X)" },
    { "--holiday", "HOLIDAY IN HOURS" },
    { "--vacation", "VACATION - SICK, IN HOURS" },
    { "--amount", "PAY IN DOLLAR AMOUNT" },
    { "--tips", "TIPS (Hours)" },
} };

std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string boxName(std::size_t index)
{
    return "txtAmount(" + std::to_string(index) + ") \"" + Boxes[index].caption + "\"";
}

} // namespace

PeriodInput readPeriodInput(const Arguments& args, const std::string& topic)
{
    PeriodInput input;
    bool perBox = false;
    for (const auto& [option, value] : args.options) {
        if (option == "--hours") {
            // The boxes in order; those not given stay empty, as in a fresh window.
            const auto texts = splitCommas(value);
            if (texts.size() > input.texts.size())
                throw UsageError("--hours takes at most the eight box texts separated by commas, got "
                        + std::to_string(texts.size()),
                    topic);
            std::copy(texts.begin(), texts.end(), input.texts.begin());
        } else if (option == "--ot-2x") {
            input.ot2x = true;
        } else if (option == "--fed-prior-april") {
            input.fedPriorApril = true;
        } else if (option == "--week") {
            input.week = value;
        } else {
            // A named copy: clang 14 cannot capture a structured binding.
            const std::string& name = option;
            const auto box = std::find_if(
                Boxes.begin(), Boxes.end(), [&](const InputBox& b) { return name == b.option; });
            if (box == Boxes.end())
                throw UsageError(topic + " does not take " + option, topic);
            input.texts[std::size_t(box - Boxes.begin())] = value;
            perBox = true;
        }
    }
    if (perBox && args.has("--hours"))
        throw UsageError("give the hours either with --hours or one option per box, not both", topic);
    // Every character must get through the box's key filter, or nothing is pressed at all.
    for (std::size_t i = 0; i < input.texts.size(); ++i)
        if (const auto dropped = firstDroppedByNumberBox(input.texts[i]))
            throw DataError(boxName(i) + " does not take \"" + *dropped + "\" (typed \"" + input.texts[i]
                + "\"): only digits, blank, - and .");
    return input;
}

void enterPeriod(Session& session, MainWindow& main, const PeriodInput& input)
{
    for (std::size_t i = 0; i < input.texts.size(); ++i)
        if (const auto dropped = typeInto(main.txtAmount[i], input.texts[i]))
            throw DataError(boxName(i) + " does not take \"" + *dropped + "\"");
    (input.ot2x ? main.opt2x : main.opt1x).click();
    setCheck(main.ckFedJan, input.fedPriorApril ? 1 : 0);
    if (input.week)
        typeInto(main.txtWeek, *input.week);

    const std::size_t mark = session.mark();
    main.cmdCal.click();
    // Every calculation that runs fills the net pay label; a refused one (its message says why)
    // leaves the labels of the fresh window empty, and there is no result to print.
    if (main.lbNet.text().empty()) {
        session.failOnReports(mark);
        throw DataError("the calculation did not run");
    }
}

namespace {

void printResult(std::ostream& out, const std::string& user, MainWindow& main)
{
    out << "User: " << user << "    " << main.lbTableNotice.text() << "\n";
    out << "Federal table: " << main.lbTaxVer.text() << "\n\n";

    // The result panel: each amount label beside its caption, amounts aligned on the right,
    // a blank line between the groups.
    std::vector<std::pair<std::string, std::string>> rows;
    for (const ResultGroup group : { ResultGroup::Earnings, ResultGroup::Withheld, ResultGroup::Totals }) {
        if (!rows.empty())
            rows.emplace_back("", "");
        for (const ResultField& field : resultFields())
            if (field.group == group)
                rows.emplace_back(resultCaption(main, field), resultLabel(main, field).text());
    }

    std::size_t nameWidth = 0, valueWidth = 0;
    for (const auto& [name, value] : rows) {
        nameWidth = std::max(nameWidth, name.size());
        valueWidth = std::max(valueWidth, value.size());
    }
    for (const auto& [name, value] : rows) {
        if (name.empty()) {
            out << '\n';
            continue;
        }
        out << std::left << std::setw(int(nameWidth)) << name << "  " << std::right
            << std::setw(int(valueWidth)) << value << '\n';
    }
}

void writeResult(JsonWriter& w, const std::string& user, const PayResult& pay, MainWindow& main,
    const std::vector<ui::Message>& messages)
{
    w.beginObject();
    w.member("user", user);
    w.key("PayResult");
    writeRecord(w, pay);
    w.key("labels").beginObject();
    writeResultLabels(w, main, [](const ResultField&) { return true; });
    w.member("lbTaxVer", main.lbTaxVer.text());
    w.member("lbTableNotice", main.lbTableNotice.text());
    w.endObject();
    writeMessages(w, messages);
    w.endObject();
}

} // namespace

int calcCommand(const Arguments& args, Output& output) { return calcThen(args, output, Topic, nullptr); }

int calcThen(const Arguments& args, Output& output, const std::string& topic,
    const std::function<void(Session&, MainWindow&)>& after)
{
    refuseExtras(args, topic == Topic ? 1 : 2, topic);
    const PeriodInput input = readPeriodInput(args, topic);
    const auto dataDir = openDataFolder(args);
    const std::string user = existingUser(args, dataDir, topic);

    Session session(args, dataDir, output.err);
    MainWindow& main = session.start(user);
    const std::size_t mark = session.mark();
    enterPeriod(session, main, input);
    if (after)
        after(session, main);
    const auto& shown = session.dialogs().messages();
    const std::vector<ui::Message> messages(shown.begin(), shown.end());
    if (output.json) {
        JsonWriter w(output.out);
        writeResult(w, session.app().UserName, session.app().pay, main, messages);
    } else {
        printResult(output.out, session.app().UserName, main);
    }
    session.failOnReports(mark);
    return ExitDone;
}

} // namespace tallyman::cli
