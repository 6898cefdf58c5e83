// The built-in default tables of the three settings dialogs, as the texts their fields get.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tallyman {

// A bracket-and-allowance table of ten rows. Columns in field order: minimum, amount and rate of
// the single table, the same of the married table, single allowance, married allowance.
using TableRow = std::array<std::string_view, 8>;
using TenRowTable = std::array<TableRow, 10>;

enum TableColumn : std::size_t { MinS, AmtS, PerS, MinM, AmtM, PerM, SgExp, MarExp };

// New York state, bi-weekly: the state dialog's New York command and the filling of its blank
// fields. The six SDI/SUI/adjustment fields default to "0".
inline constexpr TenRowTable NewYorkStateTable { {
    { "0", "0", "0.04", "0", "0", "0.04", "284.6", "305.8" },
    { "327", "13.08", "0.045", "327", "13.08", "0.045", "323.1", "344.3" },
    { "450", "18.62", "0.0525", "450", "18.62", "0.0525", "361.6", "382.8" },
    { "535", "23.08", "0.055", "535", "23.08", "0.055", "400.1", "421.3" },
    { "3102", "164.27", "0.06", "3102", "164.27", "0.06", "438.6", "459.8" },
    { "3723", "201.54", "0.0714", "3723", "201.54", "0.0667", "477.1", "498.3" },
    { "4140", "231.31", "0.0764", "4140", "229.35", "0.0717", "515.6", "536.8" },
    { "6063", "378.15", "0.065", "6063", "367.15", "0.0811", "554.1", "575.3" },
    { "8285", "522.54", "0.1101", "8137", "535.35", "0.065", "592.6", "613.8" },
    { "10208", "734.31", "0.0735", "12431", "814.5", "0.1284", "631.1", "652.3" },
} };
inline constexpr std::string_view NewYorkStateSideValue = "0";

// New York City, bi-weekly: what the city dialog's New York command writes.
inline constexpr TenRowTable NewYorkCityTable { {
    { "0", "0", "0.0205", "0", "0", "0.0205", "192.3", "211.5" },
    { "308", "6.31", "0.028", "308", "6.31", "0.028", "230.8", "250" },
    { "334", "7.08", "0.0325", "334", "7.08", "0.0325", "269.3", "288.5" },
    { "577", "14.92", "0.0395", "577", "14.92", "0.0395", "307.8", "327" },
    { "962", "30.12", "0.0415", "962", "30.12", "0.0415", "346.3", "365.5" },
    { "2308", "86", "0.0425", "2308", "86", "0.0425", "384.8", "404" },
    { "999999", "0", "0", "999999", "0", "0", "423.3", "442.5" },
    { "999999", "0", "0", "999999", "0", "0", "461.8", "481" },
    { "999999", "0", "0", "999999", "0", "0", "500.3", "519.5" },
    { "999999", "0", "0", "999999", "0", "0", "538.8", "558" },
} };

// What the city dialog puts into a blank field. It is the New York City table except for two
// fields (row 3 single minimum 557, row 6 married minimum 19231); users' files made from it
// hold these figures, so they stay as they are.
inline constexpr TenRowTable CityBlankFillTable { {
    { "0", "0", "0.0205", "0", "0", "0.0205", "192.3", "211.5" },
    { "308", "6.31", "0.028", "308", "6.31", "0.028", "230.8", "250" },
    { "334", "7.08", "0.0325", "334", "7.08", "0.0325", "269.3", "288.5" },
    { "557", "14.92", "0.0395", "577", "14.92", "0.0395", "307.8", "327" },
    { "962", "30.12", "0.0415", "962", "30.12", "0.0415", "346.3", "365.5" },
    { "2308", "86", "0.0425", "2308", "86", "0.0425", "384.8", "404" },
    { "999999", "0", "0", "19231", "0", "0", "423.3", "442.5" },
    { "999999", "0", "0", "999999", "0", "0", "461.8", "481" },
    { "999999", "0", "0", "999999", "0", "0", "500.3", "519.5" },
    { "999999", "0", "0", "999999", "0", "0", "538.8", "558" },
} };

// The non-city resident table: bi-weekly minimum and subtraction, weekly minimum and
// subtraction, for eight rows; then the rate.
using NonCityRow = std::array<std::string_view, 4>;
enum NonCityColumn : std::size_t { MinBi, ExpBi, MinWk, ExpWk };
inline constexpr std::array<NonCityRow, 8> NonCityDefaultTable { {
    { "0", "0", "0", "0" },
    { "145", "115", "78", "58" },
    { "385", "77", "192", "38" },
    { "769", "38", "385", "19" },
    { "1154", "0", "577", "0" },
    { "999999", "0", "999999", "0" },
    { "999999", "0", "999999", "0" },
    { "999999", "0", "999999", "0" },
} };
inline constexpr std::string_view NonCityDefaultRate = "0.0045";

// A bracket row that is not in use starts at this minimum.
inline constexpr std::string_view UnusedMinimum = "999999";

} // namespace tallyman
