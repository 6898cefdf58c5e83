// The view of each screen model.
#pragma once

#include "screens/app.h"

class QWidget;

namespace tallyman::ui {
class Screen;
}

namespace tallyman::gui {

// The model of a loaded screen; null when the App has not loaded it (asking never loads it).
ui::Screen* loadedScreen(App& app, ScreenId screen);

// A new window for the loaded screen, bound to its model; null for a screen without a view.
QWidget* createView(App& app, ScreenId screen, QWidget* parent);

} // namespace tallyman::gui
