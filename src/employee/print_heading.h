// The employer's heading printed on the pay statement and the ledger printout ("Header.sav").
#pragma once

#include "storage/fileset.h"

#include <optional>
#include <string>

namespace tallyman {

// Shared by every user: one file, not tied to UserName.
struct PrintHeading {
    std::string Company;
    std::string CompanyAddress;
    std::string CompanyZip;
    std::string CompanyId;
};

inline constexpr const char* HeaderFileName = "Header.sav";

// The texts the heading dialog shows in place of empty fields.
PrintHeading defaultHeadingTexts();

// Each empty field of `heading` takes its default text.
void fillEmptyHeadingFields(PrintHeading& heading);

// HeaderExists: the exists test for "Header.sav".
bool HeaderExists(const DataFolder& folder);

// Reads "Header.sav" into `heading` when it exists; otherwise leaves it unchanged. A file that
// ends early keeps the fields read before the end.
void LoadHeader(const DataFolder& folder, PrintHeading& heading);

// Writes "Header.sav" whole. On failure returns the reason; the old file is kept.
std::optional<std::string> SaveHeader(const DataFolder& folder, const PrintHeading& heading);

} // namespace tallyman
