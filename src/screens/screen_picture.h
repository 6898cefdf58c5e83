// Printing the picture of a screen's window, as Print Image and the overtime tracker do.
#pragma once

namespace tallyman {

class App;
namespace ui {
class Screen;
}

// The printer dialog, then the window's picture; a cancelled dialog prints nothing.
void printScreenPicture(App& app, const ui::Screen& screen);

} // namespace tallyman
