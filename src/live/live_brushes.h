// The brushes of the live windows, made from a background kind and value (1 colour, 2 system
// colour, 3 stock brush), and whether their maker deletes them: only a brush made from a colour
// is the maker's; system-colour and stock brushes belong to the system.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

struct LiveBrush {
    HBRUSH handle = nullptr;
    bool owned = false;
};

// The brush of a window class: a system colour is given as its number + 1 (the class-brush
// convention, which FillRect understands too); any other kind is the default value 2.
LiveBrush classBrushOf(int32_t kind, int32_t value);

// A brush to draw with (a static control's own colours, a dialog's background): a system colour
// is its system brush; an unknown kind gives none.
LiveBrush drawingBrushOf(int32_t kind, int32_t value);

void releaseBrush(LiveBrush& brush);

} // namespace zim
