// The front end's host for the CLI: a modal screen is "shown" by performing the command's
// scripted presses on it, so the model returns to its caller as after a person's choice.
#pragma once

#include "screens/app.h"

#include <functional>
#include <map>

namespace tallyman::cli {

class CliHost : public ScreenHost {
public:
    using Action = std::function<void()>;

    // What to press when `screen` runs modally. A screen without an action, or still open
    // after it, is closed by its close box (the App's modal run sees to that).
    void setModalAction(ScreenId screen, Action action) { m_actions[screen] = std::move(action); }

    void runModal(ScreenId screen) override;

private:
    std::map<ScreenId, Action> m_actions;
};

} // namespace tallyman::cli
