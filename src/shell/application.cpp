#include "shell/application.h"

namespace zim {

int runApplication(HINSTANCE) {
    // The shell is not built yet: start and end cleanly.
    return 0;
}

} // namespace zim
