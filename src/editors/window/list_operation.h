// One list operation (add, replace, delete, move or duplicate of images, buttons, statics or
// windows), planned whole before it runs: the copies, renames and deletions of its files and
// the change it makes to the Project. The Project changes only after every file step is done,
// so records and files never disagree.
//
// A page plans the operation, shows a refusal if there is one, and runs it at once:
//     ListResult result = planDeleteButton(project, folders, w, selected).run();
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archive/file_operations.h"
#include "editors/frame/page_message.h"
#include "editors/window/file_plan.h"

namespace zim {

// Where an operation's files live: the open project's folder and the template images.
struct ListFolders {
    std::filesystem::path project;
    std::filesystem::path templates;
};

enum class ListStatus {
    done,    // the files and the Project changed (a move at the end of its list changes nothing)
    refused, // nothing changed; `refusal` is the message to show
    failed,  // a file step failed; files were put back and the Project did not change
};

struct ListResult {
    ListStatus status = ListStatus::done;
    PageMessage refusal;
    // failed: the step that failed and anything that could not be put back.
    // done: what could not be tidied up afterwards (a deleted file left under its parking
    // name, a missing template image); the records and the other files are all in place.
    FileFailures failures;
    // The position the page selects afterwards (1-based; 0 when the list is empty).
    int position = 0;
    // Window deletion: the windows (by their new numbers) whose owner was deleted.
    std::vector<int> ownersCleared;
};

class ListOperation {
  public:
    static ListOperation refused(PageMessage message);
    // An operation that could not be planned, such as an unreadable project folder.
    static ListOperation failed(FileFailures failures);
    // A planned operation; `outcome` is what its result reports when the steps are done (the
    // position to select, cleared owners, notes on things to tidy up). When its files stand
    // in the way it becomes a refusal under `caption`.
    static ListOperation planned(const std::string& caption, FilePlan files,
                                 std::function<void()> change, ListResult outcome);

    ListStatus status() const { return result_.status; }
    const PageMessage& refusal() const { return result_.refusal; }
    const FilePlan& files() const { return files_; }

    // Runs the file steps and, when they are done, changes the Project. Run it right after
    // planning: the plan describes the folder and the Project as they were then. A second
    // run does nothing and gives the first run's result.
    ListResult run();

  private:
    bool ran_ = false;
    ListResult result_;
    FilePlan files_;
    std::function<void()> change_;
};

} // namespace zim
