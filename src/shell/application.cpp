#include "shell/application.h"

#include "shell/backdrop.h"
#include "shell/message_loop.h"
#include "shell/startup.h"

namespace zim {

int runApplication(HINSTANCE instance) {
    if (!startUp(instance))
        return 1;
    if (!createBackdrop()) {
        releaseShell();
        return 1;
    }
    const int exitCode = runMessageLoop();
    releaseShell();
    return exitCode;
}

} // namespace zim
