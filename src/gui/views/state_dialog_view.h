// The window of the state tax settings.
#pragma once

#include <QDialog>

namespace tallyman {
class StateDialog;
}

namespace tallyman::gui {

class StateDialogView : public QDialog {
    Q_OBJECT
public:
    StateDialogView(StateDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
