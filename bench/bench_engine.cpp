// Timing of one pay period and of the federal table load.
#include "engine/calculation.h"
#include "engine/federal.h"
#include "storage/fileset.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace tallyman;

namespace {

// A data folder holding the shipped table, removed at exit.
class TableFolder {
public:
    TableFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
        std::filesystem::copy_file(
            std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt", m_path / "Federal24.dtt");
    }
    ~TableFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A bi-weekly married employee with overtime, health insurance, a K-plan, a cafeteria plan,
// a two-row state table and SDI on a wage base.
struct Period {
    TableFolder folder;
    std::array<std::string, 8> txtAmount {};
    EmployeeProfile profile;
    StateTaxSettings state;
    CityTaxSettings city;
    NonCitySettings nonCity;
    std::array<std::string, 6> stateBoxes { "1.1", "153000", "0", "0", "0", "0" };
    FedTable fedTable;
    PayResult pay;
    UtahWork utah;
    CalcLabels labels;
    std::vector<Notice> notices;
    CalcContext context { txtAmount, true, false, profile, state, city, nonCity, stateBoxes, {},
        { folder.path(), {} }, fedTable, pay, utah, labels, notices, {} };

    Period()
    {
        profile.resetToNewUser();
        profile.Week = 0;
        profile.BiWeek = -1;
        profile.HourRate = 22.5f;
        profile.FedStatus = "Married";
        profile.FedExemptions = "2";
        profile.StateStatus = "Married";
        profile.StateExemptions = 2;
        profile.Misc = 48.25f;
        profile.Kplan = 5;
        profile.Cafe = 20;
        profile.Dues = 12.5f;
        state.StateMinBM.fill(999999);
        state.StateMinBM[0] = 0;
        state.StatePerBM[0] = 0.02f;
        state.StateMinBM[1] = 1000;
        state.StateAmtBM[1] = 20;
        state.StatePerBM[1] = 0.045f;
        state.StateMarExp.fill(40);
        state.SDIUseBase = 1;
        state.SDIpercent = 1.1f;
        state.SDIwageBase = 153000;
        city.CityMinBS.fill(999999);
        city.CityMinBM.fill(999999);
        context.ledger.TotGross = Currency::fromDouble(24500);
    }
    void enterHours()
    {
        txtAmount = { "80", "", "", "4", "", "", "", "" };
        notices.clear();
    }
};

void BM_CalcuLate(benchmark::State& s)
{
    Period p;
    for (auto _ : s) {
        p.enterHours();
        benchmark::DoNotOptimize(Calcu_late(p.context));
    }
    if (!p.notices.empty() || p.labels.lbNet.empty())
        s.SkipWithError("the period was not computed");
}
BENCHMARK(BM_CalcuLate);

// The same period without reading the table file: the table stays loaded.
void BM_computePayPeriod(benchmark::State& s)
{
    Period p;
    LoadFedTable(p.fedTable, false, p.context.fedFolders, p.notices);
    for (auto _ : s) {
        p.enterHours();
        benchmark::DoNotOptimize(computePayPeriod(p.context));
    }
    if (!p.notices.empty() || p.labels.lbNet.empty())
        s.SkipWithError("the period was not computed");
}
BENCHMARK(BM_computePayPeriod);

void BM_LoadFedTable(benchmark::State& s)
{
    TableFolder folder;
    FedTable table;
    std::vector<Notice> notices;
    for (auto _ : s)
        benchmark::DoNotOptimize(LoadFedTable(table, false, { folder.path(), {} }, notices));
    if (!notices.empty())
        s.SkipWithError("the table was not found");
}
BENCHMARK(BM_LoadFedTable);

// Parsing alone, from bytes already in memory.
void BM_readFedTable(benchmark::State& s)
{
    const std::string bytes = *readWholeFile(std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt");
    FedTable table;
    for (auto _ : s) {
        readFedTable(table, bytes, FedLayout::Current);
        benchmark::DoNotOptimize(table.MarriedAllowance[9]);
    }
}
BENCHMARK(BM_readFedTable);

} // namespace

BENCHMARK_MAIN();
