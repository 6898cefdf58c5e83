// The record encoding: byte-exact writing, tolerant reading, code page and atomic files.
#include "storage/codepage.h"
#include "storage/fileset.h"
#include "storage/records.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

using namespace tallyman;
using namespace tallyman::records;

TEST(RecordWriter, WritesEveryFieldKindByteExact)
{
    RecordWriter w;
    w.float32(7.5f).float32(11440).float32(0.062f).endRecord();
    w.text("Single").text("Employee's Name").text("").endRecord();
    w.int16(1).empty().empty().empty().endRecord();
    w.boolean(true).boolean(false).text("Smith, John").endRecord();
    w.float64(25600).float64(0.05).int16(-1).endRecord();
    EXPECT_EQ(w.bytes(),
        "7.5,11440,0.062\r\n"
        "\"Single\",\"Employee's Name\",\"\"\r\n"
        "1,,,\r\n"
        "#TRUE#,#FALSE#,\"Smith, John\"\r\n"
        "25600,0.05,-1\r\n");
}

TEST(RecordWriter, TextIsWindows1252AndRefusesQuotes)
{
    RecordWriter w;
    w.text("Café €5").endRecord();
    EXPECT_EQ(w.bytes(),
        "\"Caf\xE9 \x80"
        "5\"\r\n");
    EXPECT_THROW(w.text("say \"hi\""), std::invalid_argument);
    EXPECT_THROW(w.text("日本"), std::invalid_argument);
    EXPECT_FALSE(isStorableText("a\"b"));
    EXPECT_TRUE(isStorableText("Zoë Ñúñez"));
}

TEST(RecordReader, ReadsFieldsWhateverTheLineLayout)
{
    // The same six fields spread over lines differently read the same.
    for (const char* bytes : { "1,2,3\r\n\"a, b\",#TRUE#,\r\n", "1\r\n2,3,\"a, b\"\r\n#TRUE#\r\n\r\n",
             "1,2\n3,\"a, b\",#TRUE#," }) {
        RecordReader r(bytes);
        EXPECT_EQ(r.int16(), 1) << bytes;
        EXPECT_EQ(r.float32(), 2.0f) << bytes;
        EXPECT_EQ(r.float64(), 3.0) << bytes;
        EXPECT_EQ(r.text(), "a, b") << bytes;
        EXPECT_EQ(r.int16(), -1) << bytes;
        EXPECT_EQ(r.text(), "") << bytes;
        EXPECT_TRUE(r.atEnd()) << bytes;
    }
}

struct NumberCase {
    const char* field;
    double value;
};

class ReadNumber : public ::testing::TestWithParam<NumberCase> { };

TEST_P(ReadNumber, TolerantForms)
{
    RecordReader r(std::string(GetParam().field) + "\r\n");
    EXPECT_DOUBLE_EQ(r.float64(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadNumber,
    ::testing::Values(NumberCase { ".5", 0.5 }, NumberCase { "0.5", 0.5 }, NumberCase { "-0.5", -0.5 },
        NumberCase { "1E+20", 1e20 }, NumberCase { "  12", 12 }, NumberCase { "#TRUE#", -1 },
        NumberCase { "#FALSE#", 0 }, NumberCase { "", 0 }, NumberCase { "abc", 0 },
        NumberCase { "\"7\"", 7 }));

TEST(RecordReader, RoundsIntoTheReceivingType)
{
    RecordReader r("2.5,3.5,0.062,1.00000001\r\n");
    EXPECT_EQ(r.int16(), 2);
    EXPECT_EQ(r.int16(), 4);
    EXPECT_EQ(r.float32(), 0.062f);
    EXPECT_EQ(r.float32(), 1.0f);
}

TEST(RecordReader, ReadingPastTheEndIsAnError)
{
    RecordReader r("1,2\r\n");
    r.int16();
    r.int16();
    EXPECT_THROW(r.int16(), ReadError);
    RecordReader empty("");
    EXPECT_THROW(empty.text(), ReadError);
}

TEST(RecordReader, StrictModeRefusesTextInANumberField)
{
    RecordReader lenient("x,1e999\r\n");
    EXPECT_EQ(lenient.float32(), 0.0f);
    EXPECT_EQ(lenient.float32(), 0.0f);
    RecordReader strict("1,x\r\n", NonNumber::Fails);
    EXPECT_EQ(strict.float32(), 1.0f);
    EXPECT_THROW(strict.float32(), ReadError);
}

TEST(RecordReader, TextComesBackAsUtf8)
{
    RecordReader r("\"Caf\xE9\",plain text  \r\n");
    EXPECT_EQ(r.text(), "Café");
    EXPECT_EQ(r.text(), "plain text  ") << "an unquoted text runs to the separator, blanks included";
}

TEST(Codepage, EveryByteComesBackUnchanged)
{
    // The five bytes the code page leaves unassigned included: an old file holding one must
    // stay savable.
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toWindows1252(fromWindows1252(byte)), byte) << "byte " << b;
    }
    RecordReader r("\"a\x81\x8D\x8F\x90\x9D"
                   "b\"\r\n");
    RecordWriter w;
    w.text(r.text()).endRecord();
    EXPECT_EQ(w.bytes(),
        "\"a\x81\x8D\x8F\x90\x9D"
        "b\"\r\n");
}

