// Reading the input boxes with the lenient conversion: the leading number counts, the rest is
// ignored ("1-2" reads 1, "1.2.3" reads 1.2), and a text without one reads 0.
#include "engine/input_boxes.h"

#include "numbers/number_text.h"

namespace tallyman {

BoxValues readBoxes(const InputBoxes& txtAmount)
{
    BoxValues values {};
    for (std::size_t box = 0; box < txtAmount.size(); ++box) {
        const double value = lenientNumber(txtAmount[box]);
        values[box] = value == 0 ? 0.0 : value; // "-0" shows "0" too, and reads plus zero
    }
    return values;
}

void readInputs(const BoxValues& values, PayResult& pay)
{
    pay.StrHrs = toAmount(values[0]);
    pay.StrHrs2 = toAmount(values[1]);
    pay.OtVar = toAmount(values[2]);
    pay.OtHrs = toAmount(values[3]);
    pay.Avas = toAmount(values[4]);
    pay.VacDys = toAmount(values[5]);
    pay.Addit = Currency::fromDouble(values[6]);
    pay.TipsHrs = toAmount(values[7]);
}

void CleartxtBox(InputBoxes& txtAmount, const BoxValues& values)
{
    for (std::size_t box = 0; box < txtAmount.size(); ++box)
        if (values[box] == 0)
            txtAmount[box].clear();
}

} // namespace tallyman
