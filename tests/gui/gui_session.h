// A whole program on a scratch data folder, shown offscreen: real views and host, scripted
// dialogs, a fixed day.
#pragma once

#include "gui/qt_screen_host.h"
#include "gui/resources.h"
#include "platform/plain_clock.h"
#include "platform/recording_printer.h"
#include "platform/scripted_dialogs.h"
#include "screens/app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>

namespace tallyman::gui::test {

// Runs `act` with the screen's window once it is shown: a modal run has started its own loop
// by then, and the action runs inside it.
inline void whenShown(
    QtScreenHost& host, ScreenId screen, std::function<void(QWidget*)> act, int triesLeft = 500)
{
    QTimer::singleShot(triesLeft == 500 ? 0 : 10, [&host, screen, act, triesLeft] {
        QWidget* window = host.window(screen);
        if (window && window->isVisible()) {
            act(window);
            return;
        }
        if (triesLeft > 0)
            whenShown(host, screen, act, triesLeft - 1);
    });
}

// Types into a box as a person does after clicking into it: the old text is replaced.
inline void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

template <typename W> W* child(QWidget* window, const char* name)
{
    return window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
}

struct GuiSession {
    QTemporaryDir dir;
    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock { ui::Date { 2026, 12, 4 } };
    ui::RecordingPrinter printer;
    QtScreenHost host;
    App app;

    // The program prints on `otherPrinter` (a Qt printer writing a PDF) when given, else on
    // the recording printer.
    explicit GuiSession(ui::Printer* otherPrinter = nullptr)
        : app(AppServices { dialogs, clock, otherPrinter ? *otherPrinter : printer, host,
            DataFolder(dir.path().toStdString()), std::filesystem::path(TALLYMAN_DATA_DIR) })
    {
        initResources();
        host.setApp(app);
    }
    ~GuiSession()
    {
        if (!app.quitRequested())
            app.quit();
        app.releaseClosedScreens();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::filesystem::path file(const std::string& name) const
    {
        return std::filesystem::path(dir.path().toStdString()) / name;
    }

    // Starts the program and answers its start-up prompt with `name` typed into the name box
    // (the offered "NAME" when null) and OK. True when the main window came up.
    bool startAs(const char* name = nullptr)
    {
        whenShown(host, ScreenId::StartupPrompt, [name](QWidget* prompt) {
            if (name) {
                auto* box = child<QWidget>(prompt, "txtUser");
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(box, QString::fromLatin1(name));
            }
            QTest::mouseClick(child<QWidget>(prompt, "OKButton"), Qt::LeftButton);
        });
        if (!app.start())
            return false;
        app.releaseClosedScreens();
        QWidget* main = host.window(ScreenId::MainWindow);
        return main && QTest::qWaitForWindowExposed(main);
    }

    QWidget* mainWindow() const { return host.window(ScreenId::MainWindow); }
};

} // namespace tallyman::gui::test
