// JSON texts: escaping, exact numbers and the indented layout.
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tallyman::cli {

namespace {

template <typename T> std::string shortest(T value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not well formed.
std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    std::uint32_t cp;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF))
        || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string jsonNumber(float value) { return shortest(value); }

std::string jsonNumber(double value) { return shortest(value); }

std::string jsonNumber(Currency value)
{
    const std::int64_t units = value.units();
    // The magnitude as unsigned, so the most negative amount has one too.
    const std::uint64_t magnitude
        = units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::string text = (units < 0 ? "-" : "") + std::to_string(magnitude / Currency::UnitsPerDollar);
    std::uint64_t fraction = magnitude % Currency::UnitsPerDollar;
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04llu", static_cast<unsigned long long>(fraction));
        std::string places(digits);
        while (places.back() == '0')
            places.pop_back();
        text += "." + places;
    }
    return text;
}

std::string jsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            const std::size_t length = utf8Length(utf8, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(utf8.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
                out += escaped;
            } else {
                out += c;
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

void JsonWriter::newline() { m_out << '\n' << std::string(2 * m_levels.size(), ' '); }

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (!level.empty)
        m_out << (level.inlined ? ", " : ",");
    if (!level.inlined)
        newline();
    level.empty = false;
}

void JsonWriter::raw(std::string_view token)
{
    beforeValue();
    m_out << token;
}

JsonWriter& JsonWriter::beginObject()
{
    raw("{");
    m_levels.push_back({ false, false });
    return *this;
}

JsonWriter& JsonWriter::beginArray(bool inlined)
{
    // Nothing nested in an inline array is broken over lines either.
    const bool inside = !m_levels.empty() && m_levels.back().inlined;
    raw("[");
    m_levels.push_back({ true, inlined || inside });
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.empty && !level.inlined)
        newline();
    m_out << '}';
    if (m_levels.empty())
        m_out << '\n';
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.empty && !level.inlined)
        newline();
    m_out << ']';
    if (m_levels.empty())
        m_out << '\n';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    raw(jsonString(name));
    m_out << ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    raw(jsonString(text));
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    raw(flag ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::null()
{
    raw("null");
    return *this;
}

JsonWriter& JsonWriter::value(int number)
{
    raw(std::to_string(number));
    return *this;
}

JsonWriter& JsonWriter::value(float number)
{
    raw(jsonNumber(number));
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    raw(jsonNumber(number));
    return *this;
}

JsonWriter& JsonWriter::value(Currency amount)
{
    raw(jsonNumber(amount));
    return *this;
}

} // namespace tallyman::cli
