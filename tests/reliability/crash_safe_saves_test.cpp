// A save killed at any moment leaves every file of the user complete: old or new, and loadable.
#include "employee/profile_files.h"
#include "ledger/year_ledger.h"
#include "support/temp_folder.h"
#include "support/user_records.h"
#include "taxtables/settings_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace tallyman;

namespace {

// Everything the Save User dialog writes for one user, plus the year ledger.
struct WholeUser : test::UserRecords {
    CityTaxSettings city;
    NonCitySettings nonCity;
    YearLedger ledger;

    explicit WholeUser(int version)
    {
        profile.resetToNewUser();
        profile.Week = -1;
        profile.HourRate = 10.5f * static_cast<float>(version);
        profile.Name = version == 1 ? "Ann Smith" : "Robert Longer-Name Smith";
        profile.Address = std::string(static_cast<std::size_t>(40 * version), 'a');
        profile.Cafe = 12.5f * static_cast<float>(version);
        tracker.WeekEnding[0] = version == 1 ? "1/5/2024" : "12/27/2024";
        tracker.Annual = 11440.0f * static_cast<float>(version);
        state.SDIpercent = 0.5f * static_cast<float>(version);
        state.StateMinBS[3] = 100.0f * static_cast<float>(version);
        city.CityPerBS[2] = 0.01f * static_cast<float>(version);
        nonCity.NonPer = 0.02f * static_cast<float>(version);
        for (int row = 0; row < version * 20; ++row) {
            ledger.Rows[static_cast<std::size_t>(row)].Date = "1/" + std::to_string(row % 28 + 1) + "/2024";
            ledger.Rows[static_cast<std::size_t>(row)].Gross = 500.25f * static_cast<float>(version);
        }
        AddAnnual(ledger, true);
    }

    void save(const DataFolder& folder)
    {
        auto check = [](const std::optional<std::string>& failure) {
            if (failure)
                throw std::runtime_error(*failure);
        };
        check(UserRecords::save(folder, "Smith"));
        check(saveStateFile(stateFile(folder, "Smith"), state, profile));
        check(saveCityFile(cityFile(folder, "Smith"), city));
        check(saveNonCityFile(nonCityFile(folder, "Smith"), nonCity));
        check(saveLedgerFile(ledgerFile(folder, "Smith", true), ledger, true));
    }
};

const char* const UserFiles[] = { "Smith.use", "Smith.and", "Smith.cfe", "Smith.ovw", "Smith.sta",
    "Smith.cti", "Smith.nci", "Smith.yrw" };

std::map<std::string, std::string> filesOf(const DataFolder& folder)
{
    std::map<std::string, std::string> bytes;
    for (const char* name : UserFiles)
        bytes[name] = readWholeFile(folder.file(name)).value_or("<missing>");
    return bytes;
}

// Every file loads to the end.
void expectLoads(const DataFolder& folder)
{
    WholeUser loaded(1);
    EXPECT_EQ(loaded.load(folder, "Smith"), LoadOutcome::Loaded);
    EXPECT_EQ(loadStateFile(stateFile(folder, "Smith"), loaded.state, loaded.profile), SettingsLoad::Loaded);
    EXPECT_EQ(loadCityFile(cityFile(folder, "Smith"), loaded.city), SettingsLoad::Loaded);
    EXPECT_EQ(loadNonCityFile(nonCityFile(folder, "Smith"), loaded.nonCity), SettingsLoad::Loaded);
    EXPECT_EQ(loadLedgerFile(ledgerFile(folder, "Smith", true), loaded.ledger, true), LedgerLoad::Loaded);
}

TEST(CrashSafeSaves, AThousandKillsLeaveEveryFileOldOrNewAndLoadable)
{
    // The bytes of both versions, as an undisturbed save writes them.
    WholeUser first(1), second(2);
    std::map<std::string, std::string> versions[2];
    int index = 0;
    for (WholeUser* user : { &first, &second }) {
        const test::TempFolder dir("tallyman-version", test::memoryFolderBase());
        user->save(DataFolder(dir.path()));
        versions[index++] = filesOf(DataFolder(dir.path()));
    }
    for (const char* name : UserFiles)
        ASSERT_NE(versions[0][name], versions[1][name]) << name << " must differ between the versions";

    const test::TempFolder killed("tallyman-kill", test::memoryFolderBase());
    const std::filesystem::path& dir = killed.path();
    const DataFolder folder(dir);
    first.save(folder);

    // How long one round of both saves takes, so the kills land all over it.
    const auto began = std::chrono::steady_clock::now();
    second.save(folder);
    first.save(folder);
    const auto round
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began);
    std::mt19937 random(12);
    std::uniform_int_distribution<long> delay(
        0, std::clamp<long>(static_cast<long>(round.count()) * 2, 200, 20000));

    constexpr int Kills = 1000;
    int secondSeen = 0, temporariesSeen = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                for (;;) {
                    second.save(folder);
                    first.save(folder);
                }
            } catch (...) {
                ::_exit(3);
            }
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself at kill " << kill;

        const auto now = filesOf(folder);
        for (const char* name : UserFiles) {
            const std::string& bytes = now.at(name);
            const bool old = bytes == versions[0][name], fresh = bytes == versions[1][name];
            ASSERT_TRUE(old || fresh) << name << " is neither complete version after kill " << kill;
            secondSeen += fresh;
        }
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (name.find(":tmp-") != std::string::npos) {
                ASSERT_TRUE(isTemporaryFileName(name)) << name;
                ++temporariesSeen;
            }
        }
        if (kill % 100 == 0)
            expectLoads(folder);
    }
    expectLoads(folder);
    EXPECT_GT(secondSeen, 0) << "the child never got a save done";
    RecordProperty("kills", Kills);
    RecordProperty("temporaries_left_by_kills", temporariesSeen);
    std::printf("%d kills survived; %d temporaries found after kills; new version seen %d times\n", Kills,
        temporariesSeen, secondSeen);

    // The next start on the folder clears what the killed saves left.
    struct timespec nextStart { };
    ::clock_gettime(CLOCK_REALTIME, &nextStart);
    ++nextStart.tv_sec;
    removeLeftoverTemporaries(dir, nextStart);
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        EXPECT_FALSE(isTemporaryFileName(entry.path().filename().string())) << entry.path();
}

} // namespace
