// The preview of the designed application: the wallpaper (when the design has one) and window 1
// as real windows. In the designer (designMode 1) the designer's windows go while it runs and
// come back when it ends; in a generated program (designMode 0) the same start runs the program,
// and its end ends the program.
#pragma once

namespace zim {

// Text of the message shown when the preview's window classes cannot be registered.
constexpr const char* previewClassError = "Error while registering preview window class";

// Starts the preview: hides the designer, frees the classes of an earlier preview, registers
// one class per window of kind 0 and shows the wallpaper, whose timer then opens window 1, or
// window 1 at once. A modal dialog as window 1 runs before this returns. Returns false when
// nothing was started: a preview is already running, or a class could not be registered (the
// designer is back then).
bool startPreview();

bool previewRunning();

// The switching window's "Back": closes window 1, which ends the preview. Before window 1 is
// shown (or when it could not be created) the preview ends at once.
void closeFirstWindow();

// Unregisters the classes of the preview that has ended and frees their brushes, cursors and
// icons. Nothing happens while a preview is running.
void releasePreviewClasses();

// Called by every designed window when it goes: window 1 ends the preview unless the wallpaper
// does that.
void designedWindowClosed(int w);

// Called by the wallpaper window when it goes: the preview has ended.
void wallpaperClosed();

} // namespace zim
