// The average character width that sets a printout's columns, and the measured metrics of
// the font "Arial" resolves to, so printers without a window system lay out as Qt does.
#pragma once

#include <functional>

namespace tallyman::ui {

// The average character width of a font from the advances of its characters: the lower-case
// letters and the space weighted by how often they occur in English text. It is the width the
// printouts' columns were laid out for; the mean over every glyph of a modern font is about a
// third wider and would push the ledger's last columns off the page.
double weightedAverageCharWidth(const std::function<double(char)>& advance);

// Liberation Sans (Arial's metric-compatible stand-in), in ems: measured once from its glyph
// advances with weightedAverageCharWidth, and its line spacing (ascent + descent + leading).
inline constexpr double LiberationSansAverageCharWidth = 904.463 / 2048;
inline constexpr double LiberationSansLineSpacing = 2355.0 / 2048;
// The hyphen, narrower than a column: the printouts' rules are runs of it, and run as far
// across the page in a text printout as on paper.
inline constexpr double LiberationSansHyphenWidth = 682.0 / 2048;

// The page the command line prints on: US Letter with the PDF writer's 10-point margins.
struct PrintablePage {
    double portraitWidth; // points
    double landscapeWidth; // points
};
inline constexpr PrintablePage LetterPrintablePage { 612 - 20, 792 - 20 };
inline constexpr double LetterMarginPoints = 10;

} // namespace tallyman::ui
