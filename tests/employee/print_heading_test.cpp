// "Header.sav": the exact bytes, the defaults, and files that are absent or end early.
#include "employee/print_heading.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tallyman;

namespace {

struct HeadingFolder : ::testing::Test {
    const test::TempFolder temp;
    DataFolder folder { temp.path() };
    void write(const std::string& bytes)
    {
        ASSERT_FALSE(writeFileAtomically(folder.file(HeaderFileName), bytes));
    }
    std::string bytes() { return readWholeFile(folder.file(HeaderFileName)).value_or("<none>"); }
};

TEST_F(HeadingFolder, DefaultsFillOnlyEmptyFieldsAndSaveAsTheFourTexts)
{
    PrintHeading heading;
    heading.CompanyZip = "Springfield IL 62701";
    fillEmptyHeadingFields(heading);
    EXPECT_EQ(heading.Company, "Company");
    EXPECT_EQ(heading.CompanyAddress, "Address");
    EXPECT_EQ(heading.CompanyZip, "Springfield IL 62701");
    EXPECT_EQ(heading.CompanyId, "ID Number");

    ASSERT_FALSE(SaveHeader(folder, defaultHeadingTexts()));
    EXPECT_EQ(bytes(), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
}

TEST_F(HeadingFolder, LoadReadsWhatTheFileHoldsAndKeepsTheRestOtherwise)
{
    struct Case {
        const char* name;
        const char* file; // nullptr: no file
        PrintHeading expected;
    };
    const PrintHeading before { "Old Co", "1 Old St", "Oldtown", "OLD-1" };
    const Case cases[] = {
        { "absent file changes nothing", nullptr, before },
        { "whole record", "\"Acme \xE9\",\"2 Main St\",\"Zip\",\"12-3\"\r\n",
            { "Acme \xC3\xA9", "2 Main St", "Zip", "12-3" } },
        { "empty field stays empty", "\"\",\"A\",\"B\",\"C\"\r\n", { "", "A", "B", "C" } },
        { "file ending early keeps the fields before", "\"New Co\",\"9 New St\"\r\n",
            { "New Co", "9 New St", "Oldtown", "OLD-1" } },
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.file(HeaderFileName));
        if (c.file)
            write(c.file);
        PrintHeading heading = before;
        LoadHeader(folder, heading);
        EXPECT_EQ(heading.Company, c.expected.Company) << c.name;
        EXPECT_EQ(heading.CompanyAddress, c.expected.CompanyAddress) << c.name;
        EXPECT_EQ(heading.CompanyZip, c.expected.CompanyZip) << c.name;
        EXPECT_EQ(heading.CompanyId, c.expected.CompanyId) << c.name;
    }
}

TEST_F(HeadingFolder, ATextTheFileCannotHoldIsRefusedAndTheOldFileKept)
{
    write("\"A\",\"B\",\"C\",\"D\"\r\n");
    EXPECT_TRUE(SaveHeader(folder, { "Say \"hi\"", "", "", "" }));
    EXPECT_EQ(bytes(), "\"A\",\"B\",\"C\",\"D\"\r\n");
}

} // namespace
