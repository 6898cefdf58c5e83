// The front end's host for the CLI: a modal screen is "shown" by performing the command's
// scripted presses on it, so the model returns to its caller as after a person's choice.
#pragma once

#include "app/app.h"

#include <functional>
#include <map>

namespace tallyman::cli {

class CliHost : public ScreenHost {
public:
    using Action = std::function<void()>;

    // What to press when `screen` runs modally. Replaces the previous action.
    void setModalAction(ScreenId screen, Action action) { m_actions[screen] = std::move(action); }

    // The run state whose screens this host shows; set once the App exists.
    void attach(App &app) { m_app = &app; }

    void runModal(ScreenId screen) override;

private:
    App *m_app = nullptr;
    std::map<ScreenId, Action> m_actions;
};

} // namespace tallyman::cli
