// The Save User window: the name to save under, and Save, No or Quit.
#pragma once

#include <QDialog>

namespace tallyman {
class SaveUserDialog;
}

namespace tallyman::gui {

class SaveUserView : public QDialog {
    Q_OBJECT
public:
    SaveUserView(SaveUserDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
