// Live buttons and static controls: real controls made from the model's records inside a live
// window, and their release. Creation writes the record's live slots (its window, font, image
// and brush handles); release frees what creation made and clears them. Neither destroys the
// control window; the live window does, after the release.
#pragma once

#include <windows.h>

#include "model/project.h"

namespace zim {

// The image handed to a control: a bitmap, or an icon, and whether the control's maker frees
// it (a standard icon and one from the resources are shared).
struct ControlImage {
    HANDLE handle = nullptr;
    UINT type = IMAGE_BITMAP;
    bool owned = false;
};

// The styles of a control: WS_CHILD | WS_VISIBLE with the record's window and control styles.
DWORD buttonStyleOf(const ButtonControl& record);
DWORD staticStyleOf(const StaticControl& record);

// Creates the record's control in `parent`, the live window of window `windowNumber`: its
// styles, caption, place, identifier, initial check, own font, image and (statics) background
// brush. Returns the control (0 when it could not be made) and the image it was given.
HWND createLiveButton(ButtonControl& record, int windowNumber, HWND parent, ControlImage& image);
HWND createLiveStatic(StaticControl& record, int windowNumber, HWND parent, ControlImage& image);

// Frees the font, image and brush that creation made and clears the live slots.
void releaseButtonResources(ButtonControl& record, ControlImage& image);
void releaseStaticResources(StaticControl& record, ControlImage& image);

} // namespace zim
