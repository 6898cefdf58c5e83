// ledger and heading from the command line: a year kept, corrected, printed and exported;
// refusals that write nothing.
#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace tallyman::cli::test {
namespace {

class LedgerCommands : public ::testing::Test, public DataFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({ "user", "new", "Smith" }).code, 0);
        ASSERT_EQ(run({ "--user", "Smith", "user", "set", "HourRate=21.5" }).code, 0);
    }
    CliResult smith(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "--user", "Smith" });
        return run(args);
    }
};

TEST_F(LedgerCommands, PasteCorrectShowAndDelete)
{
    ASSERT_EQ(smith({ "ledger", "paste", "1", "--hours", "40,,,,,,,", "--week", "1/5/2024" }).code, 0);
    ASSERT_EQ(smith({ "ledger", "paste", "2", "--straight", "40", "--week", "1/12/2024" }).code, 0);
    ASSERT_TRUE(has("Smith.yrw"));
    ASSERT_EQ(smith({ "ledger", "set", "2", "Tips=12.5", "Gross=900" }).code, 0);
    const CliResult shown = smith({ "--json", "ledger", "show" });
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"weekly\": true"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"Date\": \"1/12/2024\""), std::string::npos);
    EXPECT_NE(shown.out.find("\"Tips\": 12.5"), std::string::npos);
    EXPECT_NE(shown.out.find("\"TotGross\": 1760"), std::string::npos) << shown.out; // 860 + 900
    ASSERT_EQ(smith({ "ledger", "delete", "1" }).code, 0);
    const CliResult after = smith({ "--json", "ledger", "show" });
    EXPECT_NE(after.out.find("\"TotGross\": 900"), std::string::npos) << after.out;
    EXPECT_NE(after.out.find("\"Date\": \"1/12/2024\""), std::string::npos); // week 2 stays week 2
    ASSERT_EQ(smith({ "ledger", "clear" }).code, 0);
    EXPECT_NE(smith({ "--json", "ledger", "show" }).out.find("\"TotGross\": 0"), std::string::npos);
}

TEST_F(LedgerCommands, TextPrintoutHoldsTheGrossColumnAndTheExportIsWritten)
{
    ASSERT_EQ(smith({ "ledger", "paste", "1", "--straight", "40", "--week", "1/5/2024" }).code, 0);
    const CliResult printed = smith({ "ledger", "print", "--text" });
    ASSERT_EQ(printed.code, 0) << printed.err;
    // The header line: "Gross" at column 197, whole.
    const auto gross = printed.out.find("Gross\n");
    ASSERT_NE(gross, std::string::npos) << printed.out;
    EXPECT_EQ(gross - (printed.out.rfind('\n', gross) + 1), 196u);
    EXPECT_NE(printed.out.find("    1/5/2024"), std::string::npos);
    const auto book = dir / "year.xlsx";
    ASSERT_EQ(smith({ "ledger", "export", book.string() }).code, 0);
    EXPECT_EQ(readFile(book).substr(0, 2), "PK");
}

