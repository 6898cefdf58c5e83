// A saved pay period (".prv"): loaded; a complete one saved and loaded again to the same values.
#include "trackers/saved_period.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::emptyScratch();
    fuzz::writeScratch("in.prv", std::string(fuzz::bytesOf(data, size)));
    const auto dir = fuzz::scratchFolder();
    const auto values = loadSavedPeriod(dir / "in.prv");
    FUZZ_CHECK(values.has_value());
    FUZZ_CHECK(values->size() <= SavedPeriodValues);
    if (values->size() != SavedPeriodValues)
        return 0;
    SavedPayPeriod period;
    std::copy(values->begin(), values->end(), period.values.begin());
    if (saveSavedPeriod(dir / "out.prv", period))
        return 0;
    const auto again = loadSavedPeriod(dir / "out.prv");
    FUZZ_CHECK(again.has_value() && again->size() == SavedPeriodValues);
    FUZZ_CHECK(std::equal(again->begin(), again->end(), period.values.begin(),
        [](Amount a, Amount b) { return a == b || (a != a && b != b); }));
    return 0;
}
