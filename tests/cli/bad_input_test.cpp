// Bad command lines and refused values: the exit code, a reason naming what was wrong, and
// not one byte of the data folder changed.
#include "cli_test_support.h"

using namespace tallyman::cli::test;

namespace {

struct BadInput {
    std::vector<std::string> args;
    int code;
    std::string reason; // found in stderr
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    for (const auto& a : c.args)
        *os << a << ' ';
}

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    static void SetUpTestSuite()
    {
        folder = new DataFolderFixture;
        ASSERT_EQ(folder->run({ "user", "new", "Alice" }).code, 0);
        ASSERT_EQ(folder->run({ "--user", "Alice", "calc", "--straight", "40" }).code, 0);
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    static DataFolderFixture* folder;
};

DataFolderFixture* BadInputTest::folder = nullptr;

TEST_P(BadInputTest, RefusedWithTheReasonAndNothingWritten)
{
    const BadInput& c = GetParam();
    const auto before = folder->snapshot();
    const CliResult result = folder->run(c.args);
    EXPECT_EQ(result.code, c.code) << result.err;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(folder->snapshot(), before);
}

const std::vector<std::string> Alice { "--user", "Alice" };

std::vector<std::string> alice(std::vector<std::string> args)
{
    args.insert(args.begin(), Alice.begin(), Alice.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, BadInputTest,
    ::testing::Values(BadInput { {}, 1, "no command given" },
        BadInput { alice({ "frobnicate" }), 1, "unknown command \"frobnicate\"" },
        BadInput { alice({ "calc", "--bogus" }), 1, "unknown option --bogus" },
        BadInput { alice({ "calc", "--straight" }), 1, "--straight needs a value" },
        BadInput { alice({ "calc", "--hours", "1,2,3,4,5,6,7,8,9" }), 1, "at most the eight box texts" },
        BadInput { alice({ "calc", "--hours", "40,,,,,,,", "--tips", "1" }), 1, "not both" },
        BadInput { alice({ "calc", "extra" }), 1, "unexpected \"extra\"" },
        BadInput { alice({ "--today", "2/30/2024", "calc" }), 1, "--today" },
        BadInput { alice({ "user" }), 1, "user needs show, new or set" },
        BadInput { alice({ "user", "set" }), 1, "at least one FIELD=VALUE" },
        BadInput { alice({ "user", "set", "Bogus=1" }), 1, "unknown field \"Bogus\"" },
        BadInput { alice({ "user", "set", "HourRate" }), 1, "FIELD=VALUE" },
        BadInput { alice({ "user", "set", "HourRate[1]=5" }), 1, "unknown field \"HourRate[1]\"" },
        BadInput { alice({ "user", "new" }), 1, "needs the new user's name" },
        BadInput { alice({ "state", "select", "texas" }), 1, "unknown state \"texas\"" },
        BadInput { alice({ "state", "set", "txtStateMinBS=5" }), 1, "needs a row index" },
        BadInput { alice({ "state", "set", "txtStateMinBS[10]=5" }), 1, "rows are 0 to 9" },
        BadInput { alice({ "state", "set", "txtStateAdj[1]=5" }), 1, "no index" },
        BadInput { alice({ "state", "set", "ckIowa=1" }), 1, "state select iowa" },
        BadInput { alice({ "state", "show", "extra" }), 1, "unexpected" },
        BadInput { alice({ "state", "show", "--tips", "3" }), 1, "does not take --tips" },
        BadInput { alice({ "city", "set", "txtNonPer=1" }), 1, "unknown field" },
        BadInput { alice({ "noncity", "set", "txtNonMinBi[8]=1" }), 1, "rows are 0 to 7" },
        BadInput { alice({ "noncity", "newyork" }), 1, "unknown command noncity newyork" }));

INSTANTIATE_TEST_SUITE_P(RefusedValues, BadInputTest,
    ::testing::Values(BadInput { alice({ "calc", "--straight", "4a" }), 2, "txtAmount(0)" },
        BadInput { alice({ "calc", "--hours", ",,,,,,1,250," }), 1, "eight box texts" },
        BadInput { alice({ "calc", "--amount", "$5" }), 2,
            "txtAmount(6) \"PAY IN DOLLAR AMOUNT\" does not take \"$\"" },
        BadInput { alice({ "calc", "--straight", "99999999999999999999999999999999999999999" }), 2,
            "The amounts entered are too large to compute." },
        BadInput { { "--user", "Bob", "calc" }, 2, "no user \"Bob\"" },
        BadInput { { "--user", "../Alice", "calc" }, 2, "cannot contain the character /" },
        BadInput { { "--dir", "/nonexistent/tallyman", "--user", "Alice", "calc" }, 2, "does not exist" },
        BadInput { alice({ "user", "set", "HourRate=2x" }), 2, "does not take \"x\"" },
        BadInput { alice({ "user", "set", "FedStatus=Divorced" }), 2, "the list offers Single, Married" },
        BadInput { alice({ "user", "set", "FedExemptions=12" }), 2, "the list offers 0, 1" },
        BadInput { alice({ "user", "set", "FedExemp=2" }), 2, "0 or 1" },
        BadInput { alice({ "user", "set", "Week=monthly" }), 2, "weekly or biweekly" },
        BadInput { alice({ "user", "set", "Name=Say \"hi\"" }), 2, "double quote" },
        BadInput { alice({ "user", "set", "Tax5=日本" }), 2, "Western European" },
        BadInput { alice({ "user", "set", "Muni=5", "HourRate=1-2" }), 2, "Hourly Rate 1 must be a number." },
        BadInput { alice({ "user", "new", "Alice" }), 2, "already exists" },
        BadInput { alice({ "user", "new", "a/b" }), 2, "cannot contain" },
        BadInput { alice({ "state", "set", "txtStateAdj=1-2" }), 2, "You have entered a NON numerial." },
        BadInput { alice({ "state", "set", "txtStateMinBS[0]=5", "txtStatePerBS[2]=.0.5" }), 2,
            "You have entered a NON numerial." },
        BadInput { alice({ "state", "set", "txtStateAdj=abc" }), 2, "does not take \"a\"" },
        BadInput { alice({ "state", "set", "ckRoundOff=yes please" }), 2, "0 or 1" },
        BadInput { alice({ "city", "set", "txtCityPerBS[0]=-" }), 2, "NON numerial" },
        BadInput { alice({ "noncity", "set", "txtNonPer=1..2" }), 2, "NON numerial" }));

} // namespace
