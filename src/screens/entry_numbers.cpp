// Strict and lenient reading of typed numbers, with the messages that name the field.
#include "screens/entry_numbers.h"

#include "numbers/number_text.h"
#include "storage/codepage.h"

#include <algorithm>
#include <string>

namespace tallyman {

std::optional<Amount> strictAmount(std::string_view text)
{
    const auto value = strictNumber(text);
    if (!value)
        return std::nullopt;
    try {
        return toAmount(*value);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

std::optional<short> strictInt16(std::string_view text)
{
    const auto value = strictNumber(text);
    if (!value)
        return std::nullopt;
    try {
        return toInt16(*value);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

std::optional<Amount> lenientAmount(std::string_view text)
{
    try {
        return toAmount(lenientNumber(text));
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

std::optional<std::string> strictAmountProblem(std::string_view text, std::string_view field)
{
    if (!strictNumber(text))
        return std::string(field) + " must be a number.";
    if (!strictAmount(text))
        return std::string(field) + " is too large.";
    return std::nullopt;
}

std::optional<std::string> strictInt16Problem(std::string_view text, std::string_view field)
{
    if (!strictNumber(text))
        return std::string(field) + " must be a number.";
    if (!strictInt16(text))
        return std::string(field) + " is too large.";
    return std::nullopt;
}

std::optional<std::string> lenientAmountProblem(std::string_view text, std::string_view field)
{
    if (!lenientAmount(text))
        return std::string(field) + " is too large.";
    return std::nullopt;
}

std::optional<std::string> storableTextProblem(std::string_view text, std::string_view field)
{
    // The record that holds the text is one line between two double quotes.
    const auto breaksTheRecord = [](char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; };
    if (std::any_of(text.begin(), text.end(), breaksTheRecord))
        return std::string(field) + " cannot contain a double quote, a tab or a line break.";
    if (!records::isStorableText(text))
        return std::string(field) + " can hold only Western European characters.";
    return std::nullopt;
}

std::optional<std::string> storableCharacterProblem(std::string_view text, std::string_view field)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        // One whole character of the UTF-8 text.
        const std::size_t length = lead < 0x80 ? 1
            : lead >= 0xF0                     ? 4
            : lead >= 0xE0                     ? 3
            : lead >= 0xC0                     ? 2
                                               : 1;
        const std::string_view character = text.substr(at, length);
        at += length;
        std::string named;
        if (lead == '"')
            named = "the double quote (\")";
        else if (lead == '\t')
            named = "a tab";
        else if (lead == '\r' || lead == '\n')
            named = "a line break";
        else if (lead < 0x20)
            named = "a control character";
        else if (!records::isStorableText(character))
            named = "the character \"" + std::string(character) + "\"";
        else
            continue;
        return std::string(field) + " cannot hold " + named
            + ": a data file takes Western European characters only, without double quotes, tabs or line "
              "breaks.";
    }
    return std::nullopt;
}

} // namespace tallyman
