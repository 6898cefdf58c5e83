// print statement, check and offsets: text printouts on stdout, the PDF printer from the front
// end, and the refusals.
#include "cli_test_support.h"

#include "platform/recording_printer.h"
#include "storage/user_lock.h"

#include <memory>

using namespace tallyman;
using namespace tallyman::cli::test;

namespace {

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(folder.run({ "user", "new", "Dana" }).code, 0);
        ASSERT_EQ(
            dana({ "user", "set", "Name=Dana Whitfield", "SSnum=123-45-6789", "HourRate=15.5" }).code, 0);
    }
    CliResult dana(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "--user", "Dana" });
        return folder.run(args);
    }
    // With a PDF printer made by `factory` in place of Qt's.
    CliResult danaWithPrinters(std::vector<std::string> args, cli::PdfPrinterFactory factory)
    {
        std::vector<std::string> all { "--dir", folder.dir.string(), "--today", "1/5/2024", "--user",
            "Dana" };
        all.insert(all.end(), args.begin(), args.end());
        std::ostringstream out, err;
        CliResult result;
        result.code = cli::run(all, out, err, std::move(factory));
        result.out = out.str();
        result.err = err.str();
        return result;
    }
    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }
    DataFolderFixture folder;
};

} // namespace

TEST_F(PrintCommands, StatementAsTextAfterTheCalculation)
{
    const CliResult r = dana({ "print", "statement", "--straight", "40", "--week", "1/2/2024", "--text" });
    ASSERT_EQ(r.code, 0) << r.err;
    const auto page = lines(r.out);
    ASSERT_GE(page.size(), 60u);
    EXPECT_EQ(page[6].substr(0, 61), "Employee:          Dana                          123-45-6789");
    EXPECT_EQ(page[18], "    Regular1 Earning         15.50               40.00          620.00");
    EXPECT_NE(page[8].find("For Week Ending: 1/2/2024"), std::string::npos);
}

TEST_F(PrintCommands, CheckPrintStoresTheOffsetsAndShiftsThePage)
{
    const CliResult r = dana({ "check", "print", "--straight", "40", "--week", "1/2/2024", "--horz", "+2",
        "--vert", "-1", "--text" });
    ASSERT_EQ(r.code, 0) << r.err;
    const auto page = lines(r.out);
    ASSERT_GE(page.size(), 4u);
    EXPECT_EQ(page[0] + page[1] + page[2], "");
    EXPECT_EQ(page[3], std::string(108, ' ') + "1/2/2024");
    const CliResult shown = dana({ "offsets", "show", "--json" });
    EXPECT_NE(shown.out.find("\"cboHorz\": \"2\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"cboVert\": \"-1\""), std::string::npos) << shown.out;
}

TEST_F(PrintCommands, CheckShowGivesTheWritersFields)
{
    const CliResult r = dana({ "check", "show", "--amount", "1000.10", "--json" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"txtPayTo\": \"Dana Whitfield********\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"txtUserSSnum\": \"123-45-6789\""), std::string::npos) << r.out;
}

TEST_F(PrintCommands, Refusals)
{
    const struct {
        std::vector<std::string> args;
        int code;
        const char* err;
    } cases[] = {
        { { "offsets", "set", "--vert", "two" }, 2, "The vertical offset \"two\" is not a number" },
        { { "check", "print", "--horz", "x", "--text" }, 2, "The horizontal offset \"x\"" },
        { { "check", "print", "--amount", "2000000", "--text" }, 2, "Dollar amount is too large" },
        { { "print", "statement" }, 1, "give either --pdf FILE or --text" },
        { { "check", "testpage", "--pdf", "a.pdf", "--text" }, 1, "give either --pdf FILE or --text" },
        { { "check", "testpage", "--straight", "4", "--text" }, 1, "check does not take --straight" },
        { { "print", "check", "--text" }, 1, "unknown print \"check\"" },
        { { "offsets", "set" }, 1, "give --horz N, --vert N or both" },
    };
    for (const auto& c : cases) {
        const CliResult r = dana(c.args);
        EXPECT_EQ(r.code, c.code) << c.args[0] << " " << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.args[0];
    }
    // The refused offsets were not stored (the too-large check's calculation saves, as calc does).
    EXPECT_EQ(dana({ "offsets", "show" }).out, "Horizontal: 0 columns\nVertical:   0 lines\n");
}

TEST_F(PrintCommands, PdfPrinterFromTheFrontEnd)
{
    // Without a factory this build writes no PDF.
    CliResult r = dana({ "print", "statement", "--pdf", "out.pdf" });
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("cannot write PDF"), std::string::npos) << r.err;

    // The factory's refusal (a folder that does not exist) is the message.
    r = danaWithPrinters({ "check", "testpage", "--pdf", "/no/such/folder/out.pdf" },
        [](const std::string&, std::string& whyNot) -> std::unique_ptr<ui::Printer> {
            whyNot = "the folder /no/such/folder does not exist";
            return nullptr;
        });
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("/no/such/folder does not exist"), std::string::npos) << r.err;

    // A printer that breaks is reported, not passed over.
    std::string path;
    r = danaWithPrinters({ "print", "statement", "--pdf", "out.pdf" },
        [&path](const std::string& pdfPath, std::string&) -> std::unique_ptr<ui::Printer> {
            path = pdfPath;
            auto printer = std::make_unique<ui::RecordingPrinter>();
            printer->failAt("endDocument");
            return printer;
        });
    EXPECT_EQ(path, "out.pdf");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("The printer stopped working."), std::string::npos) << r.err;
}

// The offsets are the dialog's list, -5 to +5: a number beyond it, or one with a separator
// ("1,5" would read as 15), is refused before anything is pressed or stored.
TEST_F(PrintCommands, OffsetsAreTheDialogsList)
{
    for (const char* value : { "1,5", "12", "-6", "200", "2.5" }) {
        const CliResult r = dana({ "offsets", "set", "--horz", value });
        EXPECT_EQ(r.code, 1) << value;
        EXPECT_NE(r.err.find("--horz takes a whole number from -5 to +5"), std::string::npos) << r.err;
    }
    EXPECT_EQ(dana({ "offsets", "show" }).out, "Horizontal: 0 columns\nVertical:   0 lines\n");
    EXPECT_EQ(dana({ "offsets", "set", "--horz", "+5", "--vert", "-5" }).code, 0);
    EXPECT_EQ(dana({ "offsets", "show" }).out, "Horizontal: 5 columns\nVertical:   -5 lines\n");
}

// The test page stores nothing: it prints while the user is open in a window.
TEST_F(PrintCommands, TestPageWhileTheUserIsOpenElsewhere)
{
    UserLock window;
    ASSERT_EQ(window.take(DataFolder(folder.dir), "Dana"), UserLock::Outcome::Taken);
    const CliResult r = dana({ "check", "testpage", "--text" });
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("NAME____"), std::string::npos) << r.out;
}
