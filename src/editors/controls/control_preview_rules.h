// The live preview of a button or static page: the style words of the preview control, where
// it stands in its box, its check state, and the colour of the box, which is the background of
// the control's window.
#pragma once

#include <cstdint>

#include "model/project.h"

namespace zim {

struct PreviewStyles {
    uint32_t style;         // WS_CHILD | WS_VISIBLE and every chosen button and window style
    uint32_t extendedStyle; // every chosen extended style
};

PreviewStyles buttonPreviewStyles(const ButtonControl& button);

struct PreviewPlace {
    int x, y, width, height;
};

// A classic button's preview in a box of w by h: a group box fills the box but for a margin
// of 5; any other type is 30 high, vertically centred, 10 from either side.
PreviewPlace classicPreviewPlace(const ButtonControl& button, int boxWidth, int boxHeight);

// A control of its own size centred in the box, never left of or above the box's origin
// (image buttons and every static).
PreviewPlace centredPreviewPlace(int width, int height, int boxWidth, int boxHeight);

// The check state (BM_SETCHECK value) a three-state check box preview shows: 1 checked,
// 2 indeterminate, 0 for anything else. Other types are not given a check state: -1.
int previewCheckState(const ButtonControl& button);

// The caption of a classic button's preview.
constexpr const char* classicPreviewText = "Selected Button Type Preview";

// The colour behind a preview is the window's background sample: see
// editors/frame/background_sample.h.

} // namespace zim
