// The figures the special-state presets write into the state dialog, as the field texts.
#pragma once

#include "engine/tax_settings.h"

#include <array>
#include <span>
#include <string_view>

namespace tallyman {

// The pay period a preset's figures are for (the User Info screen's frequency).
enum class PresetPeriod { BiWeekly, Weekly };

// One bracket row: the texts of the single table's three fields, then the married table's.
struct PresetRow {
    const char *minS, *amtS, *perS, *minM, *amtM, *perM;
};

// The ten allowance fields of one column, entry i for i exemptions.
using AllowanceTexts = std::array<const char*, 10>;

// What a preset writes into the tables: `rows` from row 0 on (the rows after them are cleared)
// and the two allowance columns; a null column is one the preset leaves as it is.
struct PresetFigures {
    std::span<const PresetRow> rows;
    const AllowanceTexts* single = nullptr; // txtStateSgExp
    const AllowanceTexts* married = nullptr; // txtStateMarExp
};

// The texts of a cleared row: the minimums get the "not used" mark, the rest zero.
inline constexpr const char* ClearedMinimumText = "999999";
inline constexpr const char* ClearedText = "0";

// Iowa: no bracket rows; the single column is the standard deduction, the married one the credit.
PresetFigures iowaFigures(PresetPeriod period);

// Missouri's standard deduction, written into all ten single allowance fields; null for a
// status text other than "Single" or "Married", which leaves those fields as they are.
const char* missouriStandardDeduction(std::string_view stateStatus, bool spouseWorks, PresetPeriod period);
// Missouri: no bracket rows; the standard deduction above and credits of "0".
PresetFigures missouriFigures(std::string_view stateStatus, bool spouseWorks, PresetPeriod period);

// Massachusetts: row 0 a flat rate, the exemption amounts in both columns.
PresetFigures massFigures();
// Oregon: rows 0-2 and the exemption credits for the pay period.
PresetFigures oregonFigures(PresetPeriod period);
// Kentucky: rows 0-5 (upper ends, standard deduction, rates) and the credits for the pay period.
PresetFigures kentuckyFigures(PresetPeriod period);
// Wisconsin before 4/1/14 and the current Wisconsin table: rows 0-6 and the credits.
PresetFigures wisconsinFigures();
PresetFigures wisconsinAprilFigures();
// North Carolina: rows 0-3 and the allowance per exemption.
PresetFigures ncFigures();

// Writes a preset's figures into the table fields of `settings`, each text converted strictly to
// a 32-bit float: the rows given, the rest cleared, the columns given. Throws
// std::invalid_argument naming the text when one is not a number.
void applyPresetFigures(StateTaxSettings& settings, const PresetFigures& figures);
// The same on empty settings: a column the preset leaves alone stays 0.
StateTaxSettings settingsFromPreset(const PresetFigures& figures);

} // namespace tallyman
