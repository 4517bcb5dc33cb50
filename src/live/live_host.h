// What the program around the live windows adds to them. The live windows run in two programs:
// the designer (designMode 1), which hides its own windows while they are shown, owns them by
// its frame window, tells its frame when a preview has ended and asks every question through
// its one seam; and a generated program (designMode 0), which has none of this and whose button
// actions call the user's code. Each program installs the host that says what it does; the
// default host is that of a program without a designer.
#pragma once

#include <windows.h>

#include <string>

namespace zim {

class LiveHost {
  public:
    virtual ~LiveHost() = default;

    // The designer's main window goes (disabled and hidden) while a preview or an edit window
    // is shown, and its way back, the switching window, comes; showDesigner undoes both.
    virtual void hideDesigner() {}
    virtual void showDesigner() {}

    // The owner of the designed windows when the design has no wallpaper.
    virtual HWND frameWindow() { return nullptr; }

    // A preview has ended and its windows are gone; its window classes can go now.
    virtual void previewEnded() {}

    // A message box: button actions and errors.
    virtual int message(HWND owner, const std::string& text, const std::string& caption,
                        UINT flags);

    // A click on button b of window w in a generated program, whatever its action code: the
    // user's own routine.
    virtual void userSubroutine(int windowNumber, int buttonNumber);
};

// The host in force; nullptr restores the default one.
LiveHost& liveHost();
void setLiveHost(LiveHost* host);

} // namespace zim
