// The window of the city (local) tax tables.
#pragma once

#include <QDialog>

namespace tallyman {
class CityDialog;
}

namespace tallyman::gui {

class CityDialogView : public QDialog {
    Q_OBJECT
public:
    CityDialogView(CityDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
