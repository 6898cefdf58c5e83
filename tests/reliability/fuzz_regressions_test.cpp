// Faults the fuzz targets found, each kept as the smallest case that showed it.
#include "employee/profile_files.h"
#include "support/temp_folder.h"
#include "support/user_records.h"

#include <gtest/gtest.h>

namespace tallyman {
namespace {

// A .use whose pay flags hold 1 (not the program's -1): the user is bi-weekly to the program,
// and must stay so through a save and a load instead of turning weekly.
TEST(FuzzRegressions, APayFlagOtherThanTrueSurvivesASave)
{
    const test::TempFolder dir;
    const DataFolder folder(dir.path());
    dir.write("In.use",
        "0,0,0\r\n11440,0,0\r\n7.5,0,0\r\n\"0\",\"Single\",0\r\n"
        "0,0,0\r\n0,0,0\r\n1,0,\"CrUnion\"\r\n");
    for (short week : { short(1), short(-1), short(0) }) {
        test::UserRecords in, out;
        in.load(folder, "In");
        in.profile.Week = week;
        ASSERT_FALSE(in.save(folder, "Out"));
        out.load(folder, "Out");
        EXPECT_EQ(out.profile.Week, week);
        EXPECT_EQ(paysWeekly(out.profile), paysWeekly(in.profile)) << week;
    }
}

} // namespace
} // namespace tallyman
