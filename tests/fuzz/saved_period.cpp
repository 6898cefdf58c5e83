// A saved pay period (".prv"): loaded; a complete one saved, loaded and saved again to the same bytes.
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
    // A float the file's 7 digits cannot hold (41.577777) is saved as 41.57778: from the
    // first save on, what is loaded saves to the same bytes.
    const auto again = loadSavedPeriod(dir / "out.prv");
    FUZZ_CHECK(again.has_value() && again->size() == SavedPeriodValues);
    SavedPayPeriod reloaded;
    std::copy(again->begin(), again->end(), reloaded.values.begin());
    FUZZ_CHECK(savedPeriodBytes(reloaded) == fuzz::readScratch("out.prv"));
    return 0;
}
