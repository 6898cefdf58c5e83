// The ledger workbook over libxlsxwriter: cells, colours, frozen header, one landscape page.
#include "ledger/ledger_workbook.h"

#include "ledger/ledger_columns.h"
#include "ledger/xlsx_library.h"
#include "numbers/number_text.h"
#include "platform/output_file.h"

#include <algorithm>
#include <memory>

namespace tallyman {

const char* const LedgerSheetNotice
    = "   Year to date from Tallyman. It holds a social security number: keep it private.";

namespace {

constexpr lxw_color_t Red = 0xFF0000;
constexpr lxw_color_t Blue = 0x0000FF;

// Texts as the sheet's XML can hold them: invalid UTF-8 and control characters are dropped
// (a name pasted from somewhere must not make the workbook unreadable).
std::string sheetText(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            ++i;
            continue;
        }
        if (length > 1 || c >= 0x20 || c == '\t')
            out.append(text, i, length);
        i += length;
    }
    return out;
}

// Header and footer texts: "&" starts a code there, so a literal one is doubled; the
// format holds 255 characters at most.
std::string headerFooterText(const std::string& text)
{
    std::string out;
    for (char c : sheetText(text)) {
        if (c == '&')
            out += '&';
        out += c;
    }
    return out.substr(0, 200);
}

// An amount text that reads wholly as a number goes in as that number, so the sheet can add
// it up; two decimals shown stay shown.
bool numberCell(const std::string& text, double& value, bool& twoDecimals)
{
    if (text.empty() || text.find_first_not_of("0123456789.- ") != std::string::npos)
        return false;
    const auto number = strictNumber(text);
    if (!number)
        return false;
    value = *number;
    const auto point = text.find('.');
    twoDecimals = point != std::string::npos && text.size() - point == 3;
    return true;
}

struct Book {
    const XlsxLibrary& x;
    lxw_workbook* book = nullptr;
    ~Book()
    {
        if (book)
            x.workbook_close(book);
    }
};

} // namespace

std::string ledgerStatusText(const LedgerSheet& sheet)
{
    return "File: " + sheet.userName + "   " + sheet.ssNumber + LedgerSheetNotice;
}

LedgerSheetRows ledgerSheetRows(bool weekly)
{
    return weekly ? LedgerSheetRows { 55, 57, 58 } : LedgerSheetRows { 29, 32, 33 };
}

