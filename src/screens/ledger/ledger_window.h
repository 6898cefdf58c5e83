// The year ledger window: the grid of pay periods, the totals under it, its menu and button.
#pragma once

#include "ledger/ledger_columns.h"
#include "platform/controls.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyman {

class App;
struct LedgerSheet;

// Columns of the grid, left to right after the week number: the date, then the ledger's
// columns that the grid shows, in the grid's order.
inline constexpr int ColDate = 0;
inline constexpr int LedgerGridColumns = 1 + static_cast<int>(LedgerGridAmounts);
constexpr int gridColumn(const LedgerColumn& column) { return 1 + column.grid.at; }
constexpr int gridColumn(Amount LedgerRow::*value) { return gridColumn(ledgerColumn(value)); }

inline constexpr int LedgerGridRows = 53;
// Rows 0-25 stand in the upper block, 26-52 in the lower one.
inline constexpr int LedgerUpperBlockRows = 26;

class LedgerWindow : public ui::Screen {
public:
    explicit LedgerWindow(App& app);

    template <typename C> using Column = ui::ControlArray<C, LedgerGridRows>;

    // The grid: the dates, and the amount cells of each grid column after the date. Only the
    // columns the ledger table lets the person type into take typing.
    Column<ui::Label> Label2; // the week numbers, clickable
    Column<ui::Label> txtDate;
    std::array<Column<ui::TextBox>, LedgerGridAmounts> amountCells;
    // Header lines of the two blocks, one caption a column; and the hint under each block.
    std::array<ui::ControlArray<ui::Label, LedgerGridColumns>, 2> lbHeader;
    ui::ControlArray<ui::Label, 2> lbHint;

    // The totals under the grid: a box and its caption for every ledger column, in the ledger
    // table's order, on the line the table gives; the second line starts with "TOTALS:".
    ui::ControlArray<ui::TextBox, LedgerColumnCount> txtTot;
    ui::ControlArray<ui::Label, LedgerColumnCount> lbTotCaption;
    ui::Label lbTotTitle;

    // The cells of a column the grid shows, the box of a column's total and its caption.
    Column<ui::TextBox>& cells(Amount LedgerRow::*value);
    ui::TextBox& totalBox(Amount LedgerRow::*value) { return txtTot[ledgerIndex(ledgerColumn(value))]; }
    ui::Label& totalCaption(Amount LedgerRow::*value)
    {
        return lbTotCaption[ledgerIndex(ledgerColumn(value))];
    }

    // Menu bar and button.
    ui::CommandButton mnuClose, mnuPrint, mnuClear, mnuClearAll, mnuAdd, mnuExcel, cmdBack;

    // Opening: the ledger loaded into the grid with the profile's captions.
    void load();
    // Opening from the main window, also when the window is already open.
    void open();

    // The cell of `row` in `column`, and whether the person may type into it.
    ui::Control& cell(int row, int column);
    const std::string& cellText(int row, int column) const;
    static bool editable(int column);
    // How many rows the window shows: 53 weekly, 26 bi-weekly (the 27th is kept, not shown).
    int visibleRows() const;

    void PasteMe(int row);
    void DeleteRow(int row);
    // False, after the message, when a cell holds a number too large for an amount; the
    // record is then left as it was.
    bool Update();
    void ClearAll();
    void fillBoxes();
    // The totals from the rows; false after the message when they cannot hold the sums.
    bool AddAnnual();
    // The grid into the record (Update), the totals, then the file. False after its message
    // when an entry was refused or the file could not be written; nothing is written then.
    bool SaveAnnual();
    void LoadAnnual();

    void mnuClose_Click();
    void mnuPrint_Click();
    void mnuClearAll_Click() { ClearAll(); }
    void mnuAdd_Click();
    void mnuExcel_Click();
    void cmdBack_Click() { mnuClose_Click(); }

    // The export's sheet, from the texts the grid and the totals show, and the workbook
    // written to `path` (the reason when it was not).
    LedgerSheet sheet() const;
    std::optional<std::string> exportTo(const std::filesystem::path& path) const;

private:
    bool weeklyInUse() const; // the User Info screen's "Weekly" option
    bool weeklyProfile() const; // the profile flag
    int rowsInUse(bool weekly) const;
    void showCaptions();
    void showRow(int row, bool formatted);
    void showTotals();
    void setCellText(int row, int column, const std::string& text);
    void setAmountCells(int row, const std::string& text);
    std::array<std::string, 5> deductionCaptions() const; // the profile's Tax5 ... Tax9

    App& m_app;
};

} // namespace tallyman
