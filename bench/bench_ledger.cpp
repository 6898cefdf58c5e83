// Timing of the year ledger: opening the window on 53 filled weeks, and the export of the year.
#include "cli/run.h"
#include "ledger/year_ledger.h"
#include "platform/plain_clock.h"
#include "platform/recording_printer.h"
#include "platform/scripted_dialogs.h"
#include "screens/app.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

using namespace tallyman;

namespace {

// A user with a full weekly year on disk, in a folder removed at exit.
class FullYear {
public:
    FullYear()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
        std::filesystem::copy_file(
            std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt", m_path / "Federal24.dtt");
        std::ostringstream out, err;
        if (cli::run({ "--dir", m_path.string(), "user", "new", "Bench" }, out, err) != 0)
            throw std::runtime_error("cannot make the user: " + err.str());
        YearLedger year;
        for (int i = 0; i < WeeklyLedgerRows; ++i) {
            LedgerRow& row = year.Rows[static_cast<std::size_t>(i)];
            row = { std::to_string(i % 12 + 1) + "/5/2024", 84.94f, 53.32f, 12.47f, 36.3f, 26.8f, 10, 5.5f, 3,
                0, 0, 12, 193.5f, 1053.5f, 779.82f, 1.2f, 0.5f, 3, 12.25f };
        }
        AddAnnual(year, true);
        saveLedgerFile(m_path / "Bench.yrw", year, true);
    }
    ~FullYear() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Confirms the start-up prompt; every other modal screen is closed at once.
class StartHost : public ScreenHost {
public:
    App* app = nullptr;
    void runModal(ScreenId id) override
    {
        if (id == ScreenId::StartupPrompt) {
            app->startupPrompt().txtUser.setText("Bench");
            app->startupPrompt().OKButton.click();
        }
    }
};

struct Session {
    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock { ui::Date { 2026, 12, 9 } };
    ui::RecordingPrinter printer;
    StartHost host;
    App app;
    explicit Session(const std::filesystem::path& dir)
        : app(AppServices { dialogs, clock, printer, host, DataFolder(dir), {} })
    {
        host.app = &app;
        app.start();
    }
};

const FullYear& year()
{
    static FullYear full;
    return full;
}

// The Year to Date button: the ledger read, the grid filled with 53 weeks, the totals.
void BM_OpenLedgerWindow(benchmark::State& state)
{
    Session session(year().path());
    for (auto _ : state) {
        session.app.mainWindow().cmdYear_Click();
        benchmark::DoNotOptimize(session.app.ledgerWindow().totalBox(&LedgerRow::Gross).text());
        session.app.close(ScreenId::Ledger);
        session.app.releaseClosedScreens();
    }
}
BENCHMARK(BM_OpenLedgerWindow)->Unit(benchmark::kMillisecond);

// The workbook of a full year written to disk.
void BM_ExportYear(benchmark::State& state)
{
    Session session(year().path());
    session.app.mainWindow().cmdYear_Click();
    const auto book = year().path() / "year.xlsx";
    for (auto _ : state)
        if (session.app.ledgerWindow().exportTo(book))
            state.SkipWithError("the export failed");
}
BENCHMARK(BM_ExportYear)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
