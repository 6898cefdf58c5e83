// Saved pay periods: their file names, their 26 records, and the ones a user has.
#include "trackers/saved_period.h"

#include "storage/codepage.h"
#include "storage/records.h"

#include <algorithm>
#include <system_error>

namespace tallyman {

using records::NonNumber;
using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

namespace {

constexpr std::string_view Separator = "  ";

} // namespace

std::optional<std::string> weekTextProblem(std::string_view weekText)
{
    // The same characters a user name may not hold, less "/", which the name turns into "_".
    static constexpr std::string_view Refused = "\\:*?\"<>|";
    for (char c : weekText) {
        if (Refused.find(c) != std::string_view::npos)
            return std::string("The week ending cannot contain the character ") + c + " in a file name.";
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "The week ending cannot contain control characters in a file name.";
    }
    const auto singleBytes = records::toWindows1252(weekText);
    if (!singleBytes)
        return "The week ending can hold only Western European letters in a file name.";
    if (singleBytes->size() > 200) // characters, one byte each in the code page
        return "The week ending is limited to 200 characters in a file name.";
    return std::nullopt;
}

std::string savedPeriodFileName(std::string_view weekText, std::string_view userName)
{
    std::string name(weekText);
    std::replace(name.begin(), name.end(), '/', '_');
    return name + std::string(Separator) + std::string(userName) + SavedPeriodExtension;
}

std::string weekTextOfFileName(std::string_view fileName)
{
    std::string week(fileName.substr(0, fileName.find(Separator)));
    if (week.size() == fileName.size() && week.size() >= 4 && week.ends_with(SavedPeriodExtension))
        week.resize(week.size() - 4);
    std::replace(week.begin(), week.end(), '_', '/');
    return week;
}

std::string savedPeriodBytes(const SavedPayPeriod& period)
{
    RecordWriter w;
    for (Amount value : period.values)
        w.float32(value).endRecord();
    return w.bytes();
}

std::optional<std::string> saveSavedPeriod(const std::filesystem::path& path, const SavedPayPeriod& period)
{
    return writeFileAtomically(path, savedPeriodBytes(period));
}

std::optional<std::vector<Amount>> loadSavedPeriod(const std::filesystem::path& path)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    std::vector<Amount> values;
    RecordReader r(*bytes, NonNumber::Fails);
    try {
        while (values.size() < SavedPeriodValues)
            values.push_back(r.float32());
    } catch (const ReadError&) {
        // What was read so far is restored.
    }
    return values;
}

std::vector<std::string> savedPeriodFiles(const DataFolder& folder, std::string_view userName)
{
    const std::string suffix = std::string(Separator) + std::string(userName) + SavedPeriodExtension;
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.dir(), error)) {
        const std::string name = entry.path().filename().string();
        // "a  b.prv" belongs to user b, not to a user "  b" whose own name ends the same way.
        if (name.size() > suffix.size() && name.ends_with(suffix) && entry.is_regular_file(error)
            && name.substr(0, name.size() - suffix.size()).find(Separator) == std::string::npos)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tallyman
