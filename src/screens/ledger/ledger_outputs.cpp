// The ledger window's two outputs: the printout and the spreadsheet export.
#include "screens/ledger/ledger_window.h"

#include "ledger/ledger_workbook.h"
#include "platform/output_file.h"
#include "printing/ledger_printout.h"
#include "screens/app.h"

#include <chrono>
#include <ctime>
#include <system_error>

namespace tallyman {

namespace {

// "Smith year to date 2026-12-09 154210.xlsx": each export a new file, so a workbook still
// open in the spreadsheet application is never written over.
std::string exportName(const std::string& user, int attempt)
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local {};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    std::string name = (user.empty() ? std::string() : user + " ") + "year to date " + stamp;
    if (attempt > 1)
        name += " (" + std::to_string(attempt) + ")";
    return name + ".xlsx";
}

} // namespace

void LedgerWindow::mnuPrint_Click()
{
    ui::Printer& printer = m_app.printer();
    if (!printer.choosePrinter()) {
        if (!printer.failure().empty())
            m_app.message({ "The ledger was not printed.", printer.failure() }, ProgramTitle,
                ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }
    if (HeaderExists(m_app.folder()))
        LoadHeader(m_app.folder(), m_app.heading);
    // Dates print as M/D/YYYY: a longer desktop form would wrap in the date column.
    YearLedger printed = m_app.ledger;
    for (LedgerRow& row : printed.Rows)
        row.Date = m_app.printedDate(row.Date);
    const LedgerPrintout printout { printed, weeklyProfile(), m_app.heading, m_app.UserName,
        m_app.todayPrinted(), deductionCaptions() };
    if (!PrintYr(printer, printout)) {
        const std::string why
            = printer.failure().empty() ? "The printer reported an error." : printer.failure();
        m_app.message({ "The ledger printout was abandoned.", why }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
    }
}

LedgerSheet LedgerWindow::sheet() const
{
    LedgerSheet sheet;
    sheet.weekly = weeklyProfile();
    sheet.captions = deductionCaptions();
    const int rows = sheet.weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows;
    sheet.rows.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        auto& texts = sheet.rows[static_cast<std::size_t>(r)];
        texts[0] = cellText(r, ColDate);
        for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::sheet>)
            texts[static_cast<std::size_t>(1 + c->sheet.at)] = cellText(r, gridColumn(*c));
    }
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::sheet>)
        sheet.totals[static_cast<std::size_t>(c->sheet.at)] = txtTot[ledgerIndex(*c)].text();
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::sheetExtra>)
        sheet.extra[static_cast<std::size_t>(c->sheetExtra.at)] = txtTot[ledgerIndex(*c)].text();
    sheet.userName = m_app.UserName;
    sheet.ssNumber = m_app.profile.SSnum;
    return sheet;
}

std::optional<std::string> LedgerWindow::exportTo(const std::filesystem::path& path) const
{
    return writeLedgerWorkbook(path, sheet());
}

void LedgerWindow::mnuExcel_Click()
{
    // A folder of the program's own, closed to others: the workbook holds an SS number.
    // A link there could lead anywhere, and would be closed to others (or written into)
    // wherever it leads: only a real folder of the user's own is used.
    const auto folder = m_app.folder().dir() / "Spreadsheets";
    if (const auto problem = preparePrivateFolder(folder)) {
        m_app.message({ "The year to date was not exported.", *problem }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }
    std::error_code ec;
    std::filesystem::path path;
    for (int attempt = 1; path.empty() || std::filesystem::exists(path, ec); ++attempt)
        path = folder / exportName(m_app.UserName, attempt);
    if (const auto problem = exportTo(path)) {
        m_app.message({ "The year to date was not exported.", *problem }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }
    if (m_app.dialogs().openWithDesktop(path.string()))
        return;
    // No spreadsheet application took it: the person may keep the file where they like.
    const auto chosen = m_app.dialogs().saveFileAs(
        "Save the year to date", path.filename().string(), "Spreadsheets (*.xlsx)|*.xlsx");
    if (!chosen) {
        // The copy left behind holds the Social Security number: the person learns where it is.
        m_app.message({ "The workbook was left in " + path.string() + ".",
                          "It holds the Social Security number: delete it when it is no longer needed." },
            ProgramTitle);
        return;
    }
    // A copy as private and as whole as the export itself, never written through a device.
    const auto bytes = readWholeFile(path);
    const auto problem
        = bytes ? writeOutputFile(*chosen, *bytes) : std::optional<std::string>("it cannot be read back");
    if (problem)
        m_app.message({ "The workbook was not saved as " + *chosen + ".", *problem }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

} // namespace tallyman
