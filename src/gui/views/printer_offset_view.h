// The printer offset dialog's window.
#pragma once

#include <QDialog>

namespace tallyman {
class PrinterOffsetDialog;
}

namespace tallyman::gui {

class PrinterOffsetView : public QDialog {
    Q_OBJECT
public:
    PrinterOffsetView(PrinterOffsetDialog& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
