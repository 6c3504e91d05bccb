// Board geometry in twips (1/1440 inch), measured from the top-left corner of the game window's
// client area, x to the right and y downward. Single precision, as positions keep halves.
#pragma once

namespace kestrelink {

struct TwipPoint {
    float x = 0;
    float y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipRect&) const = default;
    float right() const { return left + width; }
    float bottom() const { return top + height; }
};

struct TwipLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    bool operator==(const TwipLine&) const = default;
};

} // namespace kestrelink
