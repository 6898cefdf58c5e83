// Faults the fuzz targets found, each kept as the smallest case that showed it.
#include "employee/profile_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tallyman {
namespace {

// A .use whose pay flags hold 1 (not the program's -1): the user is bi-weekly to the program,
// and must stay so through a save and a load instead of turning weekly.
TEST(FuzzRegressions, APayFlagOtherThanTrueSurvivesASave)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-fuzzreg-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const DataFolder folder(dir);
    std::ofstream(dir / "In.use", std::ios::binary)
        << "0,0,0\r\n11440,0,0\r\n7.5,0,0\r\n\"0\",\"Single\",0\r\n"
           "0,0,0\r\n0,0,0\r\n1,0,\"CrUnion\"\r\n";
    for (short week : { short(1), short(-1), short(0) }) {
        EmployeeProfile profile;
        OvertimeTracker tracker;
        PrinterOffsets offsets;
        StateTaxSettings state;
        ProfileReserved reserved;
        ProfileFileSet set { profile, tracker, offsets, state, reserved };
        loadProfileFileSet(folder, "In", set);
        profile.Week = week;
        ASSERT_FALSE(saveProfileFileSet(folder, "Out", set));
        EmployeeProfile again;
        ProfileFileSet back { again, tracker, offsets, state, reserved };
        loadProfileFileSet(folder, "Out", back);
        EXPECT_EQ(again.Week, week);
        EXPECT_EQ(paysWeekly(again), paysWeekly(profile)) << week;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tallyman
