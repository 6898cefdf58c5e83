// The stub check: an employer's pay stub, line by line, against Tallyman's own calculation of
// the same period, with the likely causes of each difference.
#pragma once

#include "engine/period_case.h"
#include "numbers/currency.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman {

enum class StubLine {
    Gross,
    Fed,
    SS,
    Medi,
    State,
    City,
    SDI,
    SUI,
    Tax5,
    Tax6,
    Tax7,
    Tax8,
    Tax9,
    Kplan,
    Cafe,
    Net
};
inline constexpr std::size_t StubLineCount = 16;

inline constexpr std::size_t index(StubLine line) { return static_cast<std::size_t>(line); }
inline constexpr StubLine stubLineAt(std::size_t i) { return static_cast<StubLine>(i); }

// The names the command line gives the lines: "Gross", "Fed", "SS", ... "Net".
std::string_view stubLineName(StubLine line);
// The line of a name, in any letter case; nothing for an unknown name.
std::optional<StubLine> stubLineNamed(std::string_view name);
// What the line is called on the screen: "Federal Tax", the profile's deduction captions, ...
std::string stubLineCaption(StubLine line, const EmployeeProfile& profile);

// The stub's figures; an empty line is not on the stub.
using StubFigures = std::array<std::optional<Currency>, StubLineCount>;

// A typed stub amount ("1,234.56", "$12.50", blank for none). The reason when the text is not
// an amount in dollars and cents.
std::optional<std::string> readStubAmount(std::string_view text, std::optional<Currency>& amount);

// A federal table the person could install, tried when the federal line differs.
struct FedTableChoice {
    std::string label; // "2023", or the table's version text
    FedTable table;
};

// The federal tables that can be installed, each as the calculation would load it, to try
// when the federal line differs: every year shipped with the program but the one in use.
std::vector<FedTableChoice> installableFedTables(const FedTableFolders& folders, const FedTable& inUse);

// One change of the period under which Tallyman's federal figure is worked out again.
struct FedAlternative {
    std::string cause; // what is reported when the figure is the stub's
    PeriodCase period;
};

// The alternatives tried for a federal difference (stub minus Tallyman): each other table,
// the other W-4 form with the same status, the other pay frequency, and a whole-dollar
// difference as an extra withholding on one side.
std::vector<FedAlternative> federalAlternatives(
    const PeriodCase& period, const std::vector<FedTableChoice>& tables, Currency difference);

// Tallyman's federal tax of a changed period, to the cent; nothing when it cannot be computed.
using FederalFigure = std::function<std::optional<Currency>(const PeriodCase&)>;
// The calculation itself, on a copy of the period.
std::optional<Currency> engineFederalFigure(const PeriodCase& period);

struct ComparedLine {
    StubLine line = StubLine::Gross;
    std::string caption;
    std::optional<Currency> stub;
    Currency tallyman;
    std::optional<Currency> difference; // stub minus Tallyman, when the stub has the line
    std::vector<std::string> causes;

    // More than a cent apart.
    bool differs() const;
};

struct StubComparison {
    std::array<ComparedLine, StubLineCount> lines;
    int differing = 0;
    std::optional<Currency> netDifference; // when the stub has net pay
    bool agree() const { return differing == 0; }
    // "2 lines differ; net pay differs by $11.40."
    std::string summary() const;
};

struct StubCheckResult {
    bool computed = false; // false: the period could not be computed (see notices)
    StubComparison comparison;
    std::vector<Notice> notices;
};

// The period computed as ADD computes it, each line of the stub compared with it, and the
// causes found for each difference. Writes nothing and changes nothing of the caller.
StubCheckResult checkStub(const PeriodCase& period, const StubFigures& stub,
    const std::vector<FedTableChoice>& tables, const FederalFigure& federal = engineFederalFigure);

// The cents of an amount as the result labels show it.
Currency centsOf(double amount);

} // namespace tallyman
