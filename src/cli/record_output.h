// A record as JSON (every field under its name) or as aligned text for people.
#pragma once

#include "cli/json_writer.h"
#include "cli/record_fields.h"

#include <array>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tallyman::cli {

// Text of one value as files and boxes show it: numbers in their plain text, texts as they are.
std::string plainText(float value);
std::string plainText(double value);
std::string plainText(Currency value);
std::string plainText(short value);
std::string plainText(const std::string& value);

// Lines "Name  value", the names padded to one width.
void printAligned(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows);

// Columns of equal length side by side, headed by their names, each row led by its number:
// its index (a record's arrays), or from 1 as the screens number their rows.
struct TextColumn {
    std::string name;
    std::vector<std::string> cells;
};
void printColumns(std::ostream& out, const std::vector<TextColumn>& columns, int firstNumber = 0);

namespace detail {
inline void writeValue(JsonWriter& w, float v) { w.value(v); }
inline void writeValue(JsonWriter& w, double v) { w.value(v); }
inline void writeValue(JsonWriter& w, Currency v) { w.value(v); }
inline void writeValue(JsonWriter& w, short v) { w.value(v); }
inline void writeValue(JsonWriter& w, const std::string& v) { w.value(v); }
template <std::size_t N> void writeValue(JsonWriter& w, const std::array<Amount, N>& values)
{
    w.beginArray(true);
    for (Amount v : values)
        w.value(v);
    w.endArray();
}
} // namespace detail

template <typename Record> void writeRecord(JsonWriter& w, const Record& record)
{
    w.beginObject();
    visitFields(record, [&](const char* name, const auto& value) {
        w.key(name);
        detail::writeValue(w, value);
    });
    w.endObject();
}

// The record's tables (its row arrays) first, then its single fields.
template <typename Record> void printRecord(std::ostream& out, const Record& record)
{
    std::vector<TextColumn> columns;
    std::vector<std::pair<std::string, std::string>> rows;
    visitFields(record, [&](const char* name, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, StateRows> || std::is_same_v<T, NonCityRows>) {
            TextColumn column { name, {} };
            for (Amount v : value)
                column.cells.push_back(plainText(v));
            columns.push_back(std::move(column));
        } else {
            rows.emplace_back(name, plainText(value));
        }
    });
    if (!columns.empty()) {
        printColumns(out, columns);
        out << '\n';
    }
    printAligned(out, rows);
}

} // namespace tallyman::cli
