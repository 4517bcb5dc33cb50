// Every copy, rename and deletion of one list operation, written down before any file is
// touched, then run as a whole: either every step is done, or what was done is put back.
//
// Running a plan never overwrites a file. Each file that leaves its name (moved or deleted)
// first waits under a parking name beside it; only then do files take their new names, so
// swaps and shifts need no order among themselves. Deleted files are removed last, when
// nothing can fail any more that would need them back.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "archive/file_operations.h"

namespace zim {

struct FileStep {
    enum class Kind { move, copy, remove };
    Kind kind = Kind::move;
    std::filesystem::path source;  // the file to move, copy or delete
    std::filesystem::path parking; // move and remove: where the source waits meanwhile
    std::filesystem::path target;  // move and copy: the new name
};

// Why a plan cannot start. Nothing was touched.
struct PlanObstacle {
    enum class Kind {
        inTheWay, // a file or folder holds a name the plan needs, and the plan does not free it
        link,     // a file the plan would move or delete is a link
        missing,  // a file to move, copy or delete is not there
        notAFile, // a name to move, copy or delete is a folder or another kind of entry
    };
    Kind kind = Kind::inTheWay;
    std::filesystem::path path;
};

class FilePlan {
  public:
    void move(const std::filesystem::path& from, const std::filesystem::path& to);
    void copy(const std::filesystem::path& from, const std::filesystem::path& to);
    void remove(const std::filesystem::path& file);

    const std::vector<FileStep>& steps() const { return steps_; }
    bool empty() const { return steps_.empty(); }

    // The first reason the plan cannot run as it stands, checked against the folder now.
    // Names are compared without regard to letter case, as Windows compares them.
    std::optional<PlanObstacle> obstacle() const;

    // Runs every step. On a failure, puts back in reverse order what was already done and
    // returns false; `failures` then names the step that failed and anything that could not
    // be put back. A deleted file that cannot be removed at the very end stays under its
    // parking name, is listed, and the plan still counts as done.
    bool run(FileFailures& failures) const;

  private:
    std::vector<FileStep> steps_;
};

// The parking name of a file while a plan runs: its own name with a suffix, in its folder.
std::filesystem::path parkingNameOf(const std::filesystem::path& file);

} // namespace zim
