// The "Print Out Heading" dialog.
#pragma once

#include <QDialog>

namespace tallyman {
class HeadingDialog;
}

namespace tallyman::gui {

class HeadingDialogView : public QDialog {
    Q_OBJECT
public:
    HeadingDialogView(HeadingDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
