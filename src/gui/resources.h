// The pictures built into the display library.
#pragma once

namespace tallyman::gui {

// Makes the built-in pictures (":/icons/...") available; call once after the application
// object exists. A static library's resources are not registered by themselves.
void initResources();

} // namespace tallyman::gui
