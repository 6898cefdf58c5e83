// The start-up prompt: names the user and brings up the main window.
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"
#include "storage/fileset.h"

namespace tallyman {

namespace {
constexpr const char* PromptTitle = "Enter File Name.........";
}

StartupPrompt::StartupPrompt(App& app)
    : m_app(app)
{
    setTitle(PromptTitle);
    OKButton.setCaption("OK");
    OKButton.onClick = [this] { OKButton_Click(); };
    // A click into the name box selects the whole name, as getting the focus does, so typing
    // replaces it.
    txtUser.onClick = [this] { txtUser.select(0, txtUser.text().size()); };
    // Closing the prompt any other way than OK ends the program.
    onCloseRequested = [this] {
        App& session = m_app;
        session.close(ScreenId::StartupPrompt);
        session.quit();
    };
}

void StartupPrompt::load() { txtUser.setText(m_app.UserName.empty() ? "NAME" : m_app.UserName); }

void StartupPrompt::OKButton_Click()
{
    App& app = m_app;
    const std::string name = txtUser.text();
    if (const auto problem = userNameProblem(name)) {
        app.message({ *problem }, PromptTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }
    app.UserName = name;
    app.takeUser();
    if (name.empty())
        txtUser.setText("NAME");
    app.LoadUserFiles();
    app.LoadStateSettings();
    // The first calculation tests the wage bases against the real year to date and taxes a
    // non-city resident by the stored table, as after Open. The city table is read as well:
    // every save of the user writes it, and a save before the city dialog was ever opened
    // (User Info's Save) would otherwise replace the user's table with zeros.
    app.loadLedger();
    app.cityDialog(); // its opening reads the city file into the record
    app.loadNonCitySettings();

    MainWindow& main = app.mainWindow();
    main.setTitle(app.userTitle());
    main.lbUser.setText(app.UserName);
    app.show(ScreenId::MainWindow);
    app.close(ScreenId::StartupPrompt);
}

} // namespace tallyman
