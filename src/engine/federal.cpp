// Federal table files and the percentage-method brackets.
#include "engine/federal.h"

#include "engine/fed_year.h"
#include "storage/fileset.h"
#include "storage/records.h"

#include <cmath>
#include <ctime>
#include <mutex>

namespace tallyman {

namespace {

constexpr std::size_t LastRow = 7; // the open-ended row of the table record

// One table of the file: row 1 without BaseTax, the bounded rows, the open-ended row
// without NotOver, then one field nobody reads.
void readRows(records::RecordReader& reader, FedRows& rows, FedLayout layout)
{
    const std::size_t bounded = layout == FedLayout::Current ? 7 : 5;
    for (std::size_t r = 0; r < bounded; ++r) {
        FedRow& row = rows[r];
        row.Over = reader.float32();
        row.NotOver = reader.float32();
        row.ExcessOver = reader.float32();
        row.Rate = reader.float32();
        if (r > 0)
            row.BaseTax = reader.float32();
    }
    FedRow& last = rows[LastRow];
    last.Over = reader.float32();
    last.ExcessOver = reader.float32();
    last.Rate = reader.float32();
    last.BaseTax = reader.float32();
    reader.text();
}

void evaluateRows(const FedRows& rows, PayResult& pay)
{
    const Amount taxable = pay.FedTaxable;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const FedRow& row = rows[r];
        const bool applies
            = r == LastRow ? row.Over <= taxable : row.Over <= taxable && taxable < row.NotOver;
        if (!applies)
            continue;
        double tax = (double(taxable) - double(row.ExcessOver)) * double(row.Rate);
        if (r > 0)
            tax += double(row.BaseTax);
        pay.FedTax = toAmount(tax);
    }
}

void evaluate(const FedRows& biWeekly, const FedRows& weekly, const EmployeeProfile& profile, PayResult& pay)
{
    if (profile.BiWeek != 0)
        evaluateRows(biWeekly, pay);
    if (profile.Week != 0)
        evaluateRows(weekly, pay);
}

// An amount of the year's fields: finite (the strict reader saw to that), not negative, of
// ordinary size.
bool ordinary(double value) { return value >= 0 && value <= 1e9; }

// The year after the 177 fields. Nothing there, or anything but the marker, is a table without
// its year; after the marker every field must be there and the schedules consistent.
bool readYear(records::RecordReader& reader, FedTable& table)
{
    if (reader.atEnd())
        return true;
    try {
        if (reader.text() != FedYearMarker)
            return true;
    } catch (const records::ReadError&) {
        return true;
    }
    reader.setNonNumber(records::NonNumber::Fails);
    FedYear y;
    try {
        const double year = reader.float64();
        if (!(year >= 1900 && year <= 9999 && year == std::floor(year)))
            return false;
        y.Year = static_cast<int>(year);
        for (double* value : { &y.WageBase, &y.AddlMedicareThreshold, &y.AddlMedicareRate, &y.Allowance,
                 &y.Line1gMarried, &y.Line1gOther })
            if (!ordinary(*value = reader.float64()))
                return false;
        for (auto* schedules : { &y.Standard, &y.Step2 })
            for (AnnualSchedule& schedule : *schedules) {
                for (AnnualRow& row : schedule) {
                    row.AtLeast = reader.float64();
                    row.Base = reader.float64();
                    row.Rate = reader.float64();
                    if (!ordinary(row.AtLeast) || !ordinary(row.Base) || !(row.Rate >= 0 && row.Rate < 1))
                        return false;
                }
                if (scheduleProblem(schedule))
                    return false;
            }
    } catch (const records::ReadError&) {
        return false;
    }
    if (y.AddlMedicareRate >= 1)
        return false;
    table.Year = y;
    return true;
}

// The table file parsed last, kept so that an unchanged file is not parsed again.
struct LastParse {
    std::filesystem::path dir; // the folder it was found in
    std::filesystem::path path;
    FedLayout layout;
    FileStamp stamp;
    FedTable table;
    FedTableRead outcome;
    long long readAt; // nanoseconds, the clock file times are taken from

    // A file changed in place within the tick of the file system's clock keeps its time, so
    // a stamp is trusted only once the file's time lies clearly before the read.
    bool settled() const
    {
        constexpr long long Margin = 50'000'000;
        return stamp.modifiedSeconds * 1'000'000'000LL + stamp.modifiedNanoseconds + Margin < readAt;
    }
};

long long realTimeNow()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

std::optional<LastParse>& lastParse()
{
    static std::optional<LastParse> last;
    return last;
}

std::mutex& lastParseMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::size_t parses = 0; // under lastParseMutex

} // namespace

