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

// The grid's amount columns and the row field each one shows, Fed to Gross.
constexpr std::array<std::pair<int, Amount LedgerRow::*>, 15> AmountFields { {
    { ColFed, &LedgerRow::Fed },
    { ColSS, &LedgerRow::SS },
    { ColMedi, &LedgerRow::Medi },
    { ColState, &LedgerRow::State },
    { ColCity, &LedgerRow::City },
    { ColMuni, &LedgerRow::Muni },
    { ColBond, &LedgerRow::Bond },
    { ColDues, &LedgerRow::Dues },
    { ColPen, &LedgerRow::Pen },
    { ColMisc, &LedgerRow::Misc },
    { ColKplan, &LedgerRow::Kplan },
    { ColTips, &LedgerRow::Tips },
    { ColOT, &LedgerRow::OT },
    { ColNet, &LedgerRow::Net },
    { ColGross, &LedgerRow::Gross },
} };

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

constexpr const char* NonNumberMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

} // namespace

LedgerWindow::LedgerWindow(App& app)
    : m_app(app)
{
    setTitle("Year To Date");
    const std::array<const char*, LedgerColumnCount> headers { "Week", "Federal", "SS", "Medi", "State",
        "City", "MCU", "Bond", "Dues", "Pension", "H.I.", "K-Plan", "Tips", "OT", "Net", "Gross" };
    for (auto& line : lbHeader)
        for (int c = 0; c < LedgerColumnCount; ++c)
            line[static_cast<std::size_t>(c)].setCaption(headers[static_cast<std::size_t>(c)]);
    for (auto& hint : lbHint)
        hint.setCaption(Hint);
    for (int r = 0; r < LedgerGridRows; ++r) {
        ui::Label& week = Label2[static_cast<std::size_t>(r)];
        week.setCaption(std::to_string(r + 1));
        week.setToolTip("Click on a week number to paste in data.");
        week.onClick = [this, r] { PasteMe(r); };
        week.onRightClick = [this, r] { DeleteRow(r); };
        txtGross[static_cast<std::size_t>(r)].setNumeric(true);
        txtNet[static_cast<std::size_t>(r)].setNumeric(true);
    }
    txtTotGross.setNumeric(true);
    txtTotNet.setNumeric(true);
    const std::array<const char*, 14> totCaptions { "Federal", "SS", "Medi", "State", "City", "MCU", "Bond",
        "Dues", "Pension", "H.I.", "K-Plan", "OT", "Net", "Gross" };
    for (std::size_t i = 0; i < totCaptions.size(); ++i)
        lbTotCaption[i].setCaption(totCaptions[i]);
    lbTotTitle.setCaption("TOTALS:");
    const std::array<const char*, 4> second { "Cafeteria Plan:", "SDI:", "SUI:", "Tips:" };
    for (std::size_t i = 0; i < second.size(); ++i)
        lbTotCaption2[i].setCaption(second[i]);

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

bool LedgerWindow::weeklyProfile() const { return m_app.profile.Week == -1; }

bool LedgerWindow::weeklyInUse() const { return m_app.userInfo().optWeek.selected(); }

int LedgerWindow::rowsInUse(bool weekly) const { return weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows; }

int LedgerWindow::visibleRows() const { return weeklyProfile() ? LedgerGridRows : LedgerUpperBlockRows; }

bool LedgerWindow::editable(int column)
{
    return column == ColTips || column == ColNet || column == ColGross;
}

ui::Control& LedgerWindow::cell(int row, int column)
{
    const auto r = static_cast<std::size_t>(row);
    switch (column) {
    case ColTips:
        return txtTips[r];
    case ColNet:
        return txtGross[r];
    case ColGross:
        return txtNet[r];
    default:
        break;
    }
    static const std::array<Column<ui::Label> LedgerWindow::*, 14> labels { &LedgerWindow::txtDate,
        &LedgerWindow::txtFed, &LedgerWindow::txtSS, &LedgerWindow::txtMedi, &LedgerWindow::txtState,
        &LedgerWindow::txtCity, &LedgerWindow::txtMuni, &LedgerWindow::txtBond, &LedgerWindow::txtDues,
        &LedgerWindow::txtPen, &LedgerWindow::txtMisc, &LedgerWindow::txtKplan, nullptr,
        &LedgerWindow::txtOT };
    return (this->*labels[static_cast<std::size_t>(column)])[r];
}

const std::string& LedgerWindow::cellText(int row, int column) const
{
    auto& self = const_cast<LedgerWindow&>(*this);
    ui::Control& control = self.cell(row, column);
    if (editable(column))
        return static_cast<ui::TextBox&>(control).text();
    return static_cast<ui::Label&>(control).text();
}

void LedgerWindow::setCellText(int row, int column, const std::string& text)
{
    ui::Control& control = cell(row, column);
    if (editable(column))
        static_cast<ui::TextBox&>(control).setText(text);
    else
        static_cast<ui::Label&>(control).setText(text);
}

void LedgerWindow::setAmountCells(int row, const std::string& text)
{
    for (int c = ColFed; c < LedgerColumnCount; ++c)
        setCellText(row, c, text);
}

std::array<ui::TextBox*, 14> LedgerWindow::totalBoxes()
{
    return { &txtTotFed, &txtTotSS, &txtTotMedi, &txtTotState, &txtTotCity, &txtTotMuni, &txtTotBond,
        &txtTotDues, &txtTotPen, &txtTotMisc, &txtTotKplan, &txtTotOT, &txtTotGross, &txtTotNet };
}

void LedgerWindow::showCaptions()
{
    const EmployeeProfile& p = m_app.profile;
    const std::array<const std::string*, 5> captions { &p.Tax5, &p.Tax6, &p.Tax7, &p.Tax8, &p.Tax9 };
    const bool weekly = weeklyProfile();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        lbHeader[0][ColMuni + i].setCaption(*captions[i]);
        // The lower header keeps the design texts when it is not shown.
        if (weekly)
            lbHeader[1][ColMuni + i].setCaption(*captions[i]);
        lbTotCaption[5 + i].setCaption(*captions[i]);
    }
    for (auto& label : lbHeader[1])
        label.setVisible(weekly);
    lbHint[1].setVisible(weekly);
    for (int r = LedgerUpperBlockRows; r < LedgerGridRows; ++r) {
        Label2[static_cast<std::size_t>(r)].setVisible(weekly);
        for (int c = 0; c < LedgerColumnCount; ++c)
            cell(r, c).setVisible(weekly);
    }
}

