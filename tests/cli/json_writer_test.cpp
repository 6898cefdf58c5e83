// The JSON writer: escaping, numbers that read back exactly, layout.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

using namespace tallyman;
using namespace tallyman::cli;

TEST(JsonString, EscapesWhatJsonRequires)
{
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        { "plain", "\"plain\"" }, { "say \"hi\"", "\"say \\\"hi\\\"\"" }, { "C:\\dir", "\"C:\\\\dir\"" },
        { "a\nb\tc\r", "\"a\\nb\\tc\\r\"" }, { std::string("\x01\x1f", 2), "\"\\u0001\\u001f\"" },
        { "Zoë €5", "\"Zoë €5\"" },
        { "bad \xE9 byte", "\"bad \\ufffd byte\"" }, // Windows-1252 é is not UTF-8
        { "cut \xE2\x82", "\"cut \\ufffd\\ufffd\"" }, // a sequence cut short
        { "\xC0\xAF", "\"\\ufffd\\ufffd\"" }, // overlong "/"
        { "\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\"" }, // a surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(jsonString(c.in), c.out) << c.in;
}

TEST(JsonNumber, FloatsReadBackAsTheSameFloat)
{
    for (float v : { 7.5f, 0.1f, 1234.56f, 0.0525f, 16777217.0f, 999999.0f, -0.01f, 1e-7f, 3.4e38f, 0.0f }) {
        const std::string text = jsonNumber(v);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
    }
    EXPECT_EQ(jsonNumber(7.5f), "7.5");
    EXPECT_EQ(jsonNumber(0.1f), "0.1"); // not 0.100000001
    EXPECT_EQ(jsonNumber(1234.56f), "1234.56");
}

TEST(JsonNumber, DoublesReadBackAsTheSameDouble)
{
    for (double v : { 0.1 + 0.2, 123.45, 1.0 / 3.0, -2.5e-10, 0.0 }) {
        const std::string text = jsonNumber(v);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
    }
    EXPECT_EQ(jsonNumber(0.1 + 0.2), "0.30000000000000004");
}

TEST(JsonNumber, NonFiniteValuesAreNull)
{
    EXPECT_EQ(jsonNumber(std::numeric_limits<float>::infinity()), "null");
    EXPECT_EQ(jsonNumber(std::nan("")), "null");
}

TEST(JsonNumber, CurrencyIsItsExactDecimal)
{
    struct Case {
        std::int64_t units;
        const char* text;
    };
    const Case cases[] = {
        { 0, "0" },
        { 125000, "12.5" },
        { 10001, "1.0001" },
        { -30000, "-3" },
        { -5, "-0.0005" },
        { std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808" },
        { std::numeric_limits<std::int64_t>::max(), "922337203685477.5807" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(jsonNumber(Currency::fromUnits(c.units)), c.text) << c.units;
}

TEST(JsonWriter, NestsObjectsAndArraysWithIndentation)
{
    std::ostringstream out;
    JsonWriter w(out);
    w.beginObject();
    w.member("user", "Smith");
    w.key("rows").beginArray(true).value(1).value(2.5f).endArray();
    w.key("empty").beginArray().endArray();
    w.key("messages").beginArray();
    w.beginObject().member("title", "Save?").key("lines").beginArray(true).value("a").endArray().endObject();
    w.endArray();
    w.member("flag", true);
    w.endObject();
    EXPECT_EQ(out.str(),
        "{\n"
        "  \"user\": \"Smith\",\n"
        "  \"rows\": [1, 2.5],\n"
        "  \"empty\": [],\n"
        "  \"messages\": [\n"
        "    {\n"
        "      \"title\": \"Save?\",\n"
        "      \"lines\": [\"a\"]\n"
        "    }\n"
        "  ],\n"
        "  \"flag\": true\n"
        "}\n");
}
