#include "shell/screen_check.h"

namespace zim {

bool screenIsLargeEnough(int width, int height) {
    return width >= minimumScreenWidth && height >= minimumScreenHeight;
}

} // namespace zim
