// Whether the desktop program can show a window at all, asked before Qt starts: Qt ends the
// process with a long platform-plugin error when it cannot open a display.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::gui {

struct DisplayEnvironment {
    // The process's environment variable, nothing when it is unset or empty.
    std::function<std::optional<std::string>(const std::string&)> variable;
    // Whether an X server answers at the display name.
    std::function<bool(const std::string&)> canConnectToX;
    // Whether a file (the Wayland socket) exists.
    std::function<bool(const std::string&)> exists;
};

// Why no window can be shown ("DISPLAY is not set", ...), or nothing when one can. Nothing,
// too, when the platform is chosen explicitly (QT_QPA_PLATFORM, -platform): Qt is obeyed then.
std::optional<std::string> missingDisplay(
    const std::vector<std::string>& args, const DisplayEnvironment& env);

// Whether the command line asks only for what needs no screen: help, the version, screenshots.
bool needsNoScreen(const std::vector<std::string>& args);

// The environment of this process; X is asked through the X client library when it is there.
DisplayEnvironment processDisplayEnvironment();

// The one line the program prints when it cannot show a window.
std::string noDisplayMessage(const std::string& reason);

} // namespace tallyman::gui
