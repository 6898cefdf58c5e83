// The outside world a screen model talks to: message and input boxes, file and date pickers,
// help. The GUI answers with real dialogs, the CLI from its arguments, tests from a script.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::ui {

enum class MessageIcon { None, Warning, Information, Question, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    std::vector<std::string> lines; // shown one under the other
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// A calendar date; the system's short date text is made by the Clock.
struct Date {
    int year = 0;
    int month = 0; // 1..12
    int day = 0; // 1..31
    bool operator==(const Date&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal; OK-only messages answer Ok.
    virtual MessageAnswer message(const Message& message) = 0;
    // Modal input box; Cancel gives an empty text.
    virtual std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultText = {})
        = 0;
    // File open with a filter such as "User Files (*.use)|*.use"; the chosen file's bare name
    // (without folder), or nothing when cancelled.
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter) = 0;
    // Modal date picker starting at `initial`; nothing when cancelled.
    virtual std::optional<Date> pickDate(const Date& initial) = 0;
    // The same picker reporting every change at once, as a date box that shows the picked date
    // while the picker is open. Returns the date confirmed with OK, nothing when the picker
    // was closed otherwise (what onPicked reported stays reported). The default reports only
    // the confirmed date.
    virtual std::optional<Date> pickDateLive(
        const Date& initial, const std::function<void(const Date&)>& onPicked)
    {
        auto picked = pickDate(initial);
        if (picked && onPicked)
            onPicked(*picked);
        return picked;
    }
    // Shows a help page (a topic name such as "index" or "leave").
    virtual void showHelp(const std::string& topic) = 0;
    // Opens a file with the desktop's application for its kind; false when none took it.
    virtual bool openWithDesktop(const std::string& /*path*/) { return false; }
    // A save-as dialog proposing `suggestedName`; the chosen path, nothing when cancelled.
    virtual std::optional<std::string> saveFileAs(
        const std::string& /*title*/, const std::string& /*suggestedName*/, const std::string& /*filter*/)
    {
        return std::nullopt;
    }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    // The short date form of the system: M/d/yyyy in tests, the desktop's form in the GUI.
    virtual std::string shortDate(const Date& date) const = 0;
    // Reads a date in the short form back; nothing when the text is not a date.
    virtual std::optional<Date> parseShortDate(const std::string& text) const = 0;
};

} // namespace tallyman::ui
