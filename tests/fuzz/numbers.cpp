// The lenient and strict conversions over any text, and the number texts and display formats:
// a value written and read back gives the same text again.
#include "fuzz_support.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"

#include <cmath>
#include <cstring>

using namespace tallyman;

namespace {

// A text numberText wrote reads back to a value that numberText writes the same way.
void textRoundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string wide = numberText(value);
    const auto wideBack = strictNumber(wide);
    FUZZ_CHECK(wideBack.has_value());
    FUZZ_CHECK(numberText(*wideBack) == wide);
    const float narrow = static_cast<float>(value);
    if (!std::isfinite(narrow))
        return;
    const std::string text = numberText(narrow);
    const auto back = strictNumber(text);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(numberText(static_cast<float>(*back)) == text);
}

// The money formats read back (strictly: "$" and thousands commas are taken) to the same text.
void formatRoundTrip(double value)
{
    formatPercent(value);
    formatZeroPaddedCents(value);
    if (!std::isfinite(value) || std::fabs(value) > 1e15)
        return;
    for (auto format : { formatCommaCents, formatDollarCents, formatPlainCents }) {
        const std::string text = format(value);
        const auto back = strictNumber(text);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(format(*back) == text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::bytesOf(data, size);
    const double lenient = lenientNumber(text);
    textRoundTrip(lenient);
    formatRoundTrip(lenient);
    if (const auto strict = strictNumber(text)) {
        textRoundTrip(*strict);
        formatRoundTrip(*strict);
    }
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        textRoundTrip(bits);
        formatRoundTrip(bits);
        float narrow = 0;
        std::memcpy(&narrow, data, sizeof narrow);
        textRoundTrip(narrow);
    }
    return 0;
}
