// Windows come and go with their screen models; modal screens run as dialogs.
#include "gui/qt_screen_host.h"

#include "gui/about_dialog.h"
#include "gui/views/screen_views.h"
#include "platform/controls.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>

namespace tallyman::gui {

namespace {

bool isModal(ScreenId screen)
{
    switch (screen) {
    case ScreenId::StartupPrompt:
    case ScreenId::UserInfo:
    case ScreenId::SaveUser:
        return true;
    case ScreenId::MainWindow:
    case ScreenId::StateDialog:
    case ScreenId::CityDialog:
    case ScreenId::NonCityDialog:
    case ScreenId::CheckWriter:
    case ScreenId::PrinterOffset:
    case ScreenId::Ledger:
    case ScreenId::Heading:
    case ScreenId::OvertimeTracker:
    case ScreenId::LeaveLog:
        return false;
    }
    return false;
}

} // namespace

QtScreenHost::QtScreenHost() = default;

QtScreenHost::~QtScreenHost()
{
    // Dialogs go with the main window; the others one by one (a deleted one reads as null).
    for (auto& [id, window] : m_windows)
        if (window && window->parentWidget())
            delete window.data();
    for (auto& [id, window] : m_windows)
        delete window.data();
}

void QtScreenHost::setApp(App& app) { m_app = &app; }

void QtScreenHost::runUntilQuit()
{
    if (!m_app)
        return;
    // Handlers may close their own screen; its model is freed here, at the outermost level,
    // where no handler can still be running (modal runs nest their own loops inside handlers).
    m_app->releaseClosedScreens();
    while (!m_app->quitRequested()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_app->releaseClosedScreens();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ui::Screen* QtScreenHost::screenModel(ScreenId screen) const
{
    return m_app ? loadedScreen(*m_app, screen) : nullptr;
}

QWidget* QtScreenHost::window(ScreenId screen) const
{
    const auto it = m_windows.find(screen);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QWidget* QtScreenHost::ensureWindow(ScreenId screen)
{
    if (auto* existing = window(screen))
        return existing;
    if (!m_app || !screenModel(screen))
        return nullptr;
    // Dialogs stay over the main window and go with it.
    QWidget* parent = screen == ScreenId::MainWindow ? nullptr : window(ScreenId::MainWindow);
    QWidget* view = createView(*m_app, screen, parent);
    if (!view)
        return nullptr;
    if (isModal(screen))
        view->setWindowModality(Qt::ApplicationModal);
    m_windows[screen] = view;
    return view;
}

void QtScreenHost::runModal(ScreenId screen)
{
    QPointer<QWidget> view = ensureWindow(screen);
    auto* model = screenModel(screen);
    auto* dialog = qobject_cast<QDialog*>(view.data());
    if (!dialog || !model || (m_app && m_app->quitRequested()))
        return;
    // The window follows the model's shown flag; the run lasts while the model shows it.
    if (!model->shown())
        model->setShown(true);
    if (view && screenModel(screen) == model && model->shown())
        dialog->exec();
}

void QtScreenHost::screenClosed(ScreenId screen)
{
    const auto it = m_windows.find(screen);
    if (it == m_windows.end())
        return;
    QPointer<QWidget> view = it->second;
    m_windows.erase(it);
    if (!view)
        return;
    // Hiding ends a modal run; the window goes once the handler that closed it has returned.
    view->hide();
    view->deleteLater();
}

void QtScreenHost::showAbout(const AboutInfo& info)
{
    AboutDialog about(info, window(ScreenId::MainWindow));
    about.exec();
}

void QtScreenHost::screenShown(ScreenId screen)
{
    auto* view = ensureWindow(screen);
    auto* model = screenModel(screen);
    if (!view || !model)
        return;
    if (!model->shown())
        model->setShown(true);
    view->show();
    view->raise();
    view->activateWindow();
}

} // namespace tallyman::gui
