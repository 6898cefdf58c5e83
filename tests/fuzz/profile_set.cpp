// The profile file set (.use, .and, .cfe, .ovw or .ovb): loaded, saved, loaded and saved again;
// the two saves must agree, or a load does not read back what a save wrote.
#include "employee/profile_files.h"
#include "fuzz_support.h"
#include "support/user_records.h"

using namespace tallyman;

namespace {

using Loaded = test::UserRecords;

std::string savedBytes(const DataFolder& folder, Loaded& user)
{
    if (saveProfileFileSet(folder, "Out", user.set()))
        return "<refused>";
    std::string all;
    for (const char* ext : { ".use", ".and", ".cfe", ".ovw", ".ovb" })
        all += fuzz::readScratch(std::string("Out") + ext) + "|";
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::emptyScratch();
    const auto parts = fuzz::splitFiles(fuzz::bytesOf(data, size), 4);
    const char* const names[] = { "In.use", "In.and", "In.cfe", "In.ovw" };
    for (std::size_t i = 0; i < 4; ++i)
        if (parts.present[i])
            fuzz::writeScratch(names[i], parts.texts[i]);
    // The tracker file is read by the Week just read: give it both names.
    if (parts.present[3])
        fuzz::writeScratch("In.ovb", parts.texts[3]);

    const DataFolder folder(fuzz::scratchFolder());
    Loaded first;
    first.profile.resetToNewUser();
    auto set = first.set();
    loadProfileFileSet(folder, "In", set);
    const std::string once = savedBytes(folder, first);
    if (once == "<refused>")
        return 0;
    Loaded second;
    second.profile.resetToNewUser();
    auto again = second.set();
    FUZZ_CHECK(loadProfileFileSet(folder, "Out", again) == LoadOutcome::Loaded);
    FUZZ_CHECK(savedBytes(folder, second) == once);
    return 0;
}
