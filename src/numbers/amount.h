// Amount: the 32-bit money/rate/hours type, and the one checked way to narrow a double into it.
#pragma once

#include <stdexcept>
#include <string>

namespace tallyman {

// Money, rates and hours are single precision, as the stored files are.
using Amount = float;

// Thrown when a value does not fit the type it is stored in (for example 1E+30 hours
// turned into currency). Callers report it; nothing is stored.
class NumberOverflow : public std::range_error {
public:
    explicit NumberOverflow(const std::string& what)
        : std::range_error(what)
    { }
};

// Expressions are evaluated in double and narrowed only where a field is assigned.
// Narrowing a double outside float's range is undefined behaviour, so it is checked here.
Amount toAmount(double value);

// Conversion to a 16-bit integer field: nearest, ties to even, range-checked.
short toInt16(double value);

} // namespace tallyman
