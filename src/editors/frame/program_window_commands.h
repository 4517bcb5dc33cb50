// The window commands of the program page: "Add New Window", "Duplicate Window", "Delete
// Window", "Move Window Up" and "Move Window Down", each on the window selected in the page's
// list. A command asks what it needs, changes the windows and their files at once (the list
// operations) and tells which window the structure tree selects afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editors/frame/page_message.h"
#include "editors/window/list_operation.h"
#include "model/project.h"

namespace zim {

enum class WindowCommand { add, duplicate, remove, moveUp, moveDown };

// What the commands ask of the user. The page answers with message boxes and the title
// prompt; tests answer from a script.
class WindowCommandPrompts {
  public:
    virtual ~WindowCommandPrompts() = default;

    // A message box; the answer (box::answerYes, ...).
    virtual int show(const PageMessage& message) = 0;
    // The title of the new window; a title is required, so it is empty only when the prompt
    // could not be shown.
    virtual std::string newWindowTitle() = 0;
};

// The page's list: one line per window, its number and title ("Window_002 - Tools").
std::vector<std::string> windowListItems(const Project& project);

// Runs the command on window `selected`. A refusal (the limit of 100 windows, the last window,
// no windows to move) is shown and nothing is asked; the first window up and the last down
// change nothing. The page's corrections that Save has not written yet are dropped when the
// windows change, so with `unsavedCorrections` the user confirms that first; a deletion is
// confirmed too. Returns the window to select once the windows changed, nothing otherwise.
std::optional<int> runWindowCommand(Project& project, const ListFolders& folders,
                                    WindowCommand command, int selected, bool unsavedCorrections,
                                    WindowCommandPrompts& prompts);

} // namespace zim
