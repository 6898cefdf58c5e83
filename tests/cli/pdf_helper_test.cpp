// tallyman-cli's PDF printer: the recorded job goes to the painter program, and what the
// painter says when it fails comes back as the reason. Stand-in painters are shell scripts.
#include "cli/pdf_helper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace tallyman;
using namespace tallyman::cli;

namespace {

class PdfHelper : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("pdf-helper-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path painter(const std::string& body)
    {
        const auto path = m_dir / "painter";
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }

    static std::string contents(const std::filesystem::path& path)
    {
        std::ifstream in(path);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    // A printout of two lines, one of them long enough to fill the pipe several times.
    static bool print(ui::Printer& p)
    {
        return p.choosePrinter() && p.setFont("Arial", 11) && p.printAt(5, "Gross") && p.endLine()
            && p.printAt(1, std::string(200000, 'x')) && p.endDocument();
    }

    std::filesystem::path m_dir;
};

TEST_F(PdfHelper, ThePainterGetsTheJobAndTheFileName)
{
    const auto pdf = (m_dir / "out.pdf").string();
    PdfHelperPrinter printer(painter("cat > \"$1\""), pdf);
    ASSERT_TRUE(print(printer)) << printer.failure();
    EXPECT_EQ(contents(pdf), printer.job());
    EXPECT_EQ(printer.job().rfind("font\t11\tArial\nat\t5\tGross\nline\n", 0), 0u);
}

struct PainterFailure {
    const char* name;
    const char* script;
    const char* reason; // the end of "cannot write the PDF <file>: ..."
};

class PainterFailures : public PdfHelper, public ::testing::WithParamInterface<PainterFailure> { };

TEST_P(PainterFailures, GiveTheReason)
{
    const auto pdf = (m_dir / "out.pdf").string();
    PdfHelperPrinter printer(painter(GetParam().script), pdf);
    EXPECT_FALSE(print(printer));
    const std::string failure = printer.failure();
    EXPECT_EQ(failure.rfind("cannot write the PDF " + pdf + ": ", 0), 0u) << failure;
    const std::string reason = GetParam().reason;
    EXPECT_EQ(failure.substr(failure.size() - std::min(failure.size(), reason.size())), reason) << failure;
}

INSTANTIATE_TEST_SUITE_P(Painters, PainterFailures,
    ::testing::Values(
        PainterFailure { "ItsLastComplaint", "cat > /dev/null; echo 'a warning' >&2; echo 'No space left' >&2; exit 1",
            ": No space left" },
        // It stops reading at once: the job cannot all be written, and this program lives on.
        PainterFailure { "EndsWithoutReading", "exit 3", "painter ended with status 3" },
        PainterFailure { "Killed", "kill -9 $$", "painter was killed by signal 9" }),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(PdfHelper, APainterThatIsNotThereIsReported)
{
    PdfHelperPrinter printer(m_dir / "missing", (m_dir / "out.pdf").string());
    EXPECT_FALSE(print(printer));
    EXPECT_NE(printer.failure().find("cannot start"), std::string::npos) << printer.failure();
}

TEST_F(PdfHelper, AFolderThatDoesNotExistIsRefusedBeforeAnythingRuns)
{
    std::string whyNot;
    EXPECT_FALSE(makeHelperPdfPrinter("/no/such/folder/out.pdf", whyNot));
    EXPECT_EQ(whyNot, "cannot write the PDF /no/such/folder/out.pdf: the folder /no/such/folder does not exist");
    EXPECT_FALSE(makeHelperPdfPrinter((m_dir / "").string(), whyNot));
}

} // namespace
