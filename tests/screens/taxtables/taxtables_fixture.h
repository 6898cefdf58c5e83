// The run state of the application tests with the current user Smith, and the tax dialogs.
#pragma once

#include "screens/app_fixture.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "support/golden.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tallyman::testing {

inline const std::vector<std::string> NonNumeric { "You have entered a NON numerial." };

class TaxTablesTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        app->UserName = "Smith";
    }

    // The screens, created (and loaded) on first reference as the program does.
    StateDialog& state() { return app->stateDialog(); }
    CityDialog& city() { return app->cityDialog(); }
    NonCityDialog& nonCity() { return app->nonCityDialog(); }
    UserInfoScreen& userInfo() { return app->userInfo(); }

    // Pays weekly or bi-weekly as the User Info screen shows it, and in the profile.
    void payWeekly(bool weekly)
    {
        (weekly ? userInfo().optWeek : userInfo().optBiWeek).click();
        app->profile.Week = weekly ? -1 : 0;
        app->profile.BiWeek = weekly ? 0 : -1;
    }

    bool saw(const std::vector<std::string>& lines) const
    {
        const auto& shown = dialogs.messages();
        return std::any_of(
            shown.begin(), shown.end(), [&](const ui::Message& m) { return m.lines == lines; });
    }
};

} // namespace tallyman::testing
