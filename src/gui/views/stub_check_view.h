// The window of Check My Stub.
#pragma once

#include <QDialog>

namespace tallyman {
class StubCheckScreen;
}

namespace tallyman::gui {

class StubCheckView : public QDialog {
    Q_OBJECT
public:
    StubCheckView(StubCheckScreen& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
