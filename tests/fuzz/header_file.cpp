// "Header.sav", the print heading shared by every user: loaded, saved and loaded again.
#include "employee/print_heading.h"
#include "fuzz_support.h"

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::emptyScratch();
    fuzz::writeScratch(HeaderFileName, std::string(fuzz::bytesOf(data, size)));
    const DataFolder folder(fuzz::scratchFolder());
    PrintHeading first;
    LoadHeader(folder, first);
    if (SaveHeader(folder, first))
        return 0;
    const std::string once = fuzz::readScratch(HeaderFileName);
    PrintHeading second;
    LoadHeader(folder, second);
    FUZZ_CHECK(second.Company == first.Company && second.CompanyAddress == first.CompanyAddress
        && second.CompanyZip == first.CompanyZip && second.CompanyId == first.CompanyId);
    FUZZ_CHECK(!SaveHeader(folder, second));
    FUZZ_CHECK(fuzz::readScratch(HeaderFileName) == once);
    return 0;
}
