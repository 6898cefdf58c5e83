// The window of the overtime tracker.
#pragma once

#include <QWidget>

class QScrollArea;

namespace tallyman {
class OvertimeTrackerScreen;
}

namespace tallyman::gui {

class OvertimeTrackerView : public QWidget {
    Q_OBJECT
public:
    OvertimeTrackerView(OvertimeTrackerScreen& model, QWidget* parent = nullptr);

private:
    // The whole window where the screen has room for it; otherwise as tall as the screen,
    // the rows scrolling between the figures and the buttons.
    void fitToScreen();
    QScrollArea* m_rows = nullptr;
};

} // namespace tallyman::gui
