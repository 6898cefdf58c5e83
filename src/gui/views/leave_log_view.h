// The window of the leave log.
#pragma once

#include <QDialog>

namespace tallyman {
class LeaveLogScreen;
}

namespace tallyman::gui {

class LeaveLogView : public QDialog {
    Q_OBJECT
public:
    LeaveLogView(LeaveLogScreen& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
