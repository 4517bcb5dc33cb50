// Helpers for driving real windows in tests: a scripted seam for message boxes and pickers, an
// action on the next modal dialog, a guard that closes every dialog left unanswered, and
// message pumping.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/user_questions.h"

namespace zim::test {

struct AskedQuestion {
    std::string text;
    std::string caption;
    UINT flags;
};

// Records every message box and gives the planned answers in order; a question without a
// planned answer is answered IDOK (IDNO for Yes/No questions) and recorded like any other.
class ScriptedQuestions : public UserQuestions {
  public:
    ScriptedQuestions() { setUserQuestions(this); }
    ~ScriptedQuestions() override { setUserQuestions(nullptr); }

    void planAnswer(int answer) { answers_.push_back(answer); }
    void planColour(int colour) { colours_.push_back(colour); }
    void planFile(const std::string& path) { files_.push_back(path); }
    // The font picker confirms this face and colour; unplanned, it is cancelled.
    void planFont(const std::string& face, COLORREF colour) { fonts_.push_back({face, colour}); }

    const std::vector<AskedQuestion>& asked() const { return asked_; }
    const AskedQuestion& last() const { return asked_.back(); }
    void clear() { asked_.clear(); }

    int messageBox(HWND, const std::string& text, const std::string& caption, UINT flags) override;
    int chooseColour(HWND, int initialColour) override;
    bool chooseFont(HWND, LOGFONTA& font, COLORREF& colour) override;
    bool openFile(HINSTANCE, HWND, const std::string& title, const std::string& filter,
                  std::string& path) override;
    bool saveFile(HINSTANCE instance, HWND owner, const std::string& title,
                  const std::string& filter, std::string& path) override {
        return openFile(instance, owner, title, filter, path);
    }

    std::vector<int> coloursAskedFrom;
    std::vector<std::string> fileFilters;

  private:
    std::vector<AskedQuestion> asked_;
    std::deque<int> answers_;
    std::deque<int> colours_;
    std::deque<std::string> files_;
    std::deque<std::pair<std::string, COLORREF>> fonts_;
};

// Runs `action` on the next dialog (class "#32770": the program's dialogs, message boxes and
// the system's pickers) that this thread activates, from inside that dialog's own message loop,
// once its controls exist. Actions queue up in order; a test that ends with an action whose
// dialog never appeared fails.
void onNextDialog(std::function<void(HWND)> action);
// Whether every queued action has been handed to its dialog.
bool dialogActionsDone();

// From here on, a modal dialog of this thread (with or without an owner) that stays open for
// two seconds without a planned action, or after its action, is closed with the result 0 and
// fails the running test with its title; so a test that forgets to answer a dialog fails
// instead of waiting for a user. The UI tests' main installs it once.
void guardDialogs();

// Dispatches messages until `done` holds or the time runs out; returns `done()`.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches the messages waiting now.
void pumpMessages();

// Real input, as the user gives it: through the system's input queue to the focused (keys) or
// pointed-at (mouse) window of the foreground window, then handled as the program's message
// loop handles it (see pumpThroughLoop).
// Presses and releases a key, with Alt held when asked.
void pressKey(WORD key, bool withAlt = false);
// Presses the left button over the middle of `window` and releases it over the middle of
// `releaseOver` (the same window for a click; another one slides off without clicking).
void mouseClick(HWND window, HWND releaseOver = nullptr);
// Handles the waiting messages with the program's own zim::processMessage until none arrives
// for a moment; a quit message ends it and stays in the queue.
void pumpThroughLoop();

// Text of a control or window.
std::string windowText(HWND window);
// The child with this control identifier whose class is `className` (any class when null).
HWND findChild(HWND parent, int id, const char* className = nullptr);
// The first child whose text is `text`.
HWND findChildByText(HWND parent, const std::string& text);
// Clicks a button as a user would (BM_CLICK).
void click(HWND button);

} // namespace zim::test
