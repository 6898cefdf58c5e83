// The "Federal Table" dialog.
#pragma once

#include <QDialog>

namespace tallyman {
class FedTableDialog;
}

namespace tallyman::gui {

class FedTableDialogView : public QDialog {
    Q_OBJECT
public:
    FedTableDialogView(FedTableDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
