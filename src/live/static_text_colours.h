// The colours of a text static with its own text attributes, as its parent answers
// WM_CTLCOLORSTATIC for it: the background brush, the drawing mode of the text and the text
// colour. The designer's preview static and the live statics of a preview or generated program
// are coloured by this one rule.
#pragma once

#include <cstdint>
#include <optional>

#include "model/project.h"

namespace zim {

struct StaticBrush {
    enum class Type {
        solidColour,   // CreateSolidBrush(value); its maker deletes it
        systemColour,  // GetSysColorBrush(value), value a COLOR_ number
        stockObject,   // GetStockObject(value)
        systemDefault, // the brush the system gives a static (DefWindowProc)
    } type;
    uint32_t value;
};

struct StaticTextColours {
    StaticBrush background;
    bool opaque; // OPAQUE background mode, else TRANSPARENT
    uint32_t textColour;
};

// A text static (kind 0) whose customColours is not 0 has its own colours; every other static
// leaves them to the system (nothing): simple-graphics statics are drawn in the system's own
// colours, and image statics never take a text scheme. The background is that of
// backgroundKind and backgroundValue: 1 a colour, 2 an entry of the system-colour list, 3 an
// entry of the stock-brush list; a kind or entry that names nothing gives the system's brush,
// so a damaged record never reads outside a list.
std::optional<StaticTextColours> staticTextColours(const StaticControl& control);

} // namespace zim
