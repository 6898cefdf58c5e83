// Typing, picking and clicking from the command line.
#include "cli/typing.h"

#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tallyman::cli {

namespace {

// The character starting at text[i]: its code point and length. Bytes that are not UTF-8
// stand for themselves, so they are dropped by a number box all the same.
std::pair<int, std::size_t> nextCharacter(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + length > text.size())
        length = 1;
    int cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return { cp, length };
}

} // namespace

std::string lowerCase(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Assignment::target() const { return index ? name + "[" + std::to_string(*index) + "]" : name; }

Assignment parseAssignment(const std::string& word, const std::string& usageTopic)
{
    const auto eq = word.find('=');
    if (eq == std::string::npos || eq == 0)
        throw UsageError("\"" + word + "\" is not of the form FIELD=VALUE", usageTopic);
    Assignment assignment;
    assignment.word = word;
    assignment.value = word.substr(eq + 1);
    std::string name = word.substr(0, eq);
    if (const auto open = name.find('['); open != std::string::npos) {
        const std::string digits = name.substr(open + 1, name.size() - open - 2);
        int index = -1;
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (name.back() != ']' || digits.empty() || result.ec != std::errc()
            || result.ptr != digits.data() + digits.size() || index < 0)
            throw UsageError(
                "\"" + name + "\" is not a field name with an index such as txtStateMinBS[3]", usageTopic);
        assignment.index = index;
        name.resize(open);
    }
    assignment.name = name;
    return assignment;
}

std::optional<std::string> firstDroppedCharacter(const ui::TextBox& box, const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto [key, length] = nextCharacter(text, i);
        if (!box.acceptsKey(key))
            return text.substr(i, length);
        i += length;
    }
    return std::nullopt;
}

std::optional<std::string> firstDroppedByNumberBox(const std::string& text)
{
    ui::TextBox probe;
    probe.setNumeric(true);
    return firstDroppedCharacter(probe, text);
}

std::optional<std::string> typeInto(ui::TextBox& box, const std::string& text)
{
    box.setFocus();
    box.typeKey(ui::KeyBackspace);
    if (!box.numeric()) {
        box.setText(text);
        return std::nullopt;
    }
    std::optional<std::string> dropped;
    for (std::size_t i = 0; i < text.size();) {
        const auto [key, length] = nextCharacter(text, i);
        if (!box.typeKey(key) && !dropped)
            dropped = text.substr(i, length);
        i += length;
    }
    return dropped;
}

std::optional<std::string> listItem(const ui::ComboBox& list, const std::string& text)
{
    for (const std::string& item : list.items())
        if (lowerCase(item) == lowerCase(text))
            return item;
    return std::nullopt;
}

std::optional<int> checkValue(const std::string& text)
{
    const std::string word = lowerCase(text);
    if (word == "1" || word == "on" || word == "yes" || word == "true")
        return 1;
    if (word == "0" || word == "off" || word == "no" || word == "false")
        return 0;
    return std::nullopt;
}

void setCheck(ui::CheckBox& box, int value)
{
    if (box.value() != value)
        box.click();
}

} // namespace tallyman::cli
