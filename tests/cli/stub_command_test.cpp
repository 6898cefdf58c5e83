// stub check: the comparison as text and JSON, exit 0 whether lines differ or not, 2 for bad
// input, and nothing written either way.
#include "cli_test_support.h"

namespace tallyman::cli::test {
namespace {

class StubCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(folder.run({ "user", "new", "Alice" }).code, 0);
        ASSERT_EQ(folder.run({ "--user", "Alice", "user", "set", "HourRate=20" }).code, 0);
        // 40 hours at 20: gross 800.00; calc writes the user's files once.
        ASSERT_EQ(folder.run({ "--user", "Alice", "calc", "--straight", "40" }).code, 0);
    }
    CliResult stub(std::vector<std::string> args) const
    {
        std::vector<std::string> all { "--user", "Alice", "stub", "check", "--straight", "40" };
        all.insert(all.end(), args.begin(), args.end());
        return folder.run(all);
    }
    DataFolderFixture folder;
};

TEST_F(StubCommand, TallymansOwnFiguresAgree)
{
    const CliResult calc = folder.run({ "--json", "--user", "Alice", "calc", "--straight", "40" });
    ASSERT_EQ(calc.code, 0);
    const auto before = folder.snapshot();
    const CliResult r = stub(
        { "Gross=800", "Fed=77.74", "SS=49.60", "Medi=11.60", "State=33", "City=24.31", "Net=603.75" });
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "User: Alice    Weekly Tax Tables\n"
        "Federal table: 2024 Percentage Method, W-4 2019 or earlier\n\n"
        "Line               Stub    Tallyman  Difference\n"
        "Gross Pay        800.00      800.00         .00  agrees\n"
        "Federal Tax       77.74       77.74         .00  agrees\n"
        "Soc Sec           49.60       49.60         .00  agrees\n"
        "Medicare          11.60       11.60         .00  agrees\n"
        "State Tax         33.00       33.00         .00  agrees\n"
        "City Tax          24.31       24.31         .00  agrees\n"
        "Net Pay          603.75      603.75         .00  agrees\n"
        "\n"
        "Every line agrees; net pay agrees.\n");
    EXPECT_NE(calc.out.find("\"lbTaxDed\": [\"77.74\", \"49.60\", \"11.60\", \"33.00\", \"24.31\""),
        std::string::npos)
        << calc.out;
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(StubCommand, DifferencesAreAnAnswerWithTheirCauses)
{
    const auto before = folder.snapshot();
    const CliResult r = stub({ "--json", "fed=97.74", "SS=49.6", "Net=583.75" });
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\n"
        "  \"user\": \"Alice\",\n"
        "  \"lines\": [\n"
        "    {\n"
        "      \"line\": \"Fed\",\n"
        "      \"caption\": \"Federal Tax\",\n"
        "      \"stub\": 97.74,\n"
        "      \"tallyman\": 77.74,\n"
        "      \"difference\": 20,\n"
        "      \"agrees\": false,\n"
        "      \"causes\": [\n"
        "        \"An extra withholding of $20.00 a period on the stub (W-4 Step 4(c) / additional "
        "withholding) "
        "that User Info does not have.\"\n"
        "      ]\n"
        "    },\n"
        "    {\n"
        "      \"line\": \"SS\",\n"
        "      \"caption\": \"Soc Sec\",\n"
        "      \"stub\": 49.6,\n"
        "      \"tallyman\": 49.6,\n"
        "      \"difference\": 0,\n"
        "      \"agrees\": true,\n"
        "      \"causes\": []\n"
        "    },\n"
        "    {\n"
        "      \"line\": \"Net\",\n"
        "      \"caption\": \"Net Pay\",\n"
        "      \"stub\": 583.75,\n"
        "      \"tallyman\": 603.75,\n"
        "      \"difference\": -20,\n"
        "      \"agrees\": false,\n"
        "      \"causes\": [\n"
        "        \"Net pay differs by exactly the differences of the lines above.\"\n"
        "      ]\n"
        "    }\n"
        "  ],\n"
        "  \"agree\": false,\n"
        "  \"netDifference\": -20,\n"
        "  \"summary\": \"2 lines differ; net pay differs by -$20.00.\",\n"
        "  \"messages\": []\n"
        "}\n");
    EXPECT_EQ(folder.snapshot(), before);

    const CliResult noNet = stub({ "--json", "Fed=77.74" });
    EXPECT_NE(noNet.out.find("\"netDifference\": null"), std::string::npos) << noNet.out;
    EXPECT_NE(noNet.out.find("\"agree\": true"), std::string::npos);
}

TEST_F(StubCommand, BadInputIsRefusedWithNothingWritten)
{
    const auto before = folder.snapshot();
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    for (const Case& c : std::initializer_list<Case> {
             { { "Fed=12a" }, "the stub's Fed does not take \"a\" (typed \"12a\")" },
             { { "Federal=12" }, "unknown stub line \"Federal\"" },
             { { "Fed" }, "give each line of the stub as LINE=AMOUNT" },
             { { "Fed=1", "FED=2" }, "the stub line FED is given twice" },
             { { "Fed=1.2.3" }, "The stub's Federal Tax is not an amount: \"1.2.3\"." },
             { { "Net=10.001" }, "The stub's Net Pay has more than two decimals" },
         }) {
        const CliResult r = stub(c.args);
        EXPECT_EQ(r.code, 2) << c.args.front();
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.args.front();
    }
    EXPECT_EQ(folder.run({ "--user", "Alice", "stub", "compare" }).code, 1);
    EXPECT_EQ(folder.run({ "--user", "Alice", "stub", "check", "--pdf", "x.pdf" }).code, 1);
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(StubCommand, RunsWhileTheUserIsOpenElsewhere)
{
    const auto before = folder.snapshot();
    const CliResult r = stub({ "Fed=77.74" });
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_FALSE(folder.has("Alice.lock") && !before.count("Alice.lock"));
    EXPECT_EQ(folder.snapshot(), before);
}

} // namespace
} // namespace tallyman::cli::test
