#include "shell/application.h"

#include "model/programming_error.h"
#include "shell/backdrop.h"
#include "shell/message_loop.h"
#include "shell/startup.h"

namespace zim {

namespace {

// A programming error stops the designer; the user sees why before it goes, straight from
// the system, since the program's own windows may be in any state.
void showProgrammingError(const std::string& message) {
    MessageBoxA(nullptr, ("The designer must stop: " + message).c_str(), "Critical Error",
                MB_ICONHAND | MB_TASKMODAL | MB_SETFOREGROUND);
}

} // namespace

int runApplication(HINSTANCE instance) {
    setProgrammingErrorHandler(showProgrammingError);
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
