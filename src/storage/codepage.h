// Windows-1252 on disk, UTF-8 in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyman::records {

// UTF-8 to Windows-1252; nothing when a character has no place in the code page
// (or the UTF-8 is malformed).
std::optional<std::string> toWindows1252(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to U+FFFD.
std::string fromWindows1252(std::string_view bytes);

// A text that a text field can hold: no double quote, every character in the code page.
bool isStorableText(std::string_view utf8);

} // namespace tallyman::records
