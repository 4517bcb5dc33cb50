// The images of the live windows: bitmaps, icons and cursors named by the design. The designer
// loads them from files in the current directory (the project's folder), a generated program
// from its own resources by name. Standard icons and cursors come from the system. A missing
// image is a null handle; nothing is reported.
#pragma once

#include <windows.h>

#include <string>

#include "live/pixel_geometry.h"

namespace zim {

// Whether named images come from the program's resources: in a generated program (designMode 0)
// only; `resourceChosen` is a background image's own choice, which counts only there too.
bool imagesFromResources(bool resourceChosen = true);

// A loaded icon or cursor and whether it is the loader's to destroy: one loaded from a file is;
// a standard one or one from the resources is shared and stays.
struct LiveIcon {
    HICON handle = nullptr;
    bool owned = false;
};

// `name` + ".bmp" from the file, or the bitmap resource `name`. The caller deletes it.
HBITMAP loadLiveBitmap(const std::string& name, bool fromResource);
// `name` + ".ico" at its natural size, or the icon resource `name`.
LiveIcon loadLiveIcon(const std::string& name, bool fromResource);
// `name` + ".cur", or the cursor resource `name`.
LiveIcon loadLiveCursor(const std::string& name, bool fromResource);
// Entry 1 to 6 of the standard icons, 1 to 13 of the standard cursors; null outside.
LiveIcon standardIcon(int entry);
LiveIcon standardCursor(int entry);

void releaseIcon(LiveIcon& icon);
void releaseCursor(LiveIcon& cursor);

PixelSize bitmapSize(HBITMAP bitmap);

} // namespace zim
