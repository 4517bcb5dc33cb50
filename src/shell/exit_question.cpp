#include "shell/exit_question.h"

#include <windows.h>

#include "model/program_state.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

constexpr const char* unsavedQuestion =
    "Your current project was not saved. Would you like to save it before exiting?\r"
    "Select YES, if you want to save project, or select NO to exit program\r"
    "without saving.";
constexpr const char* unsavedCaption = "Warning";

} // namespace

bool exitIsCancelled() {
    if (projectUnsaved != 1 || !mainWindow)
        return false;
    return ask(mainWindow, unsavedQuestion, unsavedCaption,
               MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

} // namespace zim
