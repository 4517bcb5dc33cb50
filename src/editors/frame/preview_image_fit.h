// Where the image preview panel draws a bitmap: at its own size when it fits the panel, scaled
// down to fit with a small margin when it does not; centred either way.
#pragma once

#include "shell/layout_box.h"

namespace zim {

// The bitmap's box in a panel of panelWidth x panelHeight. A bitmap that fits (both sides no
// larger than the panel's) keeps its size; a larger one is scaled by
// s = min(W / (bw + 5), H / (bh + 5)) to trunc(bw s) x trunc(bh s). The box is centred with the
// halves truncated toward zero. An empty bitmap gives an empty box.
LayoutBox previewImageBox(int bitmapWidth, int bitmapHeight, int panelWidth, int panelHeight);

} // namespace zim
