// The ledger window: paste, delete, hand corrections, Clear All, totals, save on close.
#include "screens/ledger/ledger_window.h"

#include "ledger/year_ledger.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/user_info.h"

#include <algorithm>
#include <optional>

namespace tallyman {

namespace {

constexpr const char* Hint = "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
constexpr const char* SavePrompt = "     Do you want to save YTD";
constexpr const char* CloseGuard = "USE CLOSE INSTEAD";

constexpr auto GridColumns = LedgerOrder<&LedgerColumn::grid>;

// A result label as the number it shows: "$1,234.50" is 1234.5.
double labelNumber(const std::string& caption)
{
    std::string plain;
    std::copy_if(caption.begin(), caption.end(), std::back_inserter(plain),
        [](char c) { return c != '$' && c != ','; });
    return lenientNumber(plain);
}

Amount cellNumber(const std::string& text) { return toAmount(lenientNumber(text)); }

// A typed cell as an amount; nothing when its number lies beyond what an amount holds.
std::optional<Amount> typedAmount(const std::string& text)
{
    try {
        return cellNumber(text);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

// The amounts a row keeps that the grid does not show: a deleted row has none.
void clearUnshown(LedgerRow& row)
{
    for (const LedgerColumn& c : LedgerColumns)
        if (c.grid.at < 0)
            row.*c.value = 0;
}

constexpr const char* NonNumberMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

} // namespace

LedgerWindow::LedgerWindow(App& app)
    : m_app(app)
{
    setTitle("Year To Date");
    for (auto& line : lbHeader) {
        line[ColDate].setCaption("Week");
        for (const LedgerColumn* c : GridColumns)
            line[static_cast<std::size_t>(gridColumn(*c))].setCaption(c->grid.caption);
    }
    for (auto& hint : lbHint)
        hint.setCaption(Hint);
    for (int r = 0; r < LedgerGridRows; ++r) {
        ui::Label& week = Label2[static_cast<std::size_t>(r)];
        week.setCaption(std::to_string(r + 1));
        week.setToolTip("Click on a week number to paste in data.");
        week.onClick = [this, r] { PasteMe(r); };
        week.onRightClick = [this, r] { DeleteRow(r); };
    }
    for (const LedgerColumn& c : LedgerColumns) {
        const bool numeric = c.entry == LedgerEntry::Number;
        if (c.grid.at >= 0)
            for (ui::TextBox& box : amountCells[static_cast<std::size_t>(c.grid.at)])
                box.setNumeric(numeric);
        txtTot[ledgerIndex(c)].setNumeric(numeric);
        lbTotCaption[ledgerIndex(c)].setCaption(
            c.totalsTop.at >= 0 ? c.totalsTop.caption : c.totalsBottom.caption);
    }
    lbTotTitle.setCaption("TOTALS:");

    const auto wire = [](ui::CommandButton& button, const char* caption, std::function<void()> handler) {
        button.setCaption(caption);
        button.onClick = std::move(handler);
    };
    wire(mnuClose, "&Close", [this] { mnuClose_Click(); });
    wire(mnuPrint, "&Print", [this] { mnuPrint_Click(); });
    wire(mnuClear, "C&lear", {});
    wire(mnuClearAll, "&Clear All", [this] { mnuClearAll_Click(); });
    wire(mnuAdd, "&Add", [this] { mnuAdd_Click(); });
    wire(mnuExcel, "&Excel", [this] { mnuExcel_Click(); });
    wire(cmdBack, "&Close", [this] { cmdBack_Click(); });
    // Only the two Close commands close the window.
    onCloseRequested = [this] { m_app.message({ CloseGuard }); };
}

void LedgerWindow::load() { showCaptions(); }

void LedgerWindow::open()
{
    fillBoxes();
    if (Update())
        AddAnnual();
    showCaptions();
}

bool LedgerWindow::weeklyProfile() const { return paysWeekly(m_app.profile); }

bool LedgerWindow::weeklyInUse() const { return m_app.userInfo().optWeek.selected(); }

int LedgerWindow::rowsInUse(bool weekly) const { return weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows; }

int LedgerWindow::visibleRows() const { return weeklyProfile() ? LedgerGridRows : LedgerUpperBlockRows; }

bool LedgerWindow::editable(int column)
{
    return column != ColDate && GridColumns[static_cast<std::size_t>(column - 1)]->entry != LedgerEntry::None;
}

LedgerWindow::Column<ui::TextBox>& LedgerWindow::cells(Amount LedgerRow::*value)
{
    const int at = ledgerColumn(value).grid.at;
    if (at < 0)
        throw std::invalid_argument("the grid does not show this ledger column");
    return amountCells[static_cast<std::size_t>(at)];
}

ui::Control& LedgerWindow::cell(int row, int column)
{
    const auto r = static_cast<std::size_t>(row);
    if (column == ColDate)
        return txtDate[r];
    return amountCells[static_cast<std::size_t>(column - 1)][r];
}

const std::string& LedgerWindow::cellText(int row, int column) const
{
    const auto r = static_cast<std::size_t>(row);
    if (column == ColDate)
        return txtDate[r].text();
    return amountCells[static_cast<std::size_t>(column - 1)][r].text();
}

void LedgerWindow::setCellText(int row, int column, const std::string& text)
{
    const auto r = static_cast<std::size_t>(row);
    if (column == ColDate)
        txtDate[r].setText(text);
    else
        amountCells[static_cast<std::size_t>(column - 1)][r].setText(text);
}

void LedgerWindow::setAmountCells(int row, const std::string& text)
{
    for (int c = ColDate + 1; c < LedgerGridColumns; ++c)
        setCellText(row, c, text);
}

std::array<std::string, 5> LedgerWindow::deductionCaptions() const
{
    const EmployeeProfile& p = m_app.profile;
    return { p.Tax5, p.Tax6, p.Tax7, p.Tax8, p.Tax9 };
}

void LedgerWindow::showCaptions()
{
    const auto captions = deductionCaptions();
    const bool weekly = weeklyProfile();
    for (const LedgerColumn& c : LedgerColumns) {
        if (c.deduction < 0)
            continue;
        const std::string& caption = captions[static_cast<std::size_t>(c.deduction)];
        const auto column = static_cast<std::size_t>(gridColumn(c));
        lbHeader[0][column].setCaption(caption);
        // The lower header keeps the design texts when it is not shown.
        if (weekly)
            lbHeader[1][column].setCaption(caption);
        lbTotCaption[ledgerIndex(c)].setCaption(caption);
    }
    for (auto& label : lbHeader[1])
        label.setVisible(weekly);
    lbHint[1].setVisible(weekly);
    for (int r = LedgerUpperBlockRows; r < LedgerGridRows; ++r) {
        Label2[static_cast<std::size_t>(r)].setVisible(weekly);
        for (int c = 0; c < LedgerGridColumns; ++c)
            cell(r, c).setVisible(weekly);
    }
}

void LedgerWindow::showRow(int row, bool formatted)
{
    const LedgerRow& values = m_app.ledger.Rows[static_cast<std::size_t>(row)];
    setCellText(row, ColDate, values.Date);
    for (const LedgerColumn* c : GridColumns) {
        const Amount value = values.*c->value;
        setCellText(row, gridColumn(*c), formatted ? formatPlainCents(value) : exactText(value));
    }
}

void LedgerWindow::showTotals()
{
    for (const LedgerColumn& c : LedgerColumns)
        txtTot[ledgerIndex(c)].setText(formatPlainCents(ledgerTotal(m_app.ledger, c)));
}

void LedgerWindow::LoadAnnual()
{
    m_app.loadLedger();
    for (int r = 0; r < rowsInUse(weeklyProfile()); ++r)
        showRow(r, false);
    showCaptions();
}

void LedgerWindow::fillBoxes()
{
    LoadAnnual();
    for (int r = 0; r < rowsInUse(weeklyProfile()); ++r)
        showRow(r, true);
}

bool LedgerWindow::Update()
{
    // Read into a copy: a number too large for an amount leaves the record as it was.
    YearLedger l = m_app.ledger;
    const auto refuse = [this] {
        m_app.message({ NonNumberMessage });
        return false;
    };
    for (int r = 0; r < rowsInUse(weeklyInUse()); ++r) {
        LedgerRow& row = l.Rows[static_cast<std::size_t>(r)];
        row.Date = cellText(r, ColDate);
        for (const LedgerColumn* c : GridColumns) {
            const auto value = typedAmount(cellText(r, gridColumn(*c)));
            if (!value)
                return refuse();
            row.*c->value = *value;
        }
    }
    // An amount the money totals cannot hold is refused as one the row cannot hold: the
    // totals must stay the sums of the rows.
    if (YearLedger sums = l; !tallyman::AddAnnual(sums, weeklyProfile()))
        return refuse();
    // The stored totals as their boxes show them, overwritten by the recomputation that
    // follows; a box beyond the range is passed over.
    for (const LedgerColumn& c : LedgerColumns) {
        if (!totalStored(c))
            continue;
        const std::string& shown = txtTot[ledgerIndex(c)].text();
        if (!c.money()) {
            if (const auto value = typedAmount(shown))
                l.*c.amountTotal = *value;
            continue;
        }
        try {
            l.*c.moneyTotal = Currency::fromDouble(lenientNumber(shown));
        } catch (const NumberOverflow&) {
            // Beyond the money range: the recomputation that follows sets it anyway.
        }
    }
    m_app.ledger = std::move(l);
    return true;
}

bool LedgerWindow::AddAnnual()
{
    const bool added = tallyman::AddAnnual(m_app.ledger, weeklyProfile());
    if (!added)
        m_app.message({ NonNumberMessage });
    showTotals();
    return added;
}

void LedgerWindow::PasteMe(int row)
{
    if (row < 0 || row >= LedgerGridRows)
        return;
    MainWindow& main = m_app.mainWindow();
    if (!main.periodReady("pasted"))
        return;
    const PayResult& pay = m_app.pay;
    setCellText(row, ColDate, main.txtWeek.text());
    for (const LedgerColumn* c : GridColumns) {
        if (c->periodLabel < 0)
            continue;
        const std::string& caption = main.lbTaxDed[static_cast<std::size_t>(c->periodLabel)].text();
        // No calculation yet: the cell stays empty and counts as 0.
        setCellText(
            row, gridColumn(*c), caption.empty() ? std::string() : formatPlainCents(labelNumber(caption)));
    }
    setCellText(row, gridColumn(&LedgerRow::OT), formatPlainCents(pay.TotalOt));
    setCellText(row, gridColumn(&LedgerRow::Tips), formatPlainCents(pay.TotalTips));
    setCellText(row, gridColumn(&LedgerRow::Gross), formatPlainCents(pay.GrossPay));
    setCellText(row, gridColumn(&LedgerRow::Net), formatPlainCents(pay.NetPay));
    LedgerRow& values = m_app.ledger.Rows[static_cast<std::size_t>(row)];
    values.Sdi = cellNumber(formatPlainCents(labelNumber(main.lbSDI.text())));
    values.Sui = cellNumber(formatPlainCents(labelNumber(main.lbSUI.text())));
    values.Cafe = cellNumber(formatPlainCents(labelNumber(main.lbCafe.text())));
    if (Update())
        AddAnnual();
}

void LedgerWindow::DeleteRow(int row)
{
    if (row < 0 || row >= LedgerGridRows)
        return;
    setCellText(row, ColDate, "");
    setAmountCells(row, "0");
    clearUnshown(m_app.ledger.Rows[static_cast<std::size_t>(row)]);
    if (Update())
        AddAnnual();
}

void LedgerWindow::ClearAll()
{
    for (int r = 0; r < rowsInUse(weeklyProfile()); ++r) {
        setCellText(r, ColDate, "");
        setAmountCells(r, "0");
    }
    // The second line of totals starts again from 0.
    YearLedger& l = m_app.ledger;
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsBottom>) {
        if (c->money())
            l.*c->moneyTotal = Currency();
        else
            l.*c->amountTotal = 0;
    }
    for (LedgerRow& row : l.Rows)
        clearUnshown(row);
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::totalsBottom>)
        txtTot[ledgerIndex(*c)].setText("0");
    if (Update())
        AddAnnual();
}

bool LedgerWindow::SaveAnnual()
{
    if (!m_app.mayWrite())
        return false;
    // The grid as it stands is what is written: its rows, and totals that are their sums.
    if (!Update() || !AddAnnual())
        return false;
    const bool weekly = weeklyProfile();
    // Each amount as its cell shows it: the file carries the decimals the grid shows. A
    // number the file's reader would refuse is not written.
    for (int r = 0; r < rowsInUse(weekly); ++r)
        for (int c = ColDate + 1; c < LedgerGridColumns; ++c)
            if (!typedAmount(cellText(r, c))) {
                m_app.message({ NonNumberMessage });
                return false;
            }
    const auto cells = [this](std::size_t row, Amount LedgerRow::*value) {
        return lenientNumber(cellText(static_cast<int>(row), gridColumn(value)));
    };
    const auto path = ledgerFile(m_app.folder(), m_app.UserName, weekly);
    if (const auto problem = saveLedgerFile(path, m_app.ledger, weekly, cells)) {
        m_app.message({ "The year to date was not saved.", *problem }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    }
    return true;
}

void LedgerWindow::mnuAdd_Click()
{
    if (Update())
        AddAnnual();
}

void LedgerWindow::mnuClose_Click()
{
    const auto answer = m_app.message({ SavePrompt }, "Save?", ui::MessageButtons::YesNo);
    if (answer == ui::MessageAnswer::Yes) {
        // A refused entry or a failed save keeps the window open, so the year is not lost with it.
        if (!SaveAnnual())
            return;
    } else if (m_app.isLoaded(ScreenId::MainWindow)) {
        m_app.show(ScreenId::MainWindow);
    }
    m_app.close(ScreenId::Ledger);
}

} // namespace tallyman
