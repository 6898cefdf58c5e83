// The User Info window: rates, pay frequency, filing status, deductions and the employee.
#pragma once

#include <QDialog>

namespace tallyman {
class UserInfoScreen;
}

namespace tallyman::gui {

class UserInfoView : public QDialog {
    Q_OBJECT
public:
    UserInfoView(UserInfoScreen& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