std::optional<std::string> writeLedgerWorkbook(const std::filesystem::path& path, const LedgerSheet& sheet)
{
    const std::string cannot = "cannot write " + path.string() + ": ";
    if (const auto problem = outputFileProblem(path))
        return cannot + *problem;
    std::string whyNot;
    const XlsxLibrary* library = xlsxLibrary(whyNot);
    if (!library)
        return whyNot;
    const XlsxLibrary& x = *library;
    // Private from its first byte: it holds a social security number.
    auto output = OutputFile::create(path, whyNot);
    if (!output)
        return cannot + whyNot;
    const std::string temporary = output->temporary().string();

    Book b { x };
    b.book = x.workbook_new(temporary.c_str());
    if (!b.book)
        return "cannot create " + path.string();
    lxw_worksheet* ws = x.workbook_add_worksheet(b.book, "Year to Date");

    const auto format = [&](bool bold, lxw_color_t color, bool cents) {
        lxw_format* f = x.workbook_add_format(b.book);
        if (bold)
            x.format_set_bold(f);
        if (color != LXW_COLOR_BLACK)
            x.format_set_font_color(f, color);
        if (cents)
            x.format_set_num_format(f, "0.00");
        return f;
    };
    constexpr int Columns = 1 + static_cast<int>(LedgerSheetAmounts);
    std::array<std::size_t, Columns> widths {};
    const auto put
        = [&](int row, int column, const std::string& raw, bool bold, lxw_color_t color, bool amount) {
              const std::string text = sheetText(raw);
              auto& width = widths[static_cast<std::size_t>(column)];
              width = std::max(width, text.size());
              double value = 0;
              bool cents = false;
              const auto r = static_cast<lxw_row_t>(row - 1);
              const auto c = static_cast<lxw_col_t>(column);
              if (text.empty()) {
                  if (bold || color != LXW_COLOR_BLACK)
                      x.worksheet_write_blank(ws, r, c, format(bold, color, false));
              } else if (amount && numberCell(text, value, cents)) {
                  x.worksheet_write_number(ws, r, c, value,
                      bold || color != LXW_COLOR_BLACK || cents ? format(bold, color, cents) : nullptr);
              } else {
                  x.worksheet_write_string(ws, r, c, text.c_str(),
                      bold || color != LXW_COLOR_BLACK ? format(bold, color, false) : nullptr);
              }
          };

    put(1, 0, "Date", true, Red, false);
    for (const LedgerColumn* column : LedgerOrder<&LedgerColumn::sheet>) {
        const std::string caption = column->deduction >= 0
            ? sheet.captions[static_cast<std::size_t>(column->deduction)]
            : std::string(column->sheet.caption);
        put(1, 1 + column->sheet.at, caption, true, Red, false);
    }
    for (std::size_t i = 0; i < sheet.rows.size(); ++i)
        for (int c = 0; c < Columns; ++c)
            put(static_cast<int>(i) + 2, c, sheet.rows[i][static_cast<std::size_t>(c)], false,
                LXW_COLOR_BLACK, c > 0);
    const LedgerSheetRows rows = ledgerSheetRows(sheet.weekly);
    put(rows.totals, 0, "TOTALS=", true, Blue, false);
    for (int c = 1; c < Columns; ++c)
        put(rows.totals, c, sheet.totals[static_cast<std::size_t>(c - 1)], true, Blue, true);
    // The labelled totals stand from the third column, with a blank cell on either side.
    constexpr int FirstExtra = 2;
    constexpr int Extras = static_cast<int>(LedgerSheetExtras);
    for (int c = 0; c <= FirstExtra + Extras; ++c) {
        const bool extra = c >= FirstExtra && c < FirstExtra + Extras;
        const auto at = static_cast<std::size_t>(c - FirstExtra);
        const LedgerColumn* column = extra ? LedgerOrder<&LedgerColumn::sheetExtra>[at] : nullptr;
        put(rows.labels, c, column ? column->sheetExtra.caption : "", true, Red, false);
        put(rows.values, c, column ? sheet.extra[at] : "", false, Blue, true);
    }

    for (int c = 0; c < Columns; ++c) {
        // Fitted to the longest text, as a spreadsheet's autofit would.
        const double width
            = static_cast<double>(std::max<std::size_t>(widths[static_cast<std::size_t>(c)], 4)) + 2;
        x.worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
    }
    x.worksheet_freeze_panes(ws, 1, 0);
    x.worksheet_set_selection(ws, 0, 0, 0, 0);
    x.worksheet_set_landscape(ws);
    x.worksheet_fit_to_pages(ws, 1, 1);
    x.worksheet_set_margins(ws, 0.25, 0.25, 0.75, 0.75);
    x.worksheet_center_horizontally(ws);
    x.worksheet_center_vertically(ws);
    lxw_header_footer_options margins {};
    margins.margin = 0.3;
    const std::string header = "&C" + headerFooterText("Year to Date: " + sheet.userName);
    const std::string footer = "&L&D&CPage &P of &N&R" + headerFooterText(LedgerSheetNotice);
    x.worksheet_set_header_opt(ws, header.c_str(), &margins);
    x.worksheet_set_footer_opt(ws, footer.c_str(), &margins);

    const std::string status = sheetText(ledgerStatusText(sheet));
    lxw_doc_properties properties {};
    properties.title = const_cast<char*>(status.c_str());
    properties.comments = const_cast<char*>(status.c_str());
    x.workbook_set_properties(b.book, &properties);

    const lxw_error closed = x.workbook_close(b.book);
    b.book = nullptr;
    if (closed != LXW_NO_ERROR)
        return cannot + x.lxw_strerror(closed); // the temporary goes with `output`
    if (const auto problem = output->commit())
        return cannot + *problem;
    return std::nullopt;
}

} // namespace tallyman
