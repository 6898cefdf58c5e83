// Conversions between UTF-8 and Windows-1252.
#include "storage/codepage.h"

#include <array>
#include <cstdint>

namespace tallyman::records {

namespace {

// Code points of bytes 0x80..0x9F. The five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the control characters of the same number, so every byte an old
// file holds is read and written back unchanged.
constexpr std::array<char32_t, 32> High = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D,
    0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

std::optional<char> byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < High.size(); ++i)
        if (High[i] == cp)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::optional<std::string> toWindows1252(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        std::size_t length = 0;
        if (lead < 0x80) {
            cp = lead;
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            length = 3;
        } else {
            return std::nullopt; // four-byte characters are never in the code page
        }
        if (i + length > utf8.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        const auto byte = byteFor(cp);
        if (!byte)
            return std::nullopt;
        out += *byte;
        i += length;
    }
    return out;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b < 0x80)
            out += c;
        else if (b < 0xA0)
            appendUtf8(out, High[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool isStorableText(std::string_view utf8)
{
    // A line break or tab would split the one-line record that holds the text.
    for (char c : utf8)
        if (c == '"' || static_cast<std::uint8_t>(c) < 0x20)
            return false;
    return toWindows1252(utf8).has_value();
}

} // namespace tallyman::records
