// The main window's eight input boxes as the calculation reads and leaves them.
#pragma once

#include "engine/pay_result.h"

#include <array>
#include <string>

namespace tallyman {

using InputBoxes = std::array<std::string, 8>;
using BoxValues = std::array<double, 8>;

// The leading number of every box, read once. A box whose leading number is 0 (empty, "0",
// or not starting with a number) shows "0" while the calculation runs and reads as that "0".
BoxValues readBoxes(const InputBoxes& txtAmount);

// StrHrs, StrHrs2, OtVar, OtHrs, Avas, VacDys, TipsHrs and Addit from the values of the boxes.
// Throws NumberOverflow when a value does not fit its field.
void readInputs(const BoxValues& values, PayResult& pay);

// Empties every box whose value is 0.
void CleartxtBox(InputBoxes& txtAmount, const BoxValues& values);

} // namespace tallyman
