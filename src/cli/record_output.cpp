// Plain texts and aligned layouts of records.
#include "cli/record_output.h"

#include "numbers/number_text.h"

#include <algorithm>
#include <iomanip>

namespace tallyman::cli {

std::string plainText(float value) { return numberText(value); }

std::string plainText(double value) { return numberText(value); }

std::string plainText(Currency value) { return jsonNumber(value); }

std::string plainText(short value) { return std::to_string(value); }

std::string plainText(const std::string& value) { return value; }

void printAligned(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows)
{
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    for (const auto& [name, value] : rows) {
        out << name;
        if (!value.empty())
            out << std::string(width - name.size() + 2, ' ') << value;
        out << '\n';
    }
}

void printColumns(std::ostream& out, const std::vector<TextColumn>& columns, int firstNumber)
{
    std::size_t rowCount = 0;
    for (const auto& column : columns)
        rowCount = std::max(rowCount, column.cells.size());
    const auto widthOf = [](const TextColumn& column) {
        std::size_t width = column.name.size();
        for (const auto& cell : column.cells)
            width = std::max(width, cell.size());
        return width;
    };
    out << std::setw(2) << "#";
    for (const auto& column : columns)
        out << "  " << std::setw(static_cast<int>(widthOf(column))) << column.name;
    out << '\n';
    for (std::size_t row = 0; row < rowCount; ++row) {
        out << std::setw(2) << static_cast<int>(row) + firstNumber;
        for (const auto& column : columns)
            out << "  " << std::setw(static_cast<int>(widthOf(column)))
                << (row < column.cells.size() ? column.cells[row] : std::string());
        out << '\n';
    }
}

} // namespace tallyman::cli
