// The spreadsheet library is loaded on the first export: what each kind of missing library says.
#include "ledger/xlsx_library.h"

#include <gtest/gtest.h>

namespace tallyman {
namespace {

TEST(XlsxLibrary, LoadsTheInstalledLibraryWithEveryFunction)
{
    std::string whyNot = "left from before";
    const XlsxLibrary* library = xlsxLibrary(whyNot);
    ASSERT_NE(library, nullptr) << whyNot;
#define TALLYMAN_EXPECT_RESOLVED(name) EXPECT_NE(library->name, nullptr) << #name;
    TALLYMAN_XLSX_FUNCTIONS(TALLYMAN_EXPECT_RESOLVED)
#undef TALLYMAN_EXPECT_RESOLVED
    EXPECT_STRNE(library->lxw_strerror(LXW_ERROR_CREATING_TMPFILE), "");
    EXPECT_EQ(xlsxLibrary(whyNot), library) << "loaded once";
}

TEST(XlsxLibrary, AMissingOrWrongLibraryIsReportedByName)
{
    struct Case {
        const char* fileName;
        const char* says;
    };
    for (const Case& c : {
             Case { "libtallyman-no-such-xlsxwriter.so.9",
                 "cannot write spreadsheets: libtallyman-no-such-xlsxwriter.so.9 cannot be loaded (" },
             // A library that loads but is not the spreadsheet writer.
             Case { "libz.so.1", "cannot write spreadsheets: libz.so.1 has no workbook_new" },
         }) {
        std::string whyNot;
        EXPECT_EQ(loadXlsxLibrary(c.fileName, whyNot), nullptr) << c.fileName;
        EXPECT_EQ(whyNot.rfind(c.says, 0), 0u) << whyNot;
    }
}

} // namespace
} // namespace tallyman
