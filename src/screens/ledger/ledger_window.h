// The year ledger window: the grid of pay periods, the totals under it, its menu and button.
#pragma once

#include "platform/controls.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyman {

class App;
struct LedgerSheet;

// Columns of the grid, left to right after the week number.
enum LedgerColumn : int {
    ColDate,
    ColFed,
    ColSS,
    ColMedi,
    ColState,
    ColCity,
    ColMuni,
    ColBond,
    ColDues,
    ColPen,
    ColMisc,
    ColKplan,
    ColTips,
    ColOT,
    ColNet,
    ColGross,
    LedgerColumnCount
};

inline constexpr int LedgerGridRows = 53;
// Rows 0-25 stand in the upper block, 26-52 in the lower one.
inline constexpr int LedgerUpperBlockRows = 26;

class LedgerWindow : public ui::Screen {
public:
    explicit LedgerWindow(App& app);

    template <typename C> using Column = ui::ControlArray<C, LedgerGridRows>;

    // The grid. txtNet shows gross pay and txtGross net pay: the names are crossed, the
    // captions and the data are not.
    Column<ui::Label> Label2; // the week numbers, clickable
    Column<ui::Label> txtDate, txtFed, txtSS, txtMedi, txtState, txtCity, txtMuni, txtBond, txtDues, txtPen,
        txtMisc, txtKplan, txtOT;
    Column<ui::TextBox> txtTips, txtGross, txtNet;
    // Header lines of the two blocks, one caption a column; and the hint under each block.
    std::array<ui::ControlArray<ui::Label, LedgerColumnCount>, 2> lbHeader;
    ui::ControlArray<ui::Label, 2> lbHint;

    // The totals under the grid; txtTotNet shows TotGross, txtTotGross TotNet.
    ui::TextBox txtTotFed, txtTotSS, txtTotMedi, txtTotState, txtTotCity, txtTotMuni, txtTotBond, txtTotDues,
        txtTotPen, txtTotMisc, txtTotKplan, txtTotOT, txtTotGross, txtTotNet;
    ui::TextBox txtTotCafe, txtTotSdi, txtTotSui, txtTotTips;
    // Captions over the first line of totals, in the order of the boxes above; the second line
    // starts with "TOTALS:".
    ui::ControlArray<ui::Label, 14> lbTotCaption;
    ui::Label lbTotTitle;
    ui::ControlArray<ui::Label, 4> lbTotCaption2; // "Cafeteria Plan:", "SDI:", "SUI:", "Tips:"

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

    // The sheet cells of the export, from the texts the grid and the totals show.
    struct SheetTexts {
        std::array<std::array<std::string, LedgerColumnCount>, LedgerGridRows> rows;
        std::array<std::string, LedgerColumnCount - 1> totals; // Federal ... Gross
        std::array<std::string, 4> extra; // SDI, SUI, Cafe, Tips
    };
    SheetTexts sheetTexts() const;
    // The export's sheet, and the workbook written to `path` (the reason when it was not).
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
    std::array<ui::TextBox*, 14> totalBoxes();

    App& m_app;
};

} // namespace tallyman
