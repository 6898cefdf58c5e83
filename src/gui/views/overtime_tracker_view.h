// The window of the overtime tracker.
#pragma once

#include <QWidget>

namespace tallyman {
class OvertimeTrackerScreen;
}

namespace tallyman::gui {

class OvertimeTrackerView : public QWidget {
    Q_OBJECT
public:
    OvertimeTrackerView(OvertimeTrackerScreen& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
