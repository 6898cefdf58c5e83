// ot, leave and period from the command line.
#include "cli_test_support.h"

#include "numbers/number_text.h"
#include "screens/result_fields.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

using namespace tallyman::cli::test;
using tallyman::ResultField;
using tallyman::resultFields;
using tallyman::strictNumber;

namespace {

class TrackerCommands : public AliceTest { };

// The "labels" object of a command's JSON: each key with its text, or an array's texts.
std::map<std::string, std::vector<std::string>> jsonLabels(const std::string& json)
{
    std::map<std::string, std::vector<std::string>> labels;
    const auto start = json.find("\"labels\": {");
    if (start == std::string::npos)
        return labels;
    std::istringstream lines(json.substr(start + 11, json.find('}', start) - start - 11));
    static const std::regex member(R"re(^\s*"(\w+)": (.*)$)re"), text(R"re("([^"]*)")re");
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, member))
            continue;
        auto& texts = labels[m[1]];
        const std::string values = m[2];
        for (std::sregex_iterator t(values.begin(), values.end(), text), end; t != end; ++t)
            texts.push_back((*t)[1]);
    }
    return labels;
}

TEST_F(TrackerCommands, OvertimeSetTotalsAndNewWeekMovesUp)
{
    CliResult r
        = alice({ "ot", "set", "Annual=52000", "ApPercent=15", "1=12/4/2026,6000", "31=12/11/2026,240.5" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("$1,559.50"), std::string::npos) << r.out;
    EXPECT_EQ(folder.file("Alice.use").substr(0, 20), "6240.5,7800,1559.5\r\n");

    r = alice({ "--json", "ot", "newweek" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"Earned\": 240.5"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"lbAvail\": \"$7,559.50\""), std::string::npos) << r.out;

    r = alice({ "ot", "set", "ApPercent=1.2.3" });
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Approved Percentage must be a number."), std::string::npos) << r.err;
}

TEST_F(TrackerCommands, LeaveSetKeepsTheBalancesAndClearEmptiesTheLog)
{
    CliResult r = alice({ "--json", "leave", "set", "Vac.Start=10", "Vac.1=12/1/2026,1",
        "Vac.2=Dec 2, 2026,0.5", "Vac.3=,2", "Sick.20=x,1" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"Balance\": \"6.5\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"Dec 2, 2026\""), std::string::npos) << r.out;
    EXPECT_EQ(folder.file("Alice.hol").substr(0, 16), "6.5,10,0,0,-1,0\r");

    r = alice({ "leave", "clear" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(folder.file("Alice.hol").substr(0, 13), "0,0,0,0,0,0\r\n");
}

// What TOTAL refuses, as the help says it: a percentage of 0 is taken, a salary of 0 is not.
TEST_F(TrackerCommands, TotalTakesAZeroPercentageAndTheHelpSaysSo)
{
    struct Case {
        const char *annual, *percent;
        int code;
    };
    for (const Case& c : { Case { "50000", "0", 0 }, Case { "0", "15", 2 }, Case { "0", "0", 2 },
             Case { "", "15", 2 }, Case { "50000", "x", 2 } }) {
        SCOPED_TRACE(std::string(c.annual) + " / " + c.percent);
        const CliResult r = alice({ "ot", "set", std::string("Annual=") + c.annual,
            std::string("ApPercent=") + c.percent, "1=,100" });
        EXPECT_EQ(r.code, c.code) << r.err;
        if (c.code == 0) {
            EXPECT_NE(r.out.find("-$100.00"), std::string::npos) << r.out;
        }
    }
    const CliResult help = folder.run({ "ot", "--help" });
    EXPECT_EQ(help.out.find("zero"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("A percentage of 0 is taken"), std::string::npos) << help.out;
    const std::string html = readFile(std::string(TALLYMAN_DATA_DIR) + "/help/leave.html");
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(html.find("zero or non-numeric salary or percentage"), std::string::npos);
    EXPECT_NE(html.find("A percentage of 0 is taken"), std::string::npos);
}

// The text listings number the rows as `set` and the windows do: the row set as 1 is row 1.
TEST_F(TrackerCommands, ShowNumbersTheRowsAsSetDoes)
{
    const auto lineOf = [](const std::string& out, const std::string& marker) {
        const auto at = out.find(marker);
        if (at == std::string::npos)
            return std::string("<no ") + marker + ">";
        const auto start = out.rfind('\n', at) + 1;
        return out.substr(start, out.find('\n', at) - start);
    };
    ASSERT_EQ(
        alice({ "ot", "set", "Annual=52000", "ApPercent=15", "1=12/4/2026,61.5", "53=12/25/2026,7.25" }).code,
        0);
    CliResult r = alice({ "ot", "show" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(lineOf(r.out, "12/4/2026").substr(0, 2), " 1") << r.out;
    EXPECT_EQ(lineOf(r.out, "12/25/2026").substr(0, 2), "53") << r.out;

    ASSERT_EQ(alice({ "leave", "set", "Vac.1=12/1/2026,1", "Sick.20=12/20/2026,2" }).code, 0);
    r = alice({ "leave", "show" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(lineOf(r.out, "12/1/2026").substr(0, 2), " 1") << r.out;
    EXPECT_EQ(lineOf(r.out, "12/20/2026").substr(0, 2), "20") << r.out;
}

TEST_F(TrackerCommands, PeriodSaveListAndShow)
{
    CliResult r = alice({ "period", "save", "--straight", "40", "--week", "12/31/2024" });
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(folder.has("12_31_2024  Alice.prv"));
    EXPECT_EQ(folder.file("12_31_2024  Alice.prv").substr(0, 4), "40\r\n");

    r = alice({ "--json", "period", "list" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"week\": \"12/31/2024\""), std::string::npos) << r.out;

    r = alice({ "--json", "period", "show", "12_31_2024  Alice.prv" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"week\": \"12/31/2024\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('$'), std::string::npos) << r.out;

    r = alice({ "period", "save", "--week", "12:31" });
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("cannot contain the character :"), std::string::npos) << r.err;
}

// A period calculated and saved, then shown: period show names each saved figure as calc does
// and restores the amount calc showed for it.
TEST_F(TrackerCommands, PeriodShowNamesAndRestoresTheFiguresAsCalcShowsThem)
{
    std::set<std::string> savedKeys;
    for (const ResultField& field : resultFields())
        if (field.record)
            savedKeys.insert(field.key);
    const std::vector<std::string> periods[] = {
        { "--straight", "40", "--ot15", "5" },
        { "--straight", "80", "--amount", "2500", "--tips", "3" }, // thousands commas in calc's labels
    };
    for (const auto& period : periods) {
        SCOPED_TRACE(period[1]);
        std::vector<std::string> save { "--json", "period", "save", "--week", "12/31/2024" };
        save.insert(save.end(), period.begin(), period.end());
        const CliResult calc = alice(save);
        ASSERT_EQ(calc.code, 0) << calc.err;
        const CliResult show = alice({ "--json", "period", "show", "12_31_2024  Alice.prv" });
        ASSERT_EQ(show.code, 0) << show.err;

        const auto calculated = jsonLabels(calc.out), restored = jsonLabels(show.out);
        std::set<std::string> shownKeys;
        for (const auto& [key, texts] : restored)
            shownKeys.insert(key);
        EXPECT_EQ(shownKeys, savedKeys) << show.out;
        for (const auto& [key, texts] : restored) {
            SCOPED_TRACE(key);
            const auto found = calculated.find(key);
            ASSERT_NE(found, calculated.end()) << calc.out;
            ASSERT_EQ(found->second.size(), texts.size());
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const auto amount = strictNumber(texts[i]);
                ASSERT_TRUE(amount) << texts[i];
                EXPECT_EQ(strictNumber(found->second[i]), amount)
                    << found->second[i] << " against " << texts[i];
            }
        }
    }
}

struct Refused {
    std::vector<std::string> args;
    int code;
    std::string reason;
};

TEST_F(TrackerCommands, RefusedCommandsChangeNoFile)
{
    ASSERT_EQ(alice({ "ot", "total" }).code, 0);
    const Refused cases[] = {
        { { "ot", "set", "54=1/1/2026,5" }, 2, "the rows are 1 to 53" },
        { { "ot", "set", "0=1/1/2026,5" }, 2, "the rows are 1 to 53" },
        { { "ot", "set", "5=1/1/2026" }, 1, "DATE,AMOUNT" },
        { { "ot", "set", "5=1/1/2026,5x" }, 2, "does not take \"x\"" },
        { { "ot", "set", "Salary=5" }, 1, "unknown field" },
        { { "ot", "frob" }, 1, "unknown ot command" },
        { { "leave", "set", "Vac.21=1/1/2026,1" }, 2, "the rows are 1 to 20" },
        { { "leave", "set", "Vacation.1=1/1/2026,1" }, 1, "unknown field" },
        { { "leave", "set", "Hol.Start=ten" }, 2, "does not take \"t\"" },
        { { "leave", "set", "Hol.1=say \"x\",1" }, 2, "double quote" },
        { { "period", "show", "../elsewhere.prv" }, 2, "no saved period" },
        { { "period", "show", "absent.prv" }, 2, "no saved period" },
        { { "period", "list", "--tips", "3" }, 1, "does not take --tips" },
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        const auto before = folder.snapshot();
        const CliResult r = alice(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(folder.snapshot(), before);
    }
}

} // namespace
