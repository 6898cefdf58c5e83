// Putting a command-line value into a control as a person would: typing into a box through its
// key filter, picking a list item, clicking a check box.
#pragma once

#include "platform/controls.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyman::cli {

// NAME=VALUE or NAME[INDEX]=VALUE, as given to the set commands.
struct Assignment {
    std::string name;
    std::optional<int> index;
    std::string value;
    std::string word; // as written, for messages
    // "txtStateMinBS[3]" or "HourRate"
    std::string target() const;
};
// Throws UsageError when the word is not of that form.
Assignment parseAssignment(const std::string& word, const std::string& usageTopic);

// The first character (a whole UTF-8 sequence) of `text` the box's key filter drops, or
// nothing when every character would be kept.
std::optional<std::string> firstDroppedCharacter(const ui::TextBox& box, const std::string& text);
// The same check for a number box that does not exist yet.
std::optional<std::string> firstDroppedByNumberBox(const std::string& text);

// Focuses the box (which selects its text), deletes the selection and types `text`. A number
// box receives it key by key through its filter. Returns the first character dropped.
std::optional<std::string> typeInto(ui::TextBox& box, const std::string& text);

// The item of the list equal to `text`, ignoring letter case; nothing when there is none.
std::optional<std::string> listItem(const ui::ComboBox& list, const std::string& text);

// ASCII letters in lower case; other bytes as they are.
std::string lowerCase(std::string text);

// A check-box value given as 0/1 (also off/on, no/yes, false/true); nothing otherwise.
std::optional<int> checkValue(const std::string& text);

// Sets a check box to the value by clicking it when it differs, so its click behaviour runs.
void setCheck(ui::CheckBox& box, int value);

} // namespace tallyman::cli
