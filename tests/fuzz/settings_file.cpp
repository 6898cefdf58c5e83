// The state (.sta), city (.cti) or non-city (.nci) file, chosen at build time: loaded, and
// when it loads whole, saved and loaded again to the same bytes.
#include "fuzz_support.h"
#include "taxtables/settings_files.h"

using namespace tallyman;

namespace {

struct Records {
    StateTaxSettings state;
    EmployeeProfile profile;
    CityTaxSettings city;
    NonCitySettings nonCity;
};

SettingsLoad load(const std::filesystem::path& path, Records& r)
{
#if defined(FUZZ_STATE_FILE)
    return loadStateFile(path, r.state, r.profile);
#elif defined(FUZZ_CITY_FILE)
    return loadCityFile(path, r.city);
#else
    return loadNonCityFile(path, r.nonCity);
#endif
}

std::optional<std::string> save(const std::filesystem::path& path, const Records& r)
{
#if defined(FUZZ_STATE_FILE)
    return saveStateFile(path, r.state, r.profile);
#elif defined(FUZZ_CITY_FILE)
    return saveCityFile(path, r.city);
#else
    return saveNonCityFile(path, r.nonCity);
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::emptyScratch();
    fuzz::writeScratch("in", std::string(fuzz::bytesOf(data, size)));
    const auto dir = fuzz::scratchFolder();
    Records first;
    if (load(dir / "in", first) != SettingsLoad::Loaded)
        return 0;
    if (save(dir / "out", first))
        return 0;
    const std::string once = fuzz::readScratch("out");
    Records second;
    FUZZ_CHECK(load(dir / "out", second) == SettingsLoad::Loaded);
    FUZZ_CHECK(!save(dir / "out2", second));
    FUZZ_CHECK(fuzz::readScratch("out2") == once);
    return 0;
}
