// The main window: the period's hours, the results, the commands and the menus.
#pragma once

#include <QMainWindow>

#include <memory>

namespace tallyman {
class MainWindow;
}

namespace tallyman::gui {

class MainWindowView : public QMainWindow {
    Q_OBJECT
public:
    MainWindowView(MainWindow& model, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainWindow& m_model;
    std::weak_ptr<const void> m_alive;
};

} // namespace tallyman::gui
