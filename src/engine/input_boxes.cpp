// Reading the input boxes with the lenient conversion: the leading number counts, the rest is
// ignored ("1-2" reads 1, "1.2.3" reads 1.2), and a text without one reads 0.
#include "engine/input_boxes.h"

#include "numbers/number_text.h"

namespace tallyman {

void zeroBlankInputs(InputBoxes &txtAmount)
{
    for (std::string &text : txtAmount)
        if (lenientNumber(text) == 0)
            text = "0";
}

void readInputs(const InputBoxes &txtAmount, PayResult &pay)
{
    auto hours = [&](std::size_t box) { return toAmount(lenientNumber(txtAmount[box])); };
    pay.StrHrs = hours(0);
    pay.StrHrs2 = hours(1);
    pay.OtVar = hours(2);
    pay.OtHrs = hours(3);
    pay.Avas = hours(4);
    pay.VacDys = hours(5);
    pay.Addit = Currency::fromDouble(lenientNumber(txtAmount[6]));
    pay.TipsHrs = hours(7);
}

void CleartxtBox(InputBoxes &txtAmount)
{
    for (std::string &text : txtAmount)
        if (lenientNumber(text) == 0)
            text.clear();
}

} // namespace tallyman
