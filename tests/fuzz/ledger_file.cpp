// The year ledger (.yrw when the first byte is even, .yrb when odd): loaded, then when the
// totals can be recomputed, saved and loaded again to the same bytes.
#include "fuzz_support.h"
#include "ledger/year_ledger.h"

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool weekly = data[0] % 2 == 0;
    fuzz::emptyScratch();
    fuzz::writeScratch("in", std::string(fuzz::bytesOf(data + 1, size - 1)));
    const auto dir = fuzz::scratchFolder();
    YearLedger first;
    loadLedgerFile(dir / "in", first, weekly);
    if (!AddAnnual(first, weekly) || saveLedgerFile(dir / "out", first, weekly))
        return 0;
    const std::string once = fuzz::readScratch("out");
    YearLedger second;
    FUZZ_CHECK(loadLedgerFile(dir / "out", second, weekly) == LedgerLoad::Loaded);
    FUZZ_CHECK(AddAnnual(second, weekly));
    FUZZ_CHECK(!saveLedgerFile(dir / "out2", second, weekly));
    FUZZ_CHECK(fuzz::readScratch("out2") == once);
    return 0;
}
