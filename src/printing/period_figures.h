// What the pay statement and the check stubs read of a period, and the amounts they derive.
#pragma once

#include "engine/pay_result.h"
#include "ledger/year_ledger.h"
#include "numbers/amount.h"
#include "platform/printer.h"

#include <array>
#include <string>
#include <vector>

namespace tallyman::printing {

// The main window's texts as they stand, the calculation's values, the profile's rates and
// captions, and the year ledger's totals.
struct PeriodFigures {
    std::array<std::string, 8> txtAmount; // the eight hour boxes
    bool opt1x = true; // O.T. at 1X; else 2X
    std::string txtWeek;
    std::array<std::string, 11> lbTaxDed;
    std::string lbSDI, lbSUI, lbCafe;
    std::string Label13, lbTaxes, lbDeduct, lbNet;
    PayResult pay;
    Amount HourRate = 0, HourRate2 = 0, TipsRate = 0;
    std::array<std::string, 5> captions; // Tax5 to Tax9
    YearLedger ledger;
};

// The amounts both printouts compute, each kept as a 32-bit value.
struct DerivedAmounts {
    Amount otRate = 0, otEarnings = 0; // O.T. at 1X or 2X
    Amount ot15Rate = 0, ot15Earnings = 0; // O.T. at 1.5X
    Amount MyTips = 0;
    Amount holiday = 0, vacation = 0;
    Amount ytdTaxes = 0, ytdDeductions = 0;
};

DerivedAmounts deriveAmounts(const PeriodFigures& figures);

// A year-to-date line of the statement and of the stubs: the caption, the period's amount as
// the main window shows it, and the year's total.
struct YtdLine {
    std::string caption;
    const std::string& current;
    double ytd;
};
std::vector<YtdLine> ytdLines(const PeriodFigures& figures);

// "###.00" and "#####.00" of a value.
std::string amountText(double value);
// A window field or label read as a number ("$1,234.50" -> "1234.50"); text that is no
// number prints as it stands.
std::string fieldAmount(const std::string& text);

// Prints line by line with every column shifted by the horizontal offset (never left of
// column 1). After the first failure nothing more is sent; finish() then closes the broken
// document without printing.
class Sheet {
public:
    explicit Sheet(ui::Printer& printer, int shift = 0);

    Sheet& font(int points);
    Sheet& at(int column, const std::string& text);
    // Ends the current line, then leaves `blank` more lines empty.
    Sheet& end(int blank = 0);
    Sheet& blankLines(int count);
    // A form: texts move left rather than be cut, and the next `lines` lines end on this page.
    Sheet& keepWhole();
    Sheet& fitLines(int lines);
    bool ok() const { return m_ok; }
    bool finish();

private:
    Sheet& step(bool done);

    ui::Printer& m_printer;
    int m_shift;
    bool m_ok = true;
};

} // namespace tallyman::printing
