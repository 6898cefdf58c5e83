// SaveOT and LoadUserFiles: the profile file set between memory, the screens and the disk.
#include "screens/app.h"

#include "screens/entry_numbers.h"
#include "screens/main_window.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"
#include "storage/records.h"

namespace tallyman {

namespace {

std::string whose(const std::string& userName)
{
    return userName.empty() ? "the default user" : "user " + userName;
}

} // namespace

bool App::SaveOT()
{
    const std::string name = saveUser().txtSaveUser.text();
    if (const auto problem = userNameProblem(name)) {
        message({ *problem, "Nothing was saved." }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    }
    UserName = name;
    if (!mayWrite())
        return false;

    // A rate box that does not hold a number keeps the rate in memory: the User Info screen
    // refuses such a text before its own save, so only an unconfirmed edit is passed over.
    UserInfoScreen& info = userInfo();
    if (const auto rate = strictAmount(info.txtHourRate.text()))
        profile.HourRate = *rate;
    if (const auto rate = strictAmount(info.txtHourRate2.text()))
        profile.HourRate2 = *rate;
    if (const auto rate = strictAmount(info.txtTipsRate.text()))
        profile.TipsRate = *rate;

    // An open tracker is what the person sees: its rows and boxes are what is saved.
    if (isLoaded(ScreenId::OvertimeTracker))
        overtimeTracker().takeIntoRecord();

    if (profile.Week == 0 && profile.BiWeek == 0) {
        profile.Week = -1;
        info.optWeek.setValue(-1);
    }
    if (profile.KpPer == 0 && profile.KpFix == 0) {
        profile.KpPer = 1;
        info.ckKpPer.setValue(1);
    }

    std::optional<std::string> failure;
    try {
        failure = saveProfileFileSet(
            folder(), UserName, ProfileFileSet { profile, tracker, offsets, state, reserved });
    } catch (const std::exception& e) {
        failure = e.what();
    }

    if (profile.KpPer == 0 && profile.KpFix == 0) {
        profile.KpPer = 1;
        info.ckKpPer.setValue(1);
    } else if (profile.KpPer == 1) {
        info.ckKpPer.setValue(1);
        profile.KpFix = 0;
    } else if (profile.KpFix == 1) {
        info.ckKpFix.setValue(1);
        profile.KpPer = 0;
    }

    if (failure) {
        message({ "The files of " + whose(UserName) + " could not be saved.", *failure }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return false;
    }
    if (m_truncatedUser == UserName)
        m_truncatedUser.reset();
    return true;
}

LoadOutcome App::LoadUserFiles()
{
    ProfileFileSet set { profile, tracker, offsets, state, reserved };
    std::vector<std::filesystem::path> cut, longTexts;
    const LoadOutcome outcome = loadProfileFileSet(folder(), UserName, set, &cut, &longTexts);
    // Reported once per user: the screens this load creates read the same files again.
    if ((outcome == LoadOutcome::EndedEarly || !longTexts.empty()) && m_truncatedUser != UserName) {
        m_truncatedUser = UserName;
        std::vector<std::string> lines;
        for (const auto& path : cut)
            lines.push_back("The file " + path.filename().string() + " ends early.");
        if (!cut.empty())
            lines.push_back("The values after that point were not read.");
        for (const auto& path : longTexts)
            lines.push_back("The file " + path.filename().string()
                + " holds a text longer than a box can show: it was cut to "
                + std::to_string(records::LongestText) + " characters.");
        message(lines, ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    }

    MainWindow& main = mainWindow();
    main.lbTableNotice.setText(tableNotice(profile));
    userInfo().showLoadedProfile();
    // An open tracker keeps what the person typed: this load also runs whenever the state
    // dialog is re-created (every calculation), and the next save takes the tracker's boxes.
    // Open and Undo put the record into it themselves.
    return outcome;
}

void App::loadLedger()
{
    const bool weekly = paysWeekly(profile);
    if (!AddAnnual(ledger, weekly))
        message({ "CHECK YOUR ENTRY FOR NON NUMBER TYPE" });
    const auto path = ledgerFile(folder(), UserName, weekly);
    if (loadLedgerFile(path, ledger, weekly) == LedgerLoad::EndedEarly)
        message({ "The file " + path.filename().string() + " ends early.",
                    "The values after that point were not read." },
            ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

} // namespace tallyman
