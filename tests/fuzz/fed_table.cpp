// The federal table file in both layouts (the first byte chooses), then the brackets applied
// to a few pays: no crash, no undefined behaviour, whatever the table holds.
#include "engine/federal.h"
#include "fuzz_support.h"

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FedTable table;
    readFedTable(table, std::string(fuzz::bytesOf(data + 1, size - 1)),
        data[0] % 2 ? FedLayout::Legacy : FedLayout::Current);
    EmployeeProfile profile;
    profile.resetToNewUser();
    for (const short week : { short(-1), short(0) }) {
        profile.Week = week;
        profile.BiWeek = week == 0 ? -1 : 0;
        for (const float taxable : { 0.0f, 123.45f, 5000.0f, 1e9f }) {
            PayResult pay;
            pay.FedTaxable = taxable;
            // A bracket too large for an amount is the calculation's "too large to compute".
            try {
                GetFedSingle(table, profile, pay);
                GetFedMarried(table, profile, pay);
            } catch (const NumberOverflow&) { }
        }
    }
    return 0;
}
