// Start-up of the designer, step by step, and its release at exit. runApplication calls the
// steps in order; tests call them one at a time or start the whole shell at once.
#pragma once

#include <windows.h>

#include <string>

namespace zim {

// The message of the start-up step that failed.
extern std::string startupErrorText;

// The message box of a failure that stops the program, or leaves it without a window it needs:
// the text with the caption "Critical Error".
void showCriticalError(const std::string& text);

// The screen must be at least 1024 x 768; a smaller one is refused with a message.
bool checkScreen(int width, int height);

// Each returns "" on success, otherwise the error text of the step.
std::string initialiseCommonControls();
std::string openDefaultProject();

// Steps 1 to 7: the screen check, common controls, the window classes, the shared drawing
// resources (a missing tree image fails the step) and the default project. A failed step shows
// "Critical Error" with its reason, releases what was made and gives false; the program then ends.
bool startUp(HINSTANCE instance);

// Deletes the shared fonts and brushes and the image lists.
void releaseShell();

// For tests: starts up, creates the backdrop and opens the main window at once (no timer
// wait, no animations). Returns the main window, or 0 when start-up failed.
HWND startShellNow(HINSTANCE instance);

// For tests: closes the shell's windows without asking, forgets the quit message that the
// backdrop posts, releases the resources and unregisters the classes.
void stopShell();

} // namespace zim
