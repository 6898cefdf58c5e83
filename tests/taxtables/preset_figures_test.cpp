// The preset figures: every text a number, columns that step evenly, rows that ascend, and the
// settings they fill.
#include "taxtables/preset_figures.h"

#include "engine/states/state_test_support.h"
#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

constexpr PresetPeriod Bi = PresetPeriod::BiWeekly;
constexpr PresetPeriod Wk = PresetPeriod::Weekly;

std::vector<PresetFigures> allPresets()
{
    std::vector<PresetFigures> list { iowaFigures(Bi), iowaFigures(Wk), massFigures(), oregonFigures(Bi),
        oregonFigures(Wk), kentuckyFigures(Bi), kentuckyFigures(Wk), wisconsinFigures(),
        wisconsinAprilFigures(), ncFigures() };
    for (const char* status : { "Single", "Married" })
        for (bool spouse : { false, true })
            for (PresetPeriod p : { Bi, Wk })
                list.push_back(missouriFigures(status, spouse, p));
    return list;
}

TEST(PresetFigures, EveryTextIsTheNumberTextOfItsFloat)
{
    for (const PresetFigures& f : allPresets()) {
        std::vector<const char*> texts;
        for (const PresetRow& r : f.rows)
            texts.insert(texts.end(), { r.minS, r.amtS, r.perS, r.minM, r.amtM, r.perM });
        for (const AllowanceTexts* column : { f.single, f.married })
            if (column)
                texts.insert(texts.end(), column->begin(), column->end());
        for (const char* text : texts) {
            const auto value = strictNumber(text);
            ASSERT_TRUE(value.has_value()) << text;
            // Reading through double must round as reading straight to float does.
            EXPECT_EQ(toAmount(*value), std::strtof(text, nullptr)) << text;
            EXPECT_EQ(numberText(toAmount(*value)), text);
        }
    }
}

TEST(PresetFigures, BracketMinimumsAscendAndUnusedRowsAreCleared)
{
    for (const PresetFigures& f : allPresets()) {
        const auto s = settingsFromPreset(f);
        for (std::size_t i = 1; i < 10; ++i) {
            EXPECT_LE(s.StateMinBS[i - 1], s.StateMinBS[i]) << i;
            EXPECT_LE(s.StateMinBM[i - 1], s.StateMinBM[i]) << i;
        }
        for (std::size_t i = f.rows.size(); i < 10; ++i) {
            EXPECT_EQ(s.StateMinBS[i], 999999);
            EXPECT_EQ(s.StateMinBM[i], 999999);
            EXPECT_EQ(s.StateAmtBS[i] + s.StatePerBS[i] + s.StateAmtBM[i] + s.StatePerBM[i], 0);
        }
    }
}

struct ColumnCase {
    const char* name;
    const AllowanceTexts* column;
    std::function<double(int)> value; // figure for i exemptions
};

class AllowanceColumn : public ::testing::TestWithParam<ColumnCase> { };

TEST_P(AllowanceColumn, HoldsTheFigureForEachCount)
{
    ASSERT_NE(GetParam().column, nullptr);
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(std::strtod((*GetParam().column)[static_cast<std::size_t>(i)], nullptr),
            GetParam().value(i), 1e-9)
            << i;
}

std::function<double(int)> per(double step)
{
    return [step](int i) { return step * i; };
}

INSTANTIATE_TEST_SUITE_P(Columns, AllowanceColumn,
    ::testing::Values(ColumnCase { "IowaStandardBi", iowaFigures(Bi).single,
                          [](int i) { return i < 2 ? 532.69 : 1065.38; } },
        ColumnCase { "IowaCreditBi", iowaFigures(Bi).married, per(1.54) },
        ColumnCase {
            "IowaStandardWk", iowaFigures(Wk).single, [](int i) { return i < 2 ? 266.35 : 532.69; } },
        ColumnCase { "IowaCreditWk", iowaFigures(Wk).married, per(0.77) },
        ColumnCase {
            "Mass", massFigures().married, [](int i) { return i == 0 ? 0.0 : 169 + 38.0 * (i - 1); } },
        ColumnCase { "OregonBi", oregonFigures(Bi).single, per(9.58) },
        ColumnCase { "OregonWk", oregonFigures(Wk).married, per(4.79) },
        ColumnCase { "KentuckyBi", kentuckyFigures(Bi).single, per(0.385) },
        ColumnCase { "KentuckyWk", kentuckyFigures(Wk).married, per(0.192) },
        ColumnCase { "Wisconsin", wisconsinFigures().single, per(0.85) },
        ColumnCase { "WisconsinApril", wisconsinAprilFigures().married, per(0.85) },
        ColumnCase { "NC", ncFigures().single, per(96.15) },
        ColumnCase { "MissouriCredit", missouriFigures("Single", false, Wk).married, per(0) }),
    CaseName());

struct MissouriCase {
    const char* status;
    bool spouse;
    PresetPeriod period;
    const char* deduction; // null: the fields keep their texts
};

TEST(PresetFigures, MissouriDeductionByStatusSpouseAndPeriod)
{
    const MissouriCase cases[] { { "Single", false, Bi, "561.54" }, { "Single", true, Bi, "561.54" },
        { "Single", false, Wk, "280.77" }, { "Single", true, Wk, "280.77" },
        { "Married", false, Bi, "1123.08" }, { "Married", false, Wk, "561.54" },
        { "Married", true, Bi, "561.54" }, { "Married", true, Wk, "280.77" },
        { "single", false, Bi, nullptr }, { "", true, Wk, nullptr } };
    for (const MissouriCase& c : cases) {
        const char* text = missouriStandardDeduction(c.status, c.spouse, c.period);
        const PresetFigures f = missouriFigures(c.status, c.spouse, c.period);
        if (!c.deduction) {
            EXPECT_EQ(text, nullptr) << c.status;
            EXPECT_EQ(f.single, nullptr) << c.status;
            continue;
        }
        ASSERT_NE(text, nullptr) << c.status;
        EXPECT_STREQ(text, c.deduction);
        for (const char* entry : *f.single)
            EXPECT_STREQ(entry, c.deduction);
    }
}

TEST(PresetFigures, ApplyingTouchesOnlyTheTablesAndTheColumnsGiven)
{
    StateTaxSettings s;
    s.StateSgExp.fill(12.5f);
    s.StateAdj = 3;
    s.Missouri = 1;
    applyPresetFigures(s, missouriFigures("Head of household", false, Bi));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(s.StateSgExp[i], 12.5f);
        EXPECT_EQ(s.StateMarExp[i], 0);
        EXPECT_EQ(s.StateMinBS[i], 999999);
    }
    EXPECT_EQ(s.StateAdj, 3);
    EXPECT_EQ(s.Missouri, 1);
}

TEST(PresetFigures, ATextThatIsNotANumberIsRefusedByName)
{
    static constexpr AllowanceTexts bad { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9.9.9" };
    StateTaxSettings s;
    try {
        applyPresetFigures(s, { {}, &bad, nullptr });
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("9.9.9"), std::string::npos);
    }
}

} // namespace
