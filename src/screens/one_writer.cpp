// One writer per user: the lock taken when a user is chosen, the gate every save goes through,
// and the start's checks of the data folder.
#include "screens/app.h"

#include <algorithm>
#include <array>
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

std::string lockUnusable(const DataFolder& folder, const std::string& userName, const UserLock& lock)
{
    return "The lock file " + userLockFile(folder, userName).filename().string()
        + " cannot be used: " + lock.failure() + ".";
}

// Every file of a user a save writes. One that is there but cannot be read must not pass for
// a missing one: the save would replace it with what memory holds in its place.
constexpr std::array<const char*, 11> UserFileExtensions { ".use", ".and", ".cfe", ".ovw", ".ovb", ".sta",
    ".cti", ".nci", ".hol", ".yrw", ".yrb" };

std::optional<std::string> unreadableUserFile(const DataFolder& folder, const std::string& userName)
{
    for (const char* extension : UserFileExtensions) {
        const auto path = folder.userFile(userName, extension);
        if (const auto reason = unreadableReason(path))
            return "The file " + path.filename().string() + " exists but cannot be read: " + *reason + ".";
    }
    return std::nullopt;
}

// Takes `userName`'s lock into `lock`; the reason when the user may not be written.
std::optional<std::string> takeLock(UserLock& lock, const DataFolder& folder, const std::string& userName)
{
    switch (lock.take(folder, userName)) {
    case UserLock::Outcome::Taken:
        // Tested under the lock, so no other writer is between the test and the reading.
        if (auto problem = unreadableUserFile(folder, userName)) {
            lock.release();
            return problem;
        }
        return std::nullopt;
    case UserLock::Outcome::HeldElsewhere:
        return whoIsOpen(userName, lock.holder());
    case UserLock::Outcome::Unavailable:
        return lockUnusable(folder, userName, lock);
    }
    return "?";
}

} // namespace

void App::refuse(const std::vector<std::string>& lines)
{
    if (m_refusalShown)
        return;
    m_refusalShown = true;
    message(lines, ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

bool App::takeUser()
{
    m_savedAs.clear();
    if (m_lookOnly) {
        // Nothing is written, but what is shown must not pass for the file's content.
        if (const auto problem = unreadableUserFile(folder(), UserName))
            message({ *problem, "What is shown in its place is not what the file holds." }, ProgramTitle,
                ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return false;
    }
    if (m_readOnly) {
        m_lock.release();
        m_readOnly = std::vector<std::string> {
            "This window opened a user read-only: it saves nothing until Tallyman is started again."
        };
        refuse(*m_readOnly);
        return false;
    }
    const auto problem = takeLock(m_lock, folder(), UserName);
    if (!problem)
        return true;
    m_readOnly
        = std::vector<std::string> { *problem, "The user is open read-only here: nothing can be saved." };
    refuse(*m_readOnly);
    return false;
}

bool App::mayWrite()
{
    if (m_lookOnly)
        return false;
    if (m_readOnly) {
        refuse(*m_readOnly);
        return false;
    }
    if (m_lock.holds(UserName) || std::any_of(m_savedAs.begin(), m_savedAs.end(), [&](const auto& lock) {
            return lock->holds(UserName);
        }))
        return true;
    // A save under a name not chosen as the user: that user's files are written over, so its
    // lock is needed as well.
    auto lock = std::make_unique<UserLock>();
    if (const auto problem = takeLock(*lock, folder(), UserName)) {
        refuse({ *problem, "Nothing was saved." });
        return false;
    }
    m_savedAs.push_back(std::move(lock));
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
