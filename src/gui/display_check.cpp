// Finding out, before Qt starts, whether a display can be opened.
#include "gui/display_check.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

namespace tallyman::gui {

std::optional<std::string> missingDisplay(const std::vector<std::string>& args, const DisplayEnvironment& env)
{
    if (env.variable("QT_QPA_PLATFORM"))
        return std::nullopt;
    for (const auto& arg : args)
        if (arg == "-platform" || arg == "--platform" || arg.rfind("-platform=", 0) == 0)
            return std::nullopt;

    if (const auto wayland = env.variable("WAYLAND_DISPLAY")) {
        const auto runtime = env.variable("XDG_RUNTIME_DIR");
        const std::string socket = wayland->front() == '/' || !runtime ? *wayland : *runtime + "/" + *wayland;
        if (env.exists(socket))
            return std::nullopt;
    }
    const auto x = env.variable("DISPLAY");
    if (x && env.canConnectToX(*x))
        return std::nullopt;
    if (x)
        return "cannot connect to the X display " + *x;
    if (const auto wayland = env.variable("WAYLAND_DISPLAY"))
        return "cannot connect to the Wayland display " + *wayland;
    return "no display (DISPLAY is not set)";
}

bool needsNoScreen(const std::vector<std::string>& args)
{
    for (const auto& arg : args)
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version"
            || arg == "--screenshots" || arg.rfind("--screenshots=", 0) == 0)
            return true;
    return false;
}

namespace {

// Asks the X client library, loaded only for the question, so the program does not link it.
bool connectsToX(const std::string& display)
{
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb)
        return true; // Cannot tell: leave it to Qt.
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool connected = true;
    if (connect && hasError && disconnect) {
        void* connection = connect(display.c_str(), nullptr);
        connected = hasError(connection) == 0;
        disconnect(connection);
    }
    dlclose(xcb);
    return connected;
}

} // namespace

DisplayEnvironment processDisplayEnvironment()
{
    return DisplayEnvironment {
        [](const std::string& name) -> std::optional<std::string> {
            const char* value = std::getenv(name.c_str());
            if (!value || !*value)
                return std::nullopt;
            return std::string(value);
        },
        connectsToX,
        [](const std::string& path) {
            std::error_code error;
            return std::filesystem::exists(path, error);
        },
    };
}

std::string noDisplayMessage(const std::string& reason)
{
    return "tallyman: cannot show a window: " + reason
        + "; the command line works without one: tallyman-cli --help";
}

} // namespace tallyman::gui
