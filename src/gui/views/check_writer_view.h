// The check writer's window, laid out like a check.
#pragma once

#include <QDialog>

namespace tallyman {
class CheckWriter;
}

namespace tallyman::gui {

class CheckWriterView : public QDialog {
    Q_OBJECT
public:
    CheckWriterView(CheckWriter& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