void LedgerWindow::showRow(int row, bool formatted)
{
    const LedgerRow& values = m_app.ledger.Rows[static_cast<std::size_t>(row)];
    setCellText(row, ColDate, values.Date);
    for (const auto& [column, field] : AmountFields) {
        const Amount value = values.*field;
        setCellText(row, column, formatted ? formatPlainCents(value) : exactText(value));
    }
}

void LedgerWindow::showTotals()
{
    const YearLedger& l = m_app.ledger;
    const std::array<double, 14> totals { l.TotFed, l.TotSS, l.TotMedi, l.TotState, l.TotCity, l.TotMuni,
        l.TotBond, l.TotDues, l.TotPen, l.TotMisc, l.TotKplan, l.TotOT.toDouble(), l.TotNet.toDouble(),
        l.TotGross.toDouble() };
    const auto boxes = totalBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(formatPlainCents(totals[i]));
    txtTotCafe.setText(formatPlainCents(l.TotCafe));
    txtTotSdi.setText(formatPlainCents(l.TotSdi));
    txtTotSui.setText(formatPlainCents(l.TotSui));
    txtTotTips.setText(formatPlainCents(l.TotTips.toDouble()));
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
        for (const auto& [column, field] : AmountFields) {
            const auto value = typedAmount(cellText(r, column));
            if (!value)
                return refuse();
            row.*field = *value;
        }
    }
    // An amount the money totals cannot hold is refused as one the row cannot hold: the
    // totals must stay the sums of the rows.
    if (YearLedger sums = l; !tallyman::AddAnnual(sums, weeklyProfile()))
        return refuse();
    const std::array<Amount*, 11> floats { &l.TotFed, &l.TotSS, &l.TotMedi, &l.TotState, &l.TotCity,
        &l.TotMuni, &l.TotBond, &l.TotDues, &l.TotPen, &l.TotMisc, &l.TotKplan };
    const auto boxes = totalBoxes();
    for (std::size_t i = 0; i < floats.size(); ++i) {
        // Overwritten by the recomputation that follows; a box beyond the range is passed over.
        if (const auto value = typedAmount(boxes[i]->text()))
            *floats[i] = *value;
    }
    const std::array<std::pair<Currency*, const ui::TextBox*>, 4> money { { { &l.TotOT, &txtTotOT },
        { &l.TotTips, &txtTotTips }, { &l.TotGross, &txtTotNet }, { &l.TotNet, &txtTotGross } } };
    for (const auto& [total, box] : money) {
        try {
            *total = Currency::fromDouble(lenientNumber(box->text()));
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
    for (int k = 0; k < 11; ++k) {
        const std::string& caption = main.lbTaxDed[static_cast<std::size_t>(k)].text();
        // No calculation yet: the cell stays empty and counts as 0.
        setCellText(
            row, ColFed + k, caption.empty() ? std::string() : formatPlainCents(labelNumber(caption)));
    }
    setCellText(row, ColOT, formatPlainCents(pay.TotalOt));
    setCellText(row, ColTips, formatPlainCents(pay.TotalTips));
    setCellText(row, ColGross, formatPlainCents(pay.GrossPay));
    setCellText(row, ColNet, formatPlainCents(pay.NetPay));
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
    LedgerRow& values = m_app.ledger.Rows[static_cast<std::size_t>(row)];
    values.Sdi = values.Sui = values.Cafe = 0;
    if (Update())
        AddAnnual();
}

void LedgerWindow::ClearAll()
{
    for (int r = 0; r < rowsInUse(weeklyProfile()); ++r) {
        setCellText(r, ColDate, "");
        setAmountCells(r, "0");
    }
    YearLedger& l = m_app.ledger;
    l.TotSdi = l.TotSui = l.TotCafe = 0;
    l.TotTips = Currency();
    for (LedgerRow& row : l.Rows)
        row.Sdi = row.Sui = row.Cafe = 0;
    for (ui::TextBox* box : { &txtTotSdi, &txtTotSui, &txtTotCafe, &txtTotTips })
        box->setText("0");
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
    // Each amount as its cell shows it: the file carries the decimals the grid shows.
    std::array<LedgerCellValues, WeeklyLedgerRows> cells {};
    for (int r = 0; r < rowsInUse(weekly); ++r) {
        std::size_t k = 0;
        for (int column : { ColFed, ColSS, ColMedi, ColState, ColCity, ColMuni, ColBond, ColDues, ColPen,
                 ColMisc, ColKplan, ColOT, ColGross, ColNet, ColTips }) {
            // A number the file's reader would refuse is not written.
            if (!typedAmount(cellText(r, column))) {
                m_app.message({ NonNumberMessage });
                return false;
            }
            cells[static_cast<std::size_t>(r)][k++] = lenientNumber(cellText(r, column));
        }
    }
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

LedgerWindow::SheetTexts LedgerWindow::sheetTexts() const
{
    SheetTexts sheet;
    for (int r = 0; r < LedgerGridRows; ++r)
        for (int c = 0; c < LedgerColumnCount; ++c)
            sheet.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cellText(r, c);
    auto& self = const_cast<LedgerWindow&>(*this);
    const auto boxes = self.totalBoxes();
    // The sheet's total line runs Federal ... K-Plan, Tips, OT, Net, Gross.
    for (std::size_t i = 0; i < 11; ++i)
        sheet.totals[i] = boxes[i]->text();
    sheet.totals[11] = txtTotTips.text();
    sheet.totals[12] = txtTotOT.text();
    sheet.totals[13] = txtTotGross.text();
    sheet.totals[14] = txtTotNet.text();
    sheet.extra = { txtTotSdi.text(), txtTotSui.text(), txtTotCafe.text(), txtTotTips.text() };
    return sheet;
}

} // namespace tallyman
