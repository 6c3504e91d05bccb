// Signed decimal text for the listings and the report.
#include "game/NumberText.h"

namespace kestrelink {

std::string signedDecimal(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace kestrelink