// An export replaces a regular file (privately, as a new one) or makes a new one; a folder,
// a pipe or a link to a folder is refused with the reason and stays as it was. A link to a
// file is replaced by the workbook; the file it named is left alone.
TEST_F(LedgerCommands, ExportReplacesOnlyAFile)
{
    const auto out = dir.parent_path() / ("export-" + dir.filename().string());
    std::filesystem::create_directories(out / "folder");
    ASSERT_EQ(::mkfifo((out / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory_symlink(out / "folder", out / "to-folder");
    std::ofstream(out / "old.xlsx") << "old";
    std::filesystem::permissions(out / "old.xlsx",
        std::filesystem::perms::owner_all | std::filesystem::perms::group_read
            | std::filesystem::perms::others_read);
    std::ofstream(out / "other.xlsx") << "other";
    std::filesystem::create_symlink(out / "other.xlsx", out / "to-other.xlsx");
    const struct {
        const char* name;
        const char* refusal; // empty: written
        std::filesystem::file_type stays;
    } cases[] = {
        { "folder", "it is a folder, not a file", std::filesystem::file_type::directory },
        { "fifo", "it is a pipe, not a file", std::filesystem::file_type::fifo },
        { "to-folder", "it is a link to a folder, not to a file", std::filesystem::file_type::symlink },
        { "old.xlsx", "", std::filesystem::file_type::regular },
        { "to-other.xlsx", "", std::filesystem::file_type::regular },
        { "new.xlsx", "", std::filesystem::file_type::regular },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = out / c.name;
        const CliResult result = smith({ "ledger", "export", path.string() });
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), c.stays);
        if (*c.refusal) {
            EXPECT_EQ(result.code, 2);
            EXPECT_NE(result.err.find("cannot write " + path.string() + ": " + c.refusal), std::string::npos)
                << result.err;
            continue;
        }
        ASSERT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(readFile(path).substr(0, 2), "PK");
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    EXPECT_EQ(readFile(out / "other.xlsx"), "other");
    for (const auto& entry : std::filesystem::directory_iterator(out))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    std::filesystem::remove_all(out);
}

TEST_F(LedgerCommands, HeadingSetIsSharedByEveryUser)
{
    ASSERT_EQ(run({ "heading", "set", "Company=Acme", "CompanyId=36-1234567" }).code, 0);
    EXPECT_EQ(file("Header.sav"), "\"Acme\",\"Address\",\"Zip Code\",\"36-1234567\"\r\n");
    const CliResult shown = run({ "--json", "heading", "show" });
    EXPECT_NE(shown.out.find("\"Company\": \"Acme\""), std::string::npos) << shown.out;
    const CliResult printed = smith({ "ledger", "print", "--text" });
    EXPECT_EQ(printed.out.substr(0, 5), "Acme\n");
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* says;
};

class LedgerRefusals : public LedgerCommands, public ::testing::WithParamInterface<Refusal> { };

TEST_P(LedgerRefusals, SayWhyAndWriteNothing)
{
    const auto& c = GetParam();
    if (std::string(c.name) == "BiWeeklyWeek27") {
        ASSERT_EQ(smith({ "user", "set", "Week=biweekly" }).code, 0);
    }
    const auto before = snapshot();
    const CliResult result = smith(c.args);
    EXPECT_EQ(result.code, c.code) << result.err;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, LedgerRefusals,
    ::testing::Values(
        Refusal { "Week54", { "ledger", "paste", "54", "--straight", "40" }, 2, "weeks 1 to 53" },
        Refusal { "BiWeeklyWeek27", { "ledger", "paste", "27", "--straight", "40" }, 2, "weeks 1 to 26" },
        Refusal { "NotEditable", { "ledger", "set", "3", "Fed=1" }, 2, "only Tips, Net and Gross" },
        Refusal { "LettersInGross", { "ledger", "set", "3", "Gross=12x" }, 2, "does not take \"x\"" },
        // Fits a row's float but not the money totals: the file would lose its sums.
        Refusal { "GrossBeyondTheTotals", { "ledger", "set", "2", "Gross=99999999999999999999" }, 2,
            "CHECK YOUR ENTRY FOR NON NUMBER TYPE" },
        Refusal {
            "UnwritableExport", { "ledger", "export", "/no/such/folder/y.xlsx" }, 2, "/no/such/folder" },
        Refusal { "PdfWithoutFactory", { "ledger", "print", "--pdf", "y.pdf" }, 2, "cannot write PDF" },
        Refusal { "PrintNeedsAChoice", { "ledger", "print" }, 1, "--pdf FILE or --text" },
        Refusal { "UnknownSub", { "ledger", "frobnicate" }, 1, "unknown ledger command" }),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace tallyman::cli::test
