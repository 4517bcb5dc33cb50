// What the archive and generator commands ask of the user, kept free of <windows.h> so the
// commands run and are tested natively. The Win32 layer answers with real message boxes and
// dialogs; tests answer from a script. Refreshing the views that show the Project is apart,
// in ProjectViews.
#pragma once

#include <string>

namespace zim {

// Message box flags and answers, with the values Win32 gives them, so the Win32 layer hands
// them through unchanged.
namespace box {
constexpr unsigned ok = 0x0;
constexpr unsigned yesNoCancel = 0x3;
constexpr unsigned yesNo = 0x4;
constexpr unsigned iconHand = 0x10; // the stop icon
constexpr unsigned iconQuestion = 0x20;
constexpr unsigned iconInformation = 0x40;
constexpr unsigned systemModal = 0x1000;
constexpr unsigned taskModal = 0x2000;

constexpr int answerOk = 1;
constexpr int answerCancel = 2;
constexpr int answerYes = 6;
constexpr int answerNo = 7;
} // namespace box

enum class NameDialogKind { newProject, load, save, generator };

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // Shows a message box owned by the main window; returns the answer (box::answerYes, ...).
    virtual int ask(const std::string& text, const std::string& caption, unsigned flags) = 0;

    // Runs a name dialog. Returns 0 when cancelled, 1 for a name not in the dialog's listing,
    // k + 2 for the listing entry at 0-based position k; the name goes into chosenName.
    virtual int nameDialog(NameDialogKind kind, std::string& chosenName) = 0;
};

} // namespace zim
