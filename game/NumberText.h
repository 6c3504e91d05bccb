// Number texts used by the diagnostic listings and the game report.
#pragma once

#include <string>

namespace kestrelink {

// Decimal digits preceded by one space when the number is zero or positive, by "-" when it is
// negative: 0 gives " 0", 5 gives " 5", -1 gives "-1".
std::string signedDecimal(long long value);

} // namespace kestrelink
