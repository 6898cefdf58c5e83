// Federal table files and the percentage-method brackets.
#include "engine/federal.h"

#include "storage/fileset.h"
#include "storage/records.h"

namespace tallyman {

namespace {

constexpr std::size_t LastRow = 7; // the open-ended row of the table record

// One table of the file: row 1 without BaseTax, the bounded rows, the open-ended row
// without NotOver, then one field nobody reads.
void readRows(records::RecordReader &reader, FedRows &rows, FedLayout layout)
{
    const std::size_t bounded = layout == FedLayout::Current ? 7 : 5;
    for (std::size_t r = 0; r < bounded; ++r) {
        FedRow &row = rows[r];
        row.Over = reader.float32();
        row.NotOver = reader.float32();
        row.ExcessOver = reader.float32();
        row.Rate = reader.float32();
        if (r > 0)
            row.BaseTax = reader.float32();
    }
    FedRow &last = rows[LastRow];
    last.Over = reader.float32();
    last.ExcessOver = reader.float32();
    last.Rate = reader.float32();
    last.BaseTax = reader.float32();
    reader.text();
}

bool foundOrWarn(const FedTableFolders &folders, std::string_view fileName, std::vector<Notice> &notices)
{
    if (locateFedTable(folders, fileName))
        return true;
    notices.push_back(fedTableMissingNotice());
    return false;
}

void evaluateRows(const FedRows &rows, PayResult &pay)
{
    const Amount taxable = pay.FedTaxable;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const FedRow &row = rows[r];
        const bool applies = r == LastRow ? row.Over <= taxable : row.Over <= taxable && taxable < row.NotOver;
        if (!applies)
            continue;
        double tax = (double(taxable) - double(row.ExcessOver)) * double(row.Rate);
        if (r > 0)
            tax += double(row.BaseTax);
        pay.FedTax = toAmount(tax);
    }
}

void evaluate(const FedRows &biWeekly, const FedRows &weekly, const EmployeeProfile &profile, PayResult &pay)
{
    if (profile.BiWeek != 0)
        evaluateRows(biWeekly, pay);
    if (profile.Week != 0)
        evaluateRows(weekly, pay);
}

} // namespace

std::optional<std::filesystem::path> locateFedTable(const FedTableFolders &folders, std::string_view fileName)
{
    for (const auto *dir : {&folders.dataDir, &folders.installedDir}) {
        if (dir->empty())
            continue;
        const auto path = DataFolder(*dir).file(fileName);
        if (fileExists(path))
            return path;
    }
    return std::nullopt;
}

Notice fedTableMissingNotice()
{
    return Notice{"Tallyman",
        {"   Operation Failed ! ! !", "Save and Open, Only in Folder", "where Tallyman 2024 was installed",
            "Contact QUORVAN SOFTWARE", "support@tallyman.app"},
        true};
}

bool FedTableFound(const FedTableFolders &folders, std::vector<Notice> &notices)
{
    return foundOrWarn(folders, FedTableFileName, notices);
}

bool FedJanTableFound(const FedTableFolders &folders, std::vector<Notice> &notices)
{
    return foundOrWarn(folders, FedJanTableFileName, notices);
}

void readFedTable(FedTable &table, std::string bytes, FedLayout layout)
{
    table.clearNumbers();
    records::RecordReader reader(std::move(bytes), records::NonNumber::ReadsAsZero);
    try {
        readRows(reader, table.SingleBiWeekly, layout);
        readRows(reader, table.SingleWeekly, layout);
        readRows(reader, table.MarriedBiWeekly, layout);
        readRows(reader, table.MarriedWeekly, layout);
        for (Amount &allowance : table.SingleAllowance)
            allowance = reader.float32();
        for (Amount &allowance : table.MarriedAllowance)
            allowance = reader.float32();
        table.Version = reader.text();
    } catch (const records::ReadError &) {
        // The file ended early: what was read stands, the rest stays 0.
    }
}

bool LoadFedTable(FedTable &table, bool ckFedJan, const FedTableFolders &folders, std::vector<Notice> &notices)
{
    table.clearNumbers();
    const std::string_view fileName = ckFedJan ? FedJanTableFileName : FedTableFileName;
    const auto path = locateFedTable(folders, fileName);
    // The file may vanish between the test and the read; that is the same failure.
    auto bytes = path ? readWholeFile(*path) : std::nullopt;
    if (!bytes) {
        notices.push_back(fedTableMissingNotice());
        return false;
    }
    readFedTable(table, std::move(*bytes), ckFedJan ? FedLayout::Legacy : FedLayout::Current);
    return true;
}

void GetFedSingle(const FedTable &table, const EmployeeProfile &profile, PayResult &pay)
{
    evaluate(table.SingleBiWeekly, table.SingleWeekly, profile, pay);
}

void GetFedMarried(const FedTable &table, const EmployeeProfile &profile, PayResult &pay)
{
    evaluate(table.MarriedBiWeekly, table.MarriedWeekly, profile, pay);
}

} // namespace tallyman
