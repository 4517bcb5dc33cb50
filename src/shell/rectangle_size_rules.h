// Checks of the bounding-rectangle size dialog and where the chosen rectangle is drawn.
#pragma once

#include <string_view>

namespace zim {

enum class RectangleField { none, width, height };

// The first failing check, width before height: its message and the field to correct. An
// accepted size has no message, field none and the two numbers.
struct RectangleSizeCheck {
    const char* message;
    RectangleField field;
    int width;
    int height;

    bool accepted() const { return message == nullptr; }
};

// Each field must hold a positive whole number (blanks around it are ignored) no larger than
// the screen in its direction.
RectangleSizeCheck checkRectangleSize(std::string_view widthText, std::string_view heightText,
                                      int screenWidth, int screenHeight);

struct PlacedRectangle {
    int left, top, right, bottom;
};

// A rectangle of the given size centred in an area, halves truncated toward zero.
PlacedRectangle centredRectangle(int areaWidth, int areaHeight, int width, int height);

} // namespace zim
