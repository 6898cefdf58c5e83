// One writer per user: the lock taken when a user is chosen, the gate every save goes through,
// and the start's checks of the data folder.
#include "screens/app.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tallyman {

namespace {

std::string whoIsOpen(const std::string& userName, long holder)
{
    const std::string who = userName.empty() ? "The default user" : userName;
    return who + " is open in another Tallyman window (process " + (holder > 0 ? std::to_string(holder) : "?")
        + ").";
}

} // namespace

bool App::takeUser()
{
    if (m_lookOnly)
        return false;
    switch (m_lock.take(folder(), UserName)) {
    case UserLock::Outcome::Taken:
    case UserLock::Outcome::Unavailable: // a save says why it cannot write
        m_readOnly.reset();
        return true;
    case UserLock::Outcome::HeldElsewhere:
        break;
    }
    m_readOnly = whoIsOpen(UserName, m_lock.holder());
    if (!m_refusalShown) {
        m_refusalShown = true;
        message({ *m_readOnly, "The user is open read-only here: nothing can be saved." }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    }
    return false;
}

bool App::mayWrite()
{
    if (m_lookOnly)
        return false;
    // A save under another name takes that user; a lock given up by the other program is
    // taken over at the next save.
    if (!m_lock.holds(UserName) && !takeUser())
        return false;
    return true;
}

std::string App::userTitle() const { return "  User:  " + UserName + (readOnly() ? "  (read-only)" : ""); }

std::vector<std::string> App::dataFolderWarnings() const
{
    const auto& dir = folder().dir();
    struct stat st { };
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return { "The data folder " + dir.string() + " does not exist.", "Nothing can be saved." };
    std::vector<std::string> warnings;
    if (::access(dir.c_str(), W_OK | X_OK) != 0)
        warnings.push_back("The data folder " + dir.string() + " is read-only: nothing can be saved.");
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        warnings.push_back("The data folder " + dir.string()
            + " can be changed by other people on this computer; it holds social security numbers."
              " Make it private (chmod 700).");
    return warnings;
}

} // namespace tallyman
