// The leave log (".hol"): loaded, saved, loaded and saved again to the same bytes.
#include "trackers/leave_log.h"
#include "fuzz_support.h"

using namespace tallyman;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::emptyScratch();
    fuzz::writeScratch("In.hol", std::string(fuzz::bytesOf(data, size)));
    const DataFolder folder(fuzz::scratchFolder());
    LeaveLog first;
    loadLeaveLog(folder, "In", first);
    if (saveLeaveLog(folder, "Out", first))
        return 0;
    const std::string once = fuzz::readScratch("Out.hol");
    LeaveLog second;
    FUZZ_CHECK(loadLeaveLog(folder, "Out", second) == LeaveLoad::Loaded);
    FUZZ_CHECK(!saveLeaveLog(folder, "Out2", second));
    FUZZ_CHECK(fuzz::readScratch("Out2.hol") == once);
    return 0;
}
