// Which window shows which screen model, for printing a picture of a screen.
#pragma once

#include <QWidget>

namespace tallyman::ui {
class Screen;
}

namespace tallyman::gui {

// Filled by the view layer (binding a window to its screen does it).
void registerWindow(const ui::Screen& screen, QWidget* window);
// The window showing the screen, or null when there is none (any more).
QWidget* windowOf(const ui::Screen& screen);

} // namespace tallyman::gui
