// The window of the non-city resident table.
#pragma once

#include <QDialog>

namespace tallyman {
class NonCityDialog;
}

namespace tallyman::gui {

class NonCityDialogView : public QDialog {
    Q_OBJECT
public:
    NonCityDialogView(NonCityDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
