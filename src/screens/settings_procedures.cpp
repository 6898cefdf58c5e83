// The state, city and non-city settings between their files, the records and the dialogs.
#include "screens/app.h"

#include "numbers/number_text.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/user_info.h"
#include "taxtables/settings_files.h"

namespace tallyman {

namespace {

const std::vector<std::string> WriteFailureLines { "Check your numbers", "No blanks", "Only numbers" };

// The three lines the person knows, then why the file could not be written.
template <typename Save> bool guardedSave(App& app, Save save)
{
    std::optional<std::string> failure;
    try {
        failure = save();
    } catch (const std::exception& e) {
        failure = std::string(e.what());
    }
    if (failure) {
        std::vector<std::string> lines = WriteFailureLines;
        lines.push_back(*failure);
        app.message(lines);
    }
    return !failure;
}

} // namespace

void App::LoadStateSettings() { loadStateSettingsFrom(UserName + ".sta"); }

void App::GetDefaultStateSettings() { loadStateSettingsFrom(".sta"); }

void App::loadStateSettingsFrom(const std::string& fileName)
{
    const SettingsLoad result = loadStateFile(folder().file(fileName), state, profile);
    if (result == SettingsLoad::Corrupt) {
        message(corruptFileLines(fileName));
        return;
    }
    StateDialog& dialog = stateDialog();
    if (result == SettingsLoad::Loaded)
        dialog.showRecord();
    dialog.showFlags();

    UserInfoScreen& info = userInfo();
    info.cboDepend2.setText(numberText(static_cast<int>(profile.StateExemptions)));
    info.cboStatus2.setText(profile.StateStatus);
    info.txtFedAddL.setText(numberText(profile.FedAddL));
    info.ckFedExemp.setValue(profile.FedExemp);
    info.ckSSMediExemp.setValue(profile.SSMediExemp);
}

bool App::SaveStateSettings()
{
    if (!mayWrite())
        return false;
    return guardedSave(
        *this, [&] { return saveStateFile(folder().userFile(UserName, ".sta"), state, profile); });
}

bool App::SaveCitySettings()
{
    if (!mayWrite())
        return false;
    return guardedSave(*this, [&] { return saveCityFile(folder().userFile(UserName, ".cti"), city); });
}

bool App::SaveNonCitySettings()
{
    if (!mayWrite())
        return false;
    return guardedSave(*this, [&] { return saveNonCityFile(folder().userFile(UserName, ".nci"), nonCity); });
}

void App::loadCitySettings()
{
    CityDialog& dialog = cityDialog();
    dialog.LoadCitySettings();
    dialog.CheckFor();
    dialog.fillVar();
}

void App::loadNonCitySettings() { nonCityDialog().LoadNonCitySettings(); }

} // namespace tallyman
