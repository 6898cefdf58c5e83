// Choosing, creating, opening, saving and closing users: the start-up prompt, the Save User
// dialog, and the File menu's New, Open and Exit.
#pragma once

#include "platform/controls.h"

namespace tallyman {

enum class ScreenId;

class App;

// DialogUser: the first window, "Enter File Name.........".
class StartupPrompt : public ui::Screen {
public:
    explicit StartupPrompt(App& app);

    ui::TextBox txtUser;
    ui::CommandButton OKButton;

    void load();
    // Names the user (the empty box names the default file set), loads the user and shows the
    // main window. A name that cannot be a file name is refused with a message.
    void OKButton_Click();

private:
    App& m_app;
};

// frmSaveUser: saves every file of the user under the name in its name box.
class SaveUserDialog : public ui::Screen {
public:
    explicit SaveUserDialog(App& app);

    ui::Label Label1; // "Before opening a user file,"
    ui::Label Label2; // "Do you want to save this user?"
    ui::TextBox txtSaveUser;
    ui::CommandButton cmdSaveUser; // "&Save"
    ui::CommandButton cmdEnd; // "&No"
    ui::CommandButton cmdQuit; // "&Quit"

    void load();
    void cmdSaveUser_Click() { save(false); }
    void cmdEnd_Click();
    void cmdQuit_Click();
    // The dialog closes (after Save, No, or its close box) and takes the screens that reload
    // their data with it.
    void Form_Unload();

    // Save. A calculation keeps the state, city and non-city dialogs the person has on screen
    // open with their edits (keepShownDialogs). False when something could not be saved.
    bool save(bool keepShownDialogs);

private:
    void closeSettingsDialogs();
    // The overtime tracker or the leave log, unless a calculation keeps it on screen.
    void closeUnlessKept(ScreenId id);

    App& m_app;
    bool m_keepShownDialogs = false;
};

// File > New, File > Open, File > Exit and closing the main window.
void newUser(App& app);
void openUser(App& app);
void exitProgram(App& app);
void closeMainWindow(App& app);

} // namespace tallyman
