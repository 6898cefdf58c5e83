// The preset figures of the special states, kept as the texts the state dialog shows.
#include "taxtables/preset_figures.h"

#include "numbers/number_text.h"

#include <stdexcept>
#include <string>

namespace tallyman {

namespace {

constexpr AllowanceTexts ZeroTexts { "0", "0", "0", "0", "0", "0", "0", "0", "0", "0" };

// Iowa: standard deduction and credit by the number of exemptions.
constexpr AllowanceTexts IowaStandardBiWeekly { "532.69", "532.69", "1065.38", "1065.38", "1065.38",
    "1065.38", "1065.38", "1065.38", "1065.38", "1065.38" };
constexpr AllowanceTexts IowaCreditBiWeekly { "0", "1.54", "3.08", "4.62", "6.16", "7.7", "9.24", "10.78",
    "12.32", "13.86" };
constexpr AllowanceTexts IowaStandardWeekly { "266.35", "266.35", "532.69", "532.69", "532.69", "532.69",
    "532.69", "532.69", "532.69", "532.69" };
constexpr AllowanceTexts IowaCreditWeekly { "0", "0.77", "1.54", "2.31", "3.08", "3.85", "4.62", "5.39",
    "6.16", "6.93" };

// Missouri: one standard deduction in every entry.
constexpr AllowanceTexts MissouriHalf { "280.77", "280.77", "280.77", "280.77", "280.77", "280.77", "280.77",
    "280.77", "280.77", "280.77" };
constexpr AllowanceTexts MissouriSingle { "561.54", "561.54", "561.54", "561.54", "561.54", "561.54",
    "561.54", "561.54", "561.54", "561.54" };
constexpr AllowanceTexts MissouriDouble { "1123.08", "1123.08", "1123.08", "1123.08", "1123.08", "1123.08",
    "1123.08", "1123.08", "1123.08", "1123.08" };

struct MissouriChoice {
    const char* status;
    bool anySpouse;
    bool spouseWorks;
    PresetPeriod period;
    const AllowanceTexts* deduction;
};

// The first matching line decides.
constexpr std::array<MissouriChoice, 6> MissouriChoices { {
    { "Single", true, false, PresetPeriod::BiWeekly, &MissouriSingle },
    { "Single", true, false, PresetPeriod::Weekly, &MissouriHalf },
    { "Married", false, false, PresetPeriod::BiWeekly, &MissouriDouble },
    { "Married", false, false, PresetPeriod::Weekly, &MissouriSingle },
    { "Married", false, true, PresetPeriod::BiWeekly, &MissouriSingle },
    { "Married", false, true, PresetPeriod::Weekly, &MissouriHalf },
} };

constexpr std::array<PresetRow, 1> MassRows { { { "0", "0", "0.05", "0", "0", "0.05" } } };
constexpr AllowanceTexts MassAllowances { "0", "169", "207", "245", "283", "321", "359", "397", "435",
    "473" };

constexpr std::array<PresetRow, 3> OregonRowsWeekly { {
    { "0", "4.79", "0.0475", "0", "4.79", "0.0475" },
    { "82.69", "8.71", "0.0675", "165.38", "12.75", "0.0675" },
    { "206.73", "17.08", "0.0875", "413.46", "29.4", "0.0875" },
} };
constexpr std::array<PresetRow, 3> OregonRowsBiWeekly { {
    { "0", "9.58", "0.0475", "0", "9.58", "0.0475" },
    { "165.38", "17.42", "0.0675", "330.77", "25.31", "0.0675" },
    { "413.46", "34.15", "0.0875", "826.92", "58.81", "0.0875" },
} };
constexpr AllowanceTexts OregonCreditsWeekly { "0", "4.79", "9.58", "14.37", "19.16", "23.95", "28.74",
    "33.53", "38.32", "43.11" };
constexpr AllowanceTexts OregonCreditsBiWeekly { "0", "9.58", "19.16", "28.74", "38.32", "47.9", "57.48",
    "67.06", "76.64", "86.22" };

// The same figures in the single and the married table.
constexpr std::array<PresetRow, 6> KentuckyRowsBiWeekly { {
    { "115.38", "97.31", "0.02", "115.38", "97.31", "0.02" },
    { "153.84", "97.31", "0.03", "153.84", "97.31", "0.03" },
    { "192.3", "97.31", "0.04", "192.3", "97.31", "0.04" },
    { "307.68", "97.31", "0.05", "307.68", "97.31", "0.05" },
    { "2884.61", "97.31", "0.058", "2884.61", "97.31", "0.058" },
    { "5769.22", "97.31", "0.06", "5769.22", "97.31", "0.06" },
} };
constexpr std::array<PresetRow, 6> KentuckyRowsWeekly { {
    { "57.69", "48.65", "0.02", "57.69", "48.65", "0.02" },
    { "76.92", "48.65", "0.03", "76.92", "48.65", "0.03" },
    { "96.15", "48.65", "0.04", "96.15", "48.65", "0.04" },
    { "153.85", "48.65", "0.05", "153.85", "48.65", "0.05" },
    { "1442.3", "48.65", "0.058", "1442.3", "48.65", "0.058" },
    { "2884.61", "48.65", "0.06", "2884.61", "48.65", "0.06" },
} };
constexpr AllowanceTexts KentuckyCreditsBiWeekly { "0", "0.385", "0.77", "1.155", "1.54", "1.925", "2.31",
    "2.695", "3.08", "3.465" };
constexpr AllowanceTexts KentuckyCreditsWeekly { "0", "0.192", "0.384", "0.576", "0.768", "0.96", "1.152",
    "1.344", "1.536", "1.728" };

constexpr std::array<PresetRow, 7> WisconsinRows { {
    { "0", "0", "0", "0", "0", "0" },
    { "153.85", "0", "0.046", "211.54", "0", "0.046" },
    { "408.46", "11.73", "0.05154", "518.08", "14.12", "0.0615" },
    { "454.81", "14.12", "0.06888", "575", "17.62", "0.0738" },
    { "716.5", "32.15", "0.0728", "771.81", "32.15", "0.078" },
    { "1690.5", "103.08", "0.065", "1632.69", "99.31", "0.065" },
    { "4428.46", "281.04", "0.0675", "4428.46", "281.04", "0.0675" },
} };
constexpr std::array<PresetRow, 7> WisconsinAprilRows { {
    { "0", "0", "0", "0", "0", "0" },
    { "220.38", "0", "0.04", "302.69", "0", "0.04" },
    { "584.62", "14.57", "0.0448", "722.31", "16.78", "0.0584" },
    { "634.08", "16.79", "0.065408", "823.08", "22.67", "0.07008" },
    { "1008.73", "41.29", "0.070224", "1088.77", "41.29", "0.07524" },
    { "2421.15", "140.48", "0.0627", "2336.54", "135.17", "0.0627" },
    { "9238.08", "567.9", "0.0765", "9238.08", "567.9", "0.0765" },
} };
constexpr AllowanceTexts WisconsinCredits { "0", "0.85", "1.7", "2.55", "3.4", "4.25", "5.1", "5.95", "6.8",
    "7.65" };

constexpr std::array<PresetRow, 4> NCRows { {
    { "0", "0", "0", "0", "0", "0" },
    { "115.38", "6.92", "0.06", "115.38", "6.92", "0.06" },
    { "605.77", "12.98", "0.07", "524.04", "12.16", "0.07" },
    { "2423.08", "31.15", "0.0775", "2038.46", "27.45", "0.0775" },
} };
constexpr AllowanceTexts NCAllowances { "0", "96.15", "192.3", "288.45", "384.6", "480.75", "576.9", "673.05",
    "769.2", "865.35" };

const AllowanceTexts* missouriColumn(std::string_view stateStatus, bool spouseWorks, PresetPeriod period)
{
    for (const MissouriChoice& c : MissouriChoices) {
        if (stateStatus == c.status && (c.anySpouse || spouseWorks == c.spouseWorks) && period == c.period)
            return c.deduction;
    }
    return nullptr;
}

Amount presetNumber(const char* text)
{
    const auto value = strictNumber(text);
    if (!value)
        throw std::invalid_argument(std::string("Not a number: \"") + text + "\"");
    return toAmount(*value);
}

} // namespace

PresetFigures iowaFigures(PresetPeriod period)
{
    if (period == PresetPeriod::BiWeekly)
        return { {}, &IowaStandardBiWeekly, &IowaCreditBiWeekly };
    return { {}, &IowaStandardWeekly, &IowaCreditWeekly };
}

const char* missouriStandardDeduction(std::string_view stateStatus, bool spouseWorks, PresetPeriod period)
{
    const AllowanceTexts* column = missouriColumn(stateStatus, spouseWorks, period);
    return column ? (*column)[0] : nullptr;
}

PresetFigures missouriFigures(std::string_view stateStatus, bool spouseWorks, PresetPeriod period)
{
    return { {}, missouriColumn(stateStatus, spouseWorks, period), &ZeroTexts };
}

PresetFigures massFigures() { return { MassRows, &MassAllowances, &MassAllowances }; }

PresetFigures oregonFigures(PresetPeriod period)
{
    if (period == PresetPeriod::BiWeekly)
        return { OregonRowsBiWeekly, &OregonCreditsBiWeekly, &OregonCreditsBiWeekly };
    return { OregonRowsWeekly, &OregonCreditsWeekly, &OregonCreditsWeekly };
}

PresetFigures kentuckyFigures(PresetPeriod period)
{
    if (period == PresetPeriod::BiWeekly)
        return { KentuckyRowsBiWeekly, &KentuckyCreditsBiWeekly, &KentuckyCreditsBiWeekly };
    return { KentuckyRowsWeekly, &KentuckyCreditsWeekly, &KentuckyCreditsWeekly };
}

PresetFigures wisconsinFigures() { return { WisconsinRows, &WisconsinCredits, &WisconsinCredits }; }

PresetFigures wisconsinAprilFigures() { return { WisconsinAprilRows, &WisconsinCredits, &WisconsinCredits }; }

PresetFigures ncFigures() { return { NCRows, &NCAllowances, &NCAllowances }; }

void applyPresetFigures(StateTaxSettings& settings, const PresetFigures& figures)
{
    const PresetRow cleared { ClearedMinimumText, ClearedText, ClearedText, ClearedMinimumText, ClearedText,
        ClearedText };
    for (std::size_t i = 0; i < settings.StateMinBS.size(); ++i) {
        const PresetRow& row = i < figures.rows.size() ? figures.rows[i] : cleared;
        settings.StateMinBS[i] = presetNumber(row.minS);
        settings.StateAmtBS[i] = presetNumber(row.amtS);
        settings.StatePerBS[i] = presetNumber(row.perS);
        settings.StateMinBM[i] = presetNumber(row.minM);
        settings.StateAmtBM[i] = presetNumber(row.amtM);
        settings.StatePerBM[i] = presetNumber(row.perM);
    }
    for (std::size_t i = 0; i < settings.StateSgExp.size(); ++i) {
        if (figures.single)
            settings.StateSgExp[i] = presetNumber((*figures.single)[i]);
        if (figures.married)
            settings.StateMarExp[i] = presetNumber((*figures.married)[i]);
    }
}

StateTaxSettings settingsFromPreset(const PresetFigures& figures)
{
    StateTaxSettings settings;
    applyPresetFigures(settings, figures);
    return settings;
}

} // namespace tallyman
