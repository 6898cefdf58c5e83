// tallyman-cli's PDF printer: the recorded job goes to the painter program, and what the
// painter says when it fails comes back as the reason. Stand-in painters are shell scripts.
#include "cli/pdf_helper.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tallyman;
using namespace tallyman::cli;

namespace {

class PdfHelper : public ::testing::Test {
protected:
    std::filesystem::path painter(const std::string& body)
    {
        const auto path = m_dir / "painter";
        tallyman::test::writeFile(path, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }

    static std::string contents(const std::filesystem::path& path) { return tallyman::test::readFile(path); }

    // A printout of two lines, one of them long enough to fill the pipe several times.
    static bool print(ui::Printer& p)
    {
        return p.choosePrinter() && p.setFont("Arial", 11) && p.printAt(5, "Gross") && p.endLine()
            && p.printAt(1, std::string(200000, 'x')) && p.endDocument();
    }

    const tallyman::test::TempFolder m_temp;
    const std::filesystem::path m_dir = m_temp.path();
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
        PainterFailure { "ItsLastComplaint",
            "cat > /dev/null; echo 'a warning' >&2; echo 'No space left' >&2; exit 1", ": No space left" },
        // It stops reading at once: the job cannot all be written, and this program lives on.
        PainterFailure { "EndsWithoutReading", "exit 3", "painter ended with status 3" },
        PainterFailure { "Killed", "kill -9 $$", "painter was killed by signal 9" },
        // Qt's warnings before the end are not the reason.
        PainterFailure { "KilledAfterAWarning",
            "cat > \"$1\"; echo 'qt.qpa.fonts: a warning' >&2; kill -9 $$",
            "painter was killed by signal 9" },
        // The painter's complaint names the file the person asked for, not the temporary.
        PainterFailure { "NamesTheFileAskedFor", "echo \"The file $1 could not be finished.\" >&2; exit 1",
            "out.pdf could not be finished." }),
    [](const auto& c) { return std::string(c.param.name); });

// Whatever the painter leaves when it fails, the old file stays as it was and no temporary is
// left beside it.
TEST_F(PdfHelper, AFailedPainterLeavesTheOldFileAndNoTemporary)
{
    const auto pdf = m_dir / "out.pdf";
    for (const char* script : { "cat > /dev/null; printf '%%PDF-1.4 half' > \"$1\"; exit 1",
             "cat > /dev/null; printf '%%PDF-1.4 half' > \"$1\"; kill -9 $$", "exit 2" }) {
        SCOPED_TRACE(script);
        std::ofstream(pdf) << "the old PDF";
        PdfHelperPrinter printer(painter(script), pdf.string());
        EXPECT_FALSE(print(printer));
        EXPECT_EQ(contents(pdf), "the old PDF");
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string> { "out.pdf", "painter" }));
    }
}

// Only a regular file is replaced, or a new one made, readable by its owner alone. A link is
// judged by what it names and replaced itself: what it named is left alone.
TEST_F(PdfHelper, OnlyAFileIsReplacedAndTheNewOneIsPrivate)
{
    const auto kept = m_dir / "kept.pdf";
    std::ofstream(kept) << "another PDF";
    std::filesystem::create_directory(m_dir / "folder");
    ASSERT_EQ(::mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(m_dir / "folder", m_dir / "to-folder");
    std::filesystem::create_symlink(kept, m_dir / "to-file.pdf");
    std::filesystem::create_symlink(m_dir / "nothing", m_dir / "dangling.pdf");
    const struct {
        std::string path;
        const char* refusal; // empty: written
    } cases[] = {
        { (m_dir / "folder").string(), "it is a folder, not a file" },
        { (m_dir / "fifo").string(), "it is a pipe, not a file" },
        { "/dev/full", "it is a device, not a file" },
        { (m_dir / "to-folder").string(), "it is a link to a folder, not to a file" },
        { (m_dir / "new.pdf").string(), "" }, { (m_dir / "to-file.pdf").string(), "" },
        { (m_dir / "dangling.pdf").string(), "" },
        { kept.string(), "" }, // last: the links before must not have written into it
    };
    const auto script = painter("cat > \"$1\"");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string whyNot;
        auto printer = makeHelperPdfPrinter(c.path, whyNot);
        if (*c.refusal) {
            EXPECT_FALSE(printer);
            EXPECT_EQ(whyNot, "cannot write the PDF " + c.path + ": " + c.refusal);
            // Refused at the end too, should it have become one since.
            PdfHelperPrinter late(script, c.path);
            EXPECT_FALSE(print(late));
            EXPECT_EQ(late.failure(), "cannot write the PDF " + c.path + ": " + c.refusal);
            continue;
        }
        EXPECT_EQ(ui::pdfPathProblem(c.path), std::nullopt); // (the painter is not beside this test)
        PdfHelperPrinter direct(script, c.path);
        ASSERT_TRUE(print(direct)) << direct.failure();
        struct stat st { };
        ASSERT_EQ(::lstat(c.path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(contents(c.path), direct.job());
        if (c.path != kept.string()) {
            EXPECT_EQ(contents(kept), "another PDF");
        }
    }
    struct stat device { };
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

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
    EXPECT_EQ(
        whyNot, "cannot write the PDF /no/such/folder/out.pdf: the folder /no/such/folder does not exist");
    EXPECT_FALSE(makeHelperPdfPrinter((m_dir / "").string(), whyNot));
}

} // namespace