TEST(Codepage, EntryRefusesWhatWouldBreakTheRecord)
{
    for (const char* text : { "a\"b", "a\r\nb", "a\nb", "tab\there", "\x1F" })
        EXPECT_FALSE(isStorableText(text)) << text;
    for (const char* text : { "", "Smith, John", "Zoë Ñúñez", "€ 5" })
        EXPECT_TRUE(isStorableText(text)) << text;
}

struct FloatCase {
    const char* field;
    float value;
};

class ReadFloat : public ::testing::TestWithParam<FloatCase> { };

// A 32-bit field is rounded once, from its text, never through a double first.
TEST_P(ReadFloat, RoundsOnceToTheNearestFloat)
{
    for (const auto mode : { NonNumber::ReadsAsZero, NonNumber::Fails }) {
        RecordReader r(std::string(GetParam().field) + "\r\n", mode);
        const float value = r.float32();
        EXPECT_EQ(value, GetParam().value) << GetParam().field << std::hexfloat << " read as " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ReadFloat,
    ::testing::Values(FloatCase { "0.000980675860773772", 0x1.01140ap-10f },
        FloatCase { "3.4028235E+38", FLT_MAX }, FloatCase { "-3.4028235E+38", -FLT_MAX },
        FloatCase { "3.40282356E+38", FLT_MAX }, FloatCase { "0.062", 0.062f }, FloatCase { "1E-50", 0.0f },
        FloatCase { "1.4E-45", 0x1p-149f }, FloatCase { "12.5 ", 12.5f }));

TEST(RecordReader, BeyondTheLargestFloatIsOutOfRange)
{
    RecordReader lenient("3.4028236E+38,-1E39\r\n");
    EXPECT_EQ(lenient.float32(), 0.0f);
    EXPECT_EQ(lenient.float32(), 0.0f);
    RecordReader strict("3.4028236E+38\r\n", NonNumber::Fails);
    EXPECT_THROW(strict.float32(), ReadError);
}

TEST(RecordReader, RawFieldsComeBackByteForByte)
{
    const std::string bytes = "007, 12,1E5,\"12.50\" ,\"a, b\"x,,#TRUE#,12.5  \r\n\"\",\r\n";
    RecordReader r(bytes);
    const std::vector<std::string> fields { "007", " 12", "1E5", "\"12.50\" ", "\"a, b\"x", "", "#TRUE#",
        "12.5  " };
    RecordWriter w;
    for (const auto& expected : fields) {
        const std::string field = r.raw();
        EXPECT_EQ(field, expected);
        w.raw(field);
    }
    w.endRecord();
    w.raw(r.raw()).raw(r.raw()).endRecord();
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(w.bytes(), bytes);
}

// A quote the file never closes runs to its end; carried into the middle of another file
// as it stands, it would swallow the fields written after it.
TEST(RecordReader, ARawFieldWithAnOpenQuoteIsCarriedClosed)
{
    RecordReader r("#0\r\n\",0\r\n0,0");
    EXPECT_EQ(r.raw(), "#0");
    const std::string open = r.raw();
    EXPECT_EQ(open, "\",0\r\n0,0\"");
    RecordWriter w;
    w.raw(open).text("after").endRecord();
    RecordReader again(w.bytes());
    EXPECT_EQ(again.raw(), open);
    EXPECT_EQ(again.text(), "after");
    EXPECT_TRUE(again.atEnd());
}

TEST(RecordReader, FlagsAreZeroOrOne)
{
    RecordReader r("0,1,-1,#TRUE#,#FALSE#,2,,x\r\n");
    std::vector<short> flags;
    while (!r.atEnd())
        flags.push_back(r.flag());
    EXPECT_EQ(flags, (std::vector<short> { 0, 1, 1, 1, 0, 1, 0, 0 }));
}

class DataFiles : public ::testing::Test {
protected:
    const test::TempFolder m_temp;
    const std::filesystem::path m_dir = m_temp.path();
};

TEST_F(DataFiles, UserFilesAreNameAndExtension)
{
    DataFolder folder(m_dir);
    EXPECT_EQ(folder.userFile("Smith", ".use"), m_dir / "Smith.use");
    EXPECT_EQ(folder.userFile("", ".sta"), m_dir / ".sta");
}

TEST_F(DataFiles, AtomicWriteReplacesWholeAndIsPrivate)
{
    const auto path = m_dir / "a.use";
    ASSERT_FALSE(writeFileAtomically(path, "old\r\n"));
    ASSERT_FALSE(writeFileAtomically(path, "new\r\n"));
    EXPECT_EQ(readWholeFile(path), "new\r\n");
    struct stat st { };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1) << "no temporary left";
}

