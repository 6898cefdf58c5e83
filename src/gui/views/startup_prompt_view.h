// The first window: the name of the user to work on.
#pragma once

#include <QDialog>

namespace tallyman {
class StartupPrompt;
}

namespace tallyman::gui {

class StartupPromptView : public QDialog {
    Q_OBJECT
public:
    StartupPromptView(StartupPrompt& model, QWidget* parent = nullptr);
};

} // namespace tallyman::gui
