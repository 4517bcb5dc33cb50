// The one seam through which the program asks the user anything: message boxes and the colour,
// font, open-file and save-file pickers. The default answers with the real Win32 calls; tests
// install a script that records each question and gives planned answers.
#pragma once

#include <windows.h>

#include <string>

namespace zim {

class UserQuestions {
  public:
    virtual ~UserQuestions() = default;

    virtual int messageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags);
    // The chosen colour, or -1 when the user cancels.
    virtual int chooseColour(HWND owner, int initialColour);
    // Changes font and colour only when the user confirms; returns whether they did.
    virtual bool chooseFont(HWND owner, LOGFONTA& font, COLORREF& colour);
    // The chosen path, or false when the user cancels. `filter` is in the "A (*.a)|*.a||" form.
    virtual bool openFile(HINSTANCE instance, HWND owner, const std::string& title,
                          const std::string& filter, std::string& path);
    virtual bool saveFile(HINSTANCE instance, HWND owner, const std::string& title,
                          const std::string& filter, std::string& path);
};

// The questions in force; tests replace them with setUserQuestions (nullptr restores the real
// ones).
UserQuestions& userQuestions();
void setUserQuestions(UserQuestions* questions);

// A message box through the seam.
int ask(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// The colour and font pickers with the program's flags and custom colours.
int chooseColour(HWND owner, int initialColour);
bool chooseFont(HWND owner, LOGFONTA& font, COLORREF& colour);

// The file pickers: on success `success` is 1 and `path` holds the chosen path.
void openFileDialog(HINSTANCE instance, HWND owner, const std::string& title,
                    const std::string& filter, std::string& path, int& success);
void saveFileDialog(HINSTANCE instance, HWND owner, const std::string& title,
                    const std::string& filter, std::string& path, int& success);

} // namespace zim
