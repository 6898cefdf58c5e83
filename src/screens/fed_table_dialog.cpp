// The federal table dialog: what is in use, the shipped years, Install.
#include "screens/fed_table_dialog.h"

#include "engine/fed_year.h"
#include "numbers/formats.h"
#include "screens/app.h"

#include <algorithm>

namespace tallyman {

namespace {

std::string dollars(double amount)
{
    std::string text;
    formatDollarCents(amount, text);
    // Whole dollars: the wage bases are.
    if (text.size() > 3 && text.compare(text.size() - 3, 3, ".00") == 0)
        text.resize(text.size() - 3);
    return text;
}

} // namespace

FedTableDialog::FedTableDialog(App& app)
    : m_app(app)
{
    setTitle("Federal Table");
    cmdInstall.setCaption("&Install");
    cmdInstall.onClick = [this] { cmdInstall_Click(); };
    cmdClose.setCaption("&Close");
    cmdClose.onClick = [this] { cmdClose_Click(); };
    onCloseRequested = [this] { cmdClose_Click(); };
}

void FedTableDialog::load()
{
    std::vector<std::string> years;
    for (const int year : shippedFedYears(m_app.installedData()))
        years.push_back(std::to_string(year));
    std::reverse(years.begin(), years.end());
    cboYear.setItems(years);
    cboYear.setListIndex(years.empty() ? -1 : 0);
    cmdInstall.setEnabled(!years.empty());
    showInUse();
}

void FedTableDialog::showInUse()
{
    const FedTableInUse inUse = fedTableInUse(m_app.folder().dir(), m_app.installedData());
    if (!inUse.path) {
        lbVersion.setCaption(std::string(FedTableFileName) + " not found");
        lbFile.setCaption("");
        lbYear.setCaption("");
        lbWageBase.setCaption("");
        return;
    }
    lbFile.setCaption(inUse.path->string());
    if (inUse.read == FedTableRead::Refused) {
        lbVersion.setCaption("The file is corrupted: install a year to replace it.");
        lbYear.setCaption("");
        lbWageBase.setCaption("");
        return;
    }
    lbVersion.setCaption(inUse.table.Version);
    lbYear.setCaption(inUse.table.Year ? "Year " + std::to_string(inUse.table.Year->Year)
                                       : "No year: W-4 2019 or earlier only");
    std::string bases = "Social Security wage base " + dollars(inUse.wageBase());
    if (const auto threshold = inUse.additionalMedicareThreshold())
        bases += ", Additional Medicare above " + dollars(*threshold);
    lbWageBase.setCaption(bases);
}

bool FedTableDialog::cmdInstall_Click()
{
    const std::string year = cboYear.text();
    if (year.empty() || !std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; })
        || year.size() > 4) {
        m_app.message({ "Choose the year to install." });
        return false;
    }
    const FedInstall done = installFedYear(m_app.folder().dir(), m_app.installedData(), std::stoi(year));
    m_app.message(done.lines, ProgramTitle, ui::MessageButtons::Ok,
        done.installed ? ui::MessageIcon::None : ui::MessageIcon::Warning);
    showInUse();
    return done.installed;
}

void FedTableDialog::cmdClose_Click() { m_app.close(ScreenId::FedTable); }

} // namespace tallyman
