#include "editors/frame/background_sample.h"

#include "model/style_lists.h"

namespace zim {

namespace {

constexpr uint32_t colorBackground = 1; // the default class brush's system colour
constexpr uint32_t colorBtnFace = 15;

constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

SampleColour fixed(uint32_t colour) {
    return {SampleColour::Source::rgb, colour};
}

SampleColour system(uint32_t colourNumber) {
    return {SampleColour::Source::systemColour, colourNumber};
}

// In the order of the stock-brush list, the colours the system's stock brushes paint, so the
// sample shows what the designed window will show.
SampleColour stockBrushColour(int32_t entry) {
    switch (entry) {
    case 1:
        return fixed(rgb(0, 0, 0));
    case 2:
        return fixed(rgb(64, 64, 64));
    case 3:
        return fixed(rgb(128, 128, 128));
    case 4:
        return fixed(rgb(192, 192, 192));
    case 5: // the null brush paints nothing: the dialog face shows through
        return system(colorBtnFace);
    case 6:
        return fixed(rgb(255, 255, 255));
    default:
        return system(colorBackground);
    }
}

} // namespace

SampleColour backgroundSampleColour(int32_t kind, int32_t value) {
    switch (kind) {
    case 1:
        return fixed(static_cast<uint32_t>(value));
    case 2:
        if (value >= 1 && value <= systemColourList.count)
            return system(systemColourList[value].value);
        break;
    case 3:
        return stockBrushColour(value);
    }
    return system(colorBackground);
}

} // namespace zim
