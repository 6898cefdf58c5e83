// "Header.sav": one record of four text fields.
#include "employee/print_heading.h"

#include "storage/records.h"

namespace tallyman {

PrintHeading defaultHeadingTexts() { return { "Company", "Address", "Zip Code", "ID Number" }; }

void fillEmptyHeadingFields(PrintHeading& heading)
{
    const PrintHeading defaults = defaultHeadingTexts();
    for (auto [field, fallback] : { std::pair { &heading.Company, &defaults.Company },
             std::pair { &heading.CompanyAddress, &defaults.CompanyAddress },
             std::pair { &heading.CompanyZip, &defaults.CompanyZip },
             std::pair { &heading.CompanyId, &defaults.CompanyId } }) {
        if (field->empty())
            *field = *fallback;
    }
}

bool HeaderExists(const DataFolder& folder) { return fileExists(folder.file(HeaderFileName)); }

void LoadHeader(const DataFolder& folder, PrintHeading& heading)
{
    if (!HeaderExists(folder))
        return;
    const auto bytes = readWholeFile(folder.file(HeaderFileName));
    if (!bytes)
        return;
    records::RecordReader reader(*bytes);
    try {
        for (std::string* field :
            { &heading.Company, &heading.CompanyAddress, &heading.CompanyZip, &heading.CompanyId })
            *field = reader.text();
    } catch (const records::ReadError&) {
        // A short file keeps what it held; the rest of the heading stays as it was.
    }
}

std::optional<std::string> SaveHeader(const DataFolder& folder, const PrintHeading& heading)
{
    records::RecordWriter writer;
    try {
        writer.text(heading.Company)
            .text(heading.CompanyAddress)
            .text(heading.CompanyZip)
            .text(heading.CompanyId)
            .endRecord();
    } catch (const std::invalid_argument& error) {
        return std::string(error.what());
    }
    return writeFileAtomically(folder.file(HeaderFileName), writer.bytes());
}

} // namespace tallyman
