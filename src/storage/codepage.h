// Windows-1252 on disk, UTF-8 in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyman::records {

// UTF-8 to Windows-1252; nothing when a character has no place in the code page
// (or the UTF-8 is malformed).
std::optional<std::string> toWindows1252(std::string_view utf8);
// Windows-1252 to UTF-8; the five unassigned bytes map to the control characters U+0081,
// U+008D, U+008F, U+0090 and U+009D, and back, so any bytes survive a round trip.
std::string fromWindows1252(std::string_view bytes);

// A text that a person may enter into a text field: no double quote, no control character
// (below U+0020), every character in the code page.
bool isStorableText(std::string_view utf8);

} // namespace tallyman::records
