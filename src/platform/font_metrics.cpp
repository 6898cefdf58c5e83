// Weighted average character width.
#include "platform/font_metrics.h"

#include <array>
#include <utility>

namespace tallyman::ui {

double weightedAverageCharWidth(const std::function<double(char)>& advance)
{
    // Occurrences per thousand characters of text; they add up to 1000.
    static constexpr std::array<std::pair<char, int>, 27> Weights { {
        { 'a', 64 },
        { 'b', 14 },
        { 'c', 27 },
        { 'd', 35 },
        { 'e', 100 },
        { 'f', 20 },
        { 'g', 14 },
        { 'h', 42 },
        { 'i', 63 },
        { 'j', 3 },
        { 'k', 6 },
        { 'l', 35 },
        { 'm', 20 },
        { 'n', 56 },
        { 'o', 56 },
        { 'p', 17 },
        { 'q', 4 },
        { 'r', 49 },
        { 's', 56 },
        { 't', 71 },
        { 'u', 31 },
        { 'v', 10 },
        { 'w', 18 },
        { 'x', 3 },
        { 'y', 18 },
        { 'z', 2 },
        { ' ', 166 },
    } };
    double sum = 0;
    for (const auto& [c, weight] : Weights)
        sum += advance(c) * weight;
    return sum / 1000;
}

} // namespace tallyman::ui
