// Writing and reading plain number texts.
#include "numbers/number_text.h"

#include "numbers/decimal.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tallyman {

namespace {

std::string plainText(double value, int significant)
{
    if (std::isnan(value))
        return "0";
    if (std::isinf(value))
        return value < 0 ? "-1E+308" : "1E+308";
    const auto d = detail::toDecimal(value, significant);
    if (d.digits.empty())
        return "0";
    const std::string sign = d.negative ? "-" : "";
    const int exponent = d.intDigits - 1;
    if (exponent < -5 || exponent >= significant) {
        // Exponent form: mantissa without trailing zeros, "E+07".
        std::string mantissa = d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            mantissa += "." + d.digits.substr(1);
        std::string exp = std::to_string(std::abs(exponent));
        if (exp.size() < 2)
            exp.insert(0, "0");
        return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + exp;
    }
    std::string integer = detail::integerDigits(d);
    if (integer.empty())
        integer = "0";
    std::string fraction;
    const int fractionLength = static_cast<int>(d.digits.size()) - d.intDigits;
    if (fractionLength > 0)
        fraction = "." + detail::fractionDigits(d, fractionLength);
    return sign + integer + fraction;
}

// Length of the number at the start of `s` ([sign] digits [. digits] [exponent]); 0 when none.
std::size_t numberPrefix(std::string_view s, bool allowCommas)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size()
        && (std::isdigit(static_cast<unsigned char>(s[i])) || (allowCommas && digits > 0 && s[i] == ','))) {
        if (s[i] != ',')
            ++digits;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++digits;
            ++i;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t start = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            ++j;
        if (j > start)
            i = j;
    }
    return i;
}

// The text of a number as from_chars takes it: no thousands commas, no plus sign, "D" as
// exponent mark read as "E". Nothing when the text is absurdly long.
std::optional<std::string> chargeable(std::string_view s)
{
    std::string text;
    if (s.size() > 128)
        return std::nullopt;
    for (char c : s) {
        if (c == ',' || (c == '+' && text.empty()))
            continue;
        text += (c == 'd' || c == 'D') ? 'e' : c;
    }
    return text;
}

double parseNumber(std::string_view s)
{
    const auto text = chargeable(s);
    if (!text)
        return std::strtod(std::string(s).c_str(), nullptr); // absurdly long: the slow way
    // from_chars reads the nearest double, as strtod does, without its locale and cost.
    double value = 0;
    const auto result = std::from_chars(text->data(), text->data() + text->size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return std::strtod(text->c_str(), nullptr); // infinity or zero, as strtod gives
    return value;
}

// Straight to the nearest float: going through a double first rounds twice, and a few
// texts then land one unit off.
float parseFloat(std::string_view s)
{
    const auto text = chargeable(s);
    float value = 0;
    const auto result = text ? std::from_chars(text->data(), text->data() + text->size(), value)
                             : std::from_chars_result { nullptr, std::errc::result_out_of_range };
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the largest float, or below the smallest: tell the two apart by the double.
        const double wide = parseNumber(s);
        if (std::fabs(wide) >= 1)
            return wide < 0 ? -HUGE_VALF : HUGE_VALF;
        return std::signbit(wide) ? -0.0f : 0.0f;
    }
    return value;
}

// The body of a strict number text: surrounding spaces and a currency sign after the
// optional sign removed; empty when the text is not one number.
std::string strictBody(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string body(text);
    // "-$3.00" and "$3.00": a currency sign after the optional sign is accepted.
    const std::size_t signLength = (!body.empty() && (body[0] == '-' || body[0] == '+')) ? 1 : 0;
    if (body.size() > signLength && body[signLength] == '$')
        body.erase(signLength, 1);
    const auto length = numberPrefix(body, true);
    if (length == 0 || length != body.size())
        return {};
    return body;
}

} // namespace

std::string numberText(float value) { return plainText(value, 7); }

std::string numberText(double value)
{
    // The largest doubles round up past the largest double at 15 digits, to a text nothing
    // reads back: they are cut to the largest 15-digit number below it instead.
    constexpr double LargestFifteenDigits = 1.79769313486231e308;
    if (std::isfinite(value) && std::fabs(value) > LargestFifteenDigits)
        return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    return plainText(value, 15);
}

std::string numberText(int value) { return std::to_string(value); }

std::string roundTripText(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string exactText(float value)
{
    std::string text = numberText(value);
    // Read back without the C library, whose reading follows the desktop's decimal comma.
    if (strictFloat(text) != value)
        text = roundTripText(value);
    return text;
}

double lenientNumber(std::string_view text)
{
    // The text without its blanks, on the stack when it is as short as an entry box's text.
    char buffer[64];
    std::string longText;
    char* out = buffer;
    if (text.size() > sizeof buffer) {
        longText.resize(text.size());
        out = longText.data();
    }
    std::size_t size = 0;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            out[size++] = c;
    const std::string_view compact(out, size);
    const auto length = numberPrefix(compact, false);
    return length == 0 ? 0.0 : parseNumber(compact.substr(0, length));
}

std::optional<double> strictNumber(std::string_view text)
{
    const std::string body = strictBody(text);
    if (body.empty())
        return std::nullopt;
    const double value = parseNumber(body);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> strictFloat(std::string_view text)
{
    const std::string body = strictBody(text);
    if (body.empty())
        return std::nullopt;
    const float value = parseFloat(body);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tallyman
