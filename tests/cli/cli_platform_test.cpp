// The CLI's stand-ins for a person: message boxes on stderr, answers from the command line,
// and the PDF printers the front end hands in.
#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "platform/text_printer.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tallyman;
using namespace tallyman::cli;

TEST(CliDialogs, MessagesGoToStderrAsTheyAreShownWithTheAnswer)
{
    struct Case {
        bool answerYes;
        ui::Message message;
        ui::MessageAnswer answer;
        std::string printed;
    };
    const Case cases[] = {
        { false, { { "You have corupted a file.", "Find file,", "Smith.cti", "and delete it." }, "Tallyman" },
            ui::MessageAnswer::Ok,
            "Tallyman: You have corupted a file.\n  Find file,\n  Smith.cti\n  and delete it.\n" },
        { false, { { "........SAVE PREVIOUS USER?" }, "Save?", ui::MessageButtons::YesNo },
            ui::MessageAnswer::No, "Save?: ........SAVE PREVIOUS USER? -> No\n" },
        { true, { { "     SAVE USER'S SETTINGS?" }, "Save?", ui::MessageButtons::YesNo },
            ui::MessageAnswer::Yes, "Save?:      SAVE USER'S SETTINGS? -> Yes\n" },
        { true, { { "no title" }, "" }, ui::MessageAnswer::Ok, "no title\n" },
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        CliDialogs dialogs(err, c.answerYes);
        EXPECT_EQ(dialogs.message(c.message), c.answer);
        EXPECT_EQ(err.str(), c.printed);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].lines, c.message.lines);
    }
}

TEST(CliDialogs, TheInputBoxTakesTheCommandsAnswerOnce)
{
    std::ostringstream err;
    CliDialogs dialogs(err, false);
    dialogs.queueInput("Smith");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New"), "Smith");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New"), "") << "a second prompt is cancelled";
    EXPECT_FALSE(dialogs.openFile("Open", "Saved Files (*.use)|*.use"));
}

namespace tallyman::cli {
namespace {

struct PdfCase {
    const char* name;
    bool withFactory;
    bool factoryMakesOne;
    std::string whyNot;
    std::string message; // empty when a printer comes back
};

class PdfPrinters : public ::testing::TestWithParam<PdfCase> { };

TEST_P(PdfPrinters, ComeFromTheFrontEndsFactoryOrSayWhyNot)
{
    const auto& c = GetParam();
    std::ostringstream out, err;
    Output output { out, err, false, {} };
    std::string asked;
    if (c.withFactory)
        output.pdfPrinters
            = [&](const std::string& path, std::string& whyNot) -> std::unique_ptr<ui::Printer> {
            asked = path;
            whyNot = c.whyNot;
            if (!c.factoryMakesOne)
                return nullptr;
            return std::make_unique<ui::TextPrinter>();
        };
    if (c.message.empty()) {
        EXPECT_NE(openPdfPrinter(output, "/tmp/year.pdf"), nullptr);
        EXPECT_EQ(asked, "/tmp/year.pdf");
        return;
    }
    try {
        openPdfPrinter(output, "/tmp/year.pdf");
        ADD_FAILURE() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Factory, PdfPrinters,
    ::testing::Values(PdfCase { "Made", true, true, "", "" },
        PdfCase { "Refused", true, false, "the folder /nowhere does not exist",
            "the folder /nowhere does not exist" },
        PdfCase { "RefusedWithoutReason", true, false, "", "cannot write the PDF /tmp/year.pdf" },
        PdfCase { "NoFactory", false, false, "",
            "this tallyman-cli was built without the desktop program and cannot write PDF files" }),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace tallyman::cli