TEST_F(DataFiles, FailedWriteKeepsWhatWasThereAndSaysWhy)
{
    // A folder standing where the file should go cannot be replaced, even by root.
    const auto path = m_dir / "a.use";
    std::filesystem::create_directories(path / "inside");
    const auto error = writeFileAtomically(path, "new\r\n");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(path.string()), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1) << "no temporary left";
}

TEST_F(DataFiles, AnUnchangedPrivateFileIsLeftAsItIs)
{
    const auto path = m_dir / "a.use";
    ASSERT_FALSE(writeFileAtomically(path, "same\r\n"));
    struct stat first { };
    ::stat(path.c_str(), &first);
    ASSERT_FALSE(writeFileAtomically(path, "same\r\n"));
    struct stat second { };
    ::stat(path.c_str(), &second);
    EXPECT_EQ(first.st_ino, second.st_ino) << "not replaced";

    // Other bytes, or a file others may read, are written afresh.
    ASSERT_FALSE(writeFileAtomically(path, "other\r\n"));
    EXPECT_EQ(readWholeFile(path), "other\r\n");
    ::chmod(path.c_str(), 0644);
    ASSERT_FALSE(writeFileAtomically(path, "other\r\n"));
    struct stat third { };
    ::stat(path.c_str(), &third);
    EXPECT_EQ(third.st_mode & 0777, 0600u);
}

TEST_F(DataFiles, WriteIntoAMissingFolderFails)
{
    EXPECT_TRUE(writeFileAtomically(m_dir / "nope" / "a.use", "x"));
}

TEST_F(DataFiles, ExistsMeansReadable)
{
    EXPECT_FALSE(fileExists(m_dir / "missing.use"));
    EXPECT_FALSE(fileExists(m_dir)) << "a folder is not a data file";
    ASSERT_FALSE(writeFileAtomically(m_dir / "x.use", ""));
    EXPECT_TRUE(fileExists(m_dir / "x.use"));
}

// Only plain files are read: a folder, a named pipe (opening one would wait for a writer
// for ever) or a link to nothing reads as no file; a link to a file reads as the file.
TEST_F(DataFiles, OnlyPlainFilesAreRead)
{
    ASSERT_FALSE(writeFileAtomically(m_dir / "plain.use", "bytes\r\n"));
    ASSERT_EQ(::mkfifo((m_dir / "pipe.use").c_str(), 0600), 0);
    std::filesystem::create_directory(m_dir / "folder.use");
    std::filesystem::create_symlink(m_dir / "plain.use", m_dir / "link.use");
    std::filesystem::create_symlink(m_dir / "gone.use", m_dir / "dangling.use");
    struct Case {
        const char* name;
        std::optional<std::string> content;
    };
    for (const Case& c : { Case { "plain.use", "bytes\r\n" }, Case { "link.use", "bytes\r\n" },
             Case { "pipe.use", std::nullopt }, Case { "folder.use", std::nullopt },
             Case { "dangling.use", std::nullopt }, Case { "missing.use", std::nullopt } }) {
        EXPECT_EQ(readWholeFile(m_dir / c.name), c.content) << c.name;
        EXPECT_EQ(fileExists(m_dir / c.name), c.content.has_value()) << c.name;
    }
}

TEST(UserName, RefusesWhatCannotBeAFileBaseName)
{
    for (const char* bad : { "a/b", "a\\b", "a:b", "x?", "..", "\"q\"", "tab\there", "日本" })
        EXPECT_TRUE(userNameProblem(bad)) << bad;
    for (const char* good : { "", "NAME", "Smith, John", "José", "o'brien 2" })
        EXPECT_FALSE(userNameProblem(good)) << good;
}

// 200 characters, however many bytes each takes in UTF-8.
TEST(UserName, LengthIsCountedInCharacters)
{
    const auto repeated = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    for (const std::string piece : { "a", "é", "€" }) {
        EXPECT_FALSE(userNameProblem(repeated(piece, 200))) << piece;
        EXPECT_TRUE(userNameProblem(repeated(piece, 201))) << piece;
    }
}