std::optional<std::filesystem::path> locateFedTable(const FedTableFolders& folders, std::string_view fileName)
{
    for (const auto* dir : { &folders.dataDir, &folders.installedDir }) {
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
    return Notice { "Tallyman",
        { "   Operation Failed ! ! !", "Save and Open, Only in Folder", "where Tallyman 2024 was installed",
            "Contact QUORVAN SOFTWARE", "support@tallyman.app" },
        true };
}

FedTableRead readFedTable(FedTable& table, std::string bytes, FedLayout layout)
{
    table.clearNumbers();
    const std::string oldVersion = table.Version;
    records::RecordReader reader(std::move(bytes), records::NonNumber::WordsReadAsZero);
    try {
        readRows(reader, table.SingleBiWeekly, layout);
        readRows(reader, table.SingleWeekly, layout);
        readRows(reader, table.MarriedBiWeekly, layout);
        readRows(reader, table.MarriedWeekly, layout);
        for (Amount& allowance : table.SingleAllowance)
            allowance = reader.float32();
        for (Amount& allowance : table.MarriedAllowance)
            allowance = reader.float32();
        table.Version = reader.text();
    } catch (const records::FileEndsEarly&) {
        // What was read stands, the rest stays 0.
        return FedTableRead::Short;
    } catch (const records::ReadError&) {
        table.clearNumbers();
        table.Version = oldVersion;
        return FedTableRead::Refused;
    }
    if (layout == FedLayout::Current && !readYear(reader, table)) {
        table.clearNumbers();
        table.Version = oldVersion;
        return FedTableRead::Refused;
    }
    return FedTableRead::Complete;
}

Notice fedTableCorruptNotice(const std::filesystem::path& path)
{
    return Notice { "Tallyman", corruptFileLines(path.string()), false };
}

bool LoadFedTable(
    FedTable& table, bool ckFedJan, const FedTableFolders& folders, std::vector<Notice>& notices)
{
    const std::string_view fileName = ckFedJan ? FedJanTableFileName : FedTableFileName;
    const FedLayout layout = ckFedJan ? FedLayout::Legacy : FedLayout::Current;

    const std::lock_guard guard(lastParseMutex());
    std::optional<LastParse>& last = lastParse();
    std::optional<StampedRead> read;
    std::filesystem::path path;
    const long long readAt = realTimeNow();
    for (const auto* dir : { &folders.dataDir, &folders.installedDir }) {
        if (dir->empty())
            continue;
        // The file parsed last is asked for its stamp by the path already made.
        const bool same
            = last && last->layout == layout && last->dir.native() == dir->native() && last->settled();
        path = same ? last->path : DataFolder(*dir).file(fileName);
        read = readFileUnlessUnchanged(path, same ? std::optional(last->stamp) : std::nullopt);
        if (read) {
            if (read->bytes) {
                ++parses;
                FedTable parsed;
                const FedTableRead outcome = readFedTable(parsed, std::move(*read->bytes), layout);
                last = LastParse { *dir, path, layout, read->stamp, std::move(parsed), outcome, readAt };
            }
            break;
        }
    }
    // The file may vanish between the test and the read; that is the same failure.
    if (!read) {
        table.clearNumbers();
        notices.push_back(fedTableMissingNotice());
        return false;
    }
    if (last->outcome == FedTableRead::Complete) {
        table = last->table;
        return true;
    }
    // A file that does not reach its version text leaves the version shown before.
    std::string version = std::move(table.Version);
    table = last->table;
    table.Version = std::move(version);
    if (last->outcome == FedTableRead::Refused) {
        notices.push_back(fedTableCorruptNotice(last->path));
        return false;
    }
    return true;
}

std::size_t fedTableParseCount()
{
    const std::lock_guard guard(lastParseMutex());
    return parses;
}

void GetFedSingle(const FedTable& table, const EmployeeProfile& profile, PayResult& pay)
{
    evaluate(table.SingleBiWeekly, table.SingleWeekly, profile, pay);
}

void GetFedMarried(const FedTable& table, const EmployeeProfile& profile, PayResult& pay)
{
    evaluate(table.MarriedBiWeekly, table.MarriedWeekly, profile, pay);
}

} // namespace tallyman
