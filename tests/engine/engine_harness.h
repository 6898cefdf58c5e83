// Shared pieces of the engine tests: a temporary data folder, table files, a full context.
#pragma once

#include "engine/calculation.h"
#include "engine/federal.h"
#include "engine/input_boxes.h"
#include "engine/wage_taxes.h"
#include "numbers/rounding.h"
#include "storage/fileset.h"
#include "storage/records.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace tallyman::test {

// Names parameterised cases after their `name` member.
struct CaseName {
    template <typename Param> std::string operator()(const ::testing::TestParamInfo<Param>& info) const
    {
        return info.param.name;
    }
};

// The bytes of a table file holding `table` in the given layout (row 8 of the record is the
// legacy file's row 6).
inline std::string fedTableBytes(const FedTable& table, FedLayout layout)
{
    records::RecordWriter w;
    const std::size_t bounded = layout == FedLayout::Current ? 7 : 5;
    for (const FedRows* rows :
        { &table.SingleBiWeekly, &table.SingleWeekly, &table.MarriedBiWeekly, &table.MarriedWeekly }) {
        for (std::size_t r = 0; r < bounded; ++r) {
            const FedRow& row = (*rows)[r];
            w.float32(row.Over).float32(row.NotOver).float32(row.ExcessOver).float32(row.Rate);
            if (r > 0)
                w.float32(row.BaseTax);
            w.endRecord();
        }
        const FedRow& last = (*rows)[7];
        w.float32(last.Over).float32(last.ExcessOver).float32(last.Rate).float32(last.BaseTax).endRecord();
        w.text("ignored").endRecord();
    }
    for (const auto* list : { &table.SingleAllowance, &table.MarriedAllowance }) {
        for (Amount a : *list)
            w.float32(a);
        w.endRecord();
    }
    w.text(table.Version).endRecord();
    return w.bytes();
}

// Puts `bytes` in place as the program saves: a new file renamed over the old one.
inline void replaceFile(const std::filesystem::path& path, const std::string& bytes)
{
    ASSERT_FALSE(writeFileAtomically(path, bytes).has_value());
}

// A table simple enough to check by hand: every table taxes 10 % of the wages above 100
// (bi-weekly: above 200), 20 % above 1000 (2000); allowance n x 50 single, n x 70 married.
inline FedTable simpleTable(std::string version = "Simple table")
{
    FedTable t;
    auto fill = [](FedRows& rows, float scale) {
        const float overs[8] = { 0, 100, 1000, 999999, 999999, 999999, 999999, 999999 };
        const float rates[8] = { 0, 0.1f, 0.2f, 0, 0, 0, 0, 0.2f };
        for (std::size_t r = 0; r < 8; ++r) {
            rows[r].Over = overs[r] * scale;
            rows[r].NotOver = r < 7 ? overs[r + 1] * scale : 0;
            rows[r].ExcessOver = rows[r].Over;
            rows[r].Rate = rates[r];
        }
        rows[2].BaseTax = 90 * scale;
        // the open-ended row continues row 3's bracket above 999999
        rows[7].BaseTax = (90 + 0.2f * (999999 - 1000)) * scale;
    };
    fill(t.SingleWeekly, 1);
    fill(t.SingleBiWeekly, 2);
    fill(t.MarriedWeekly, 1);
    fill(t.MarriedBiWeekly, 2);
    for (std::size_t n = 0; n < 10; ++n) {
        t.SingleAllowance[n] = 50.0f * float(n);
        t.MarriedAllowance[n] = 70.0f * float(n);
    }
    t.Version = std::move(version);
    return t;
}

// The 2026 annual schedules as published (rows: at least, base), rates 0 to 37 %, with the
// 2026 standard amounts and allowance.
inline FedYear year2026()
{
    using Bounds = std::array<std::pair<double, double>, 8>;
    constexpr double rates[8] = { 0, 0.10, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37 };
    const auto schedule = [&](const Bounds& rows) {
        AnnualSchedule s {};
        for (std::size_t r = 0; r < 8; ++r)
            s[r] = AnnualRow { rows[r].first, rows[r].second, rates[r] };
        return s;
    };
    FedYear y;
    y.Year = 2026;
    y.WageBase = 184500;
    y.AddlMedicareThreshold = 200000;
    y.AddlMedicareRate = 0.009;
    y.Allowance = 4300;
    y.Line1gMarried = 12900;
    y.Line1gOther = 8600;
    y.Standard = {
        schedule({ { { 0, 0 }, { 7500, 0 }, { 19900, 1240 }, { 57900, 5800 }, { 113200, 17966 },
            { 209275, 41024 }, { 263725, 58448 }, { 648100, 192979.25 } } }),
        schedule({ { { 0, 0 }, { 19300, 0 }, { 44100, 2480 }, { 120100, 11600 }, { 230700, 35932 },
            { 422850, 82048 }, { 531750, 116896 }, { 788000, 206583.50 } } }),
        schedule({ { { 0, 0 }, { 15550, 0 }, { 33250, 1770 }, { 83000, 7740 }, { 121250, 16155 },
            { 217300, 39207 }, { 271750, 56631 }, { 656150, 191171 } } }),
    };
    y.Step2 = {
        schedule({ { { 0, 0 }, { 8050, 0 }, { 14250, 620 }, { 33250, 2900 }, { 60900, 8983 },
            { 108938, 20512 }, { 136163, 29224 }, { 328350, 96489.63 } } }),
        schedule({ { { 0, 0 }, { 16100, 0 }, { 28500, 1240 }, { 66500, 5800 }, { 121800, 17966 },
            { 217875, 41024 }, { 272325, 58448 }, { 400450, 103291.75 } } }),
        schedule({ { { 0, 0 }, { 12075, 0 }, { 20925, 885 }, { 45800, 3870 }, { 64925, 8077.50 },
            { 112950, 19603.50 }, { 140175, 28315.50 }, { 332375, 95585.50 } } }),
    };
    return y;
}

// Everything a calculation needs, owned in one place; the federal table file lives in a
// temporary data folder.
struct CalcHarness {
    TempFolder folder;
    std::array<std::string, 8> txtAmount {};
    EmployeeProfile profile;
    StateTaxSettings state;
    CityTaxSettings city;
    NonCitySettings nonCity;
    std::array<std::string, 6> stateBoxes {};
    FedTable fedTable;
    PayResult pay;
    UtahWork utah;
    CalcLabels labels;
    std::vector<Notice> notices;
    CalcContext context { txtAmount, true, false, profile, state, city, nonCity, stateBoxes, {},
        { folder.path(), {} }, fedTable, pay, utah, labels, notices, {} };

    CalcHarness()
    {
        profile.resetToNewUser();
        // unused bracket rows never apply
        for (auto* rows : { &state.StateMinBS, &state.StateMinBM, &city.CityMinBS, &city.CityMinBM })
            rows->fill(999999);
        for (auto* rows : { &nonCity.NonMinBi, &nonCity.NonMinWk })
            rows->fill(999999);
    }

    std::filesystem::path tablePath() const { return folder.path() / std::string(FedTableFileName); }
    void writeTable(const FedTable& table)
    {
        replaceFile(tablePath(), fedTableBytes(table, FedLayout::Current));
    }
    void biWeekly()
    {
        profile.Week = 0;
        profile.BiWeek = -1;
    }
    bool run() { return Calcu_late(context); }
};

} // namespace tallyman::test
