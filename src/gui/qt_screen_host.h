// The Qt front end's side of the screens: one window per shown screen model, modal runs as
// dialogs, and the program's event loop.
#pragma once

#include "screens/app.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace tallyman::ui {
class Screen;
}

namespace tallyman::gui {

class QtScreenHost : public ScreenHost {
public:
    QtScreenHost();
    ~QtScreenHost() override;
    QtScreenHost(const QtScreenHost&) = delete;
    QtScreenHost& operator=(const QtScreenHost&) = delete;

    // The App whose screens this host shows.
    void setApp(App& app);
    // The program's event loop: runs until the App has ended, and frees the screen models
    // closed meanwhile whenever no handler is running.
    void runUntilQuit();

    void runModal(ScreenId screen) override;
    void screenClosed(ScreenId screen) override;
    // Screens get their window when first shown: many are loaded only for their data.
    void screenShown(ScreenId screen) override;
    void showAbout(const AboutInfo& info) override;

    // The window showing a screen, or null when it has none.
    QWidget* window(ScreenId screen) const;
    // The window of a loaded screen, created when it has none yet.
    QWidget* ensureWindow(ScreenId screen);

private:
    ui::Screen* screenModel(ScreenId screen) const;

    App* m_app = nullptr;
    std::map<ScreenId, QPointer<QWidget>> m_windows;
};

} // namespace tallyman::gui
