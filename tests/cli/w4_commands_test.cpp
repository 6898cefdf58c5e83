// user w4 show and set: the W-4 form of User Info from the command line, and the refusal of a
// calculation whose table carries no year.
#include "cli_test_support.h"

using namespace tallyman::cli::test;

namespace {

class W4Commands : public AliceTest { };

struct RefusedW4 {
    std::vector<std::string> words;
    int code;
    const char* reason;
};

class RefusedW4Set : public W4Commands, public ::testing::WithParamInterface<RefusedW4> { };

} // namespace

TEST_F(W4Commands, ANewUserHasTheOldFormAndNoFile)
{
    const CliResult shown = alice({ "--json", "user", "w4", "show" });
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_EQ(shown.out,
        "{\n  \"user\": \"Alice\",\n  \"W4\": {\n    \"Form\": 2019,\n    \"Status\": \"Single\",\n"
        "    \"Step2\": 0,\n    \"Step3\": 0,\n    \"Step4a\": 0,\n    \"Step4b\": 0,\n    \"Step4c\": 0\n  "
        "},\n"
        "  \"messages\": []\n}\n");
    EXPECT_FALSE(folder.has("Alice.w4"));
}

TEST_F(W4Commands, SetFillsTheFormAndSavesIt)
{
    ASSERT_EQ(alice({ "user", "set", "FedAddL=12.5" }).code, 0);
    const CliResult set = alice({ "user", "w4", "set", "Step3=2000", "Form=2020", "Status=HeadOfHousehold",
        "Step2=1", "Step4a=1200", "Step4b=300.25" });
    ASSERT_EQ(set.code, 0) << set.err;
    EXPECT_EQ(folder.file("Alice.w4"), "2020,\"HeadOfHousehold\",1,2000,1200,300.25\r\n");
    const CliResult shown = alice({ "user", "w4", "show" });
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_NE(shown.out.find("Form    2020"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Status  HeadOfHousehold"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Step4c  12.5"), std::string::npos) << shown.out;

    // Back to the old form: the file says so and keeps the figures.
    ASSERT_EQ(alice({ "user", "w4", "set", "Form=2019" }).code, 0);
    EXPECT_EQ(folder.file("Alice.w4"), "2019,\"HeadOfHousehold\",1,2000,1200,300.25\r\n");
}

TEST_P(RefusedW4Set, ChangesNothing)
{
    const std::string before = folder.file("Alice.use");
    std::vector<std::string> words { "user", "w4", "set" };
    words.insert(words.end(), GetParam().words.begin(), GetParam().words.end());
    const CliResult result = alice(words);
    EXPECT_EQ(result.code, GetParam().code);
    EXPECT_NE(result.err.find(GetParam().reason), std::string::npos) << result.err;
    EXPECT_FALSE(folder.has("Alice.w4"));
    EXPECT_EQ(folder.file("Alice.use"), before);
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedW4Set,
    ::testing::Values(RefusedW4 { {}, 1, "at least one FIELD=VALUE" },
        RefusedW4 { { "Step5=1" }, 1, "unknown field \"Step5\"" },
        RefusedW4 { { "Form=2021" }, 2, "2020 (2020 or later) or 2019" },
        RefusedW4 { { "Form=2020", "Status=Widowed" }, 2, "Single, Married or HeadOfHousehold" },
        RefusedW4 { { "Form=2020", "Step2=yes please" }, 2, "0 or 1" },
        RefusedW4 { { "Form=2020", "Step3=$5" }, 2, "does not take \"$\"" },
        RefusedW4 { { "Form=2020", "Step3=1-2" }, 2, "Step 3 (credits) must be a number." },
        RefusedW4 { { "Form=2020", "Step4b=-1" }, 2, "Step 4(b) (deductions) must not be negative." },
        // The old form's screen has these fields disabled.
        RefusedW4 { { "Step3=100" }, 2, "Step3 is disabled" },
        RefusedW4 { { "Status=Married" }, 2, "Status is disabled" }));

TEST_F(W4Commands, TheShippedTableRefusesTheNewFormAndSavesNothing)
{
    ASSERT_EQ(alice({ "user", "w4", "set", "Form=2020", "Status=Single" }).code, 0);
    const std::string sta = folder.file("Alice.sta");
    const CliResult calc = alice({ "calc", "--straight", "40", "--week", "1/5/2024" });
    EXPECT_EQ(calc.code, 2);
    EXPECT_NE(calc.err.find("Federal24.dtt"), std::string::npos) << calc.err;
    EXPECT_NE(calc.err.find("Options > Federal Table..."), std::string::npos) << calc.err;
    EXPECT_EQ(folder.file("Alice.sta"), sta);

    ASSERT_EQ(alice({ "user", "w4", "set", "Form=2019" }).code, 0);
    const CliResult old = alice({ "--json", "calc", "--straight", "40" });
    EXPECT_EQ(old.code, 0) << old.err;
    EXPECT_NE(old.out.find("\"FedTax\": 18.5"), std::string::npos) << old.out;
}
