#include "shell/selection_state.h"

namespace zim {

int32_t pendingBackgroundKind = 1;
int32_t pendingBackgroundValue = 0;
int32_t pendingCursor = 1;
int32_t iconTarget = 0;
int32_t pendingIcon = 1;
int32_t pendingSmallIcon = 1;
int32_t selectedButton = 1;
int32_t selectedStatic = 1;
int32_t selectedImage = 1;

} // namespace zim
