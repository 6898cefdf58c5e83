// A small JSON writer: objects, arrays, escaped strings and numbers that read back exactly.
#pragma once

#include "numbers/currency.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman::cli {

// The shortest text that reads back as the same float / double ("7.5", "0.1", "1e+30");
// "null" for values JSON cannot hold (infinities and NaN).
std::string jsonNumber(float value);
std::string jsonNumber(double value);
// The exact decimal of a currency amount, up to four places, no trailing zeros ("12.5").
std::string jsonNumber(Currency value);
// A quoted, escaped JSON string. Bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view utf8);

// Writes one JSON document, indented by two spaces. Arrays opened as inline keep their
// elements on one line ([1, 2, 3]), which suits the ten-row tables.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out)
        : m_out(out)
    { }

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray(bool inlined = false);
    JsonWriter& endArray();
    // The key of the next member of the open object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(bool flag);
    // The value JSON has for "none".
    JsonWriter& null();
    JsonWriter& value(int number);
    JsonWriter& value(short number) { return value(int(number)); }
    JsonWriter& value(float number);
    JsonWriter& value(double number);
    JsonWriter& value(Currency amount);

    // Shorthands for a member: key(name).value(v).
    template <typename T> JsonWriter& member(std::string_view name, const T& v) { return key(name).value(v); }

private:
    struct Level {
        bool array;
        bool inlined;
        bool empty = true;
    };
    void beforeValue();
    void raw(std::string_view token);
    void newline();

    std::ostream& m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

} // namespace tallyman::cli
