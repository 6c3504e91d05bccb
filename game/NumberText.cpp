// Signed decimal text for the listings and the report.
#include "game/NumberText.h"

namespace kestrelink {

std::string signedDecimal(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace kestrelink
