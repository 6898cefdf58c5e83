// Pictures of every window for the documentation, drawn without a screen.
#pragma once

#include <filesystem>

namespace tallyman::gui {

// Works through a fresh weekly user in a scratch data folder and saves each window as a PNG
// file in `outDir`: the start-up prompt, the main window after a 40-hour calculation, User
// Info, Save User, the state dialog with a state's preset applied, the city and non-city
// dialogs and the about box. False when a picture could not be written.
bool renderScreenshots(const std::filesystem::path& outDir, const std::filesystem::path& installedData);

} // namespace tallyman::gui
