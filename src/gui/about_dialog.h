// The about box: picture, product, maker and version.
#pragma once

#include "screens/app.h"

#include <QDialog>

class QPushButton;

namespace tallyman::gui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const AboutInfo& info, QWidget* parent = nullptr);
    QPushButton* okButton() const { return m_ok; }

private:
    QPushButton* m_ok;
};

} // namespace tallyman::gui
