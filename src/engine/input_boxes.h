// The main window's eight input boxes as the calculation reads and leaves them.
#pragma once

#include "engine/pay_result.h"

#include <array>
#include <string>

namespace tallyman {

using InputBoxes = std::array<std::string, 8>;

// A box whose leading number is 0 (empty, "0", or not starting with a number) shows "0".
void zeroBlankInputs(InputBoxes &txtAmount);

// StrHrs, StrHrs2, OtVar, OtHrs, Avas, VacDys, TipsHrs and Addit from the leading number of
// each box. Throws NumberOverflow when a value does not fit its field.
void readInputs(const InputBoxes &txtAmount, PayResult &pay);

// Empties every box whose value is 0.
void CleartxtBox(InputBoxes &txtAmount);

} // namespace tallyman
