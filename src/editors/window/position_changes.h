// Which positional files a list operation concerns and where each of them goes. A list of
// places (the windows of the design, or the images, buttons or statics of one window) changes
// by a position map; every file named after a place of that list follows its place.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "archive/file_operations.h"
#include "editors/window/file_plan.h"
#include "editors/window/positional_names.h"

namespace zim {

struct PlaceList {
    enum class Family { windows, images, buttons, statics };
    Family family = Family::windows;
    int window = 0; // images, buttons and statics: the window that holds them

    // The position of a file's place in this list, or 0 when the file is not of this list. A
    // window's files are its own, its images' and its controls'.
    int positionOf(const PositionalName& name) const;
    PositionalName movedTo(const PositionalName& name, int position) const;
};

// Where the place at each position of a list goes. Positions the map does not name stay.
class PositionMap {
  public:
    // The place at `position` goes away; those after it, up to `count`, move down by one.
    static PositionMap removing(int position, int count);
    // Two places change positions.
    static PositionMap swapping(int a, int b);
    // The place at `position` is emptied: a new record takes it and its old files go.
    static PositionMap clearing(int position);

    // The new position, or nothing when the place goes away.
    std::optional<int> operator()(int position) const;

  private:
    enum class Kind { removing, swapping, clearing } kind_ = Kind::clearing;
    int a_ = 0;
    int b_ = 0;
};

struct PositionalFile {
    std::filesystem::path path;
    PositionalName name;
};

// The entries of the folder that carry positional names: files, and also folders and links,
// so a plan that needs their names can refuse. Nothing when the folder cannot be read; the
// reason is in `failures`.
std::optional<std::vector<PositionalFile>> positionalFilesIn(const std::filesystem::path& folder,
                                                             FileFailures& failures);

// Adds the steps that take every file of the list's places where the map sends its place.
void planPositionChanges(FilePlan& plan, const std::vector<PositionalFile>& files,
                         const PlaceList& list, const PositionMap& map);

// Adds a copy of every file of the place at `from` under the names of the place at `to`.
void planPlaceCopies(FilePlan& plan, const std::vector<PositionalFile>& files,
                     const PlaceList& list, int from, int to);

} // namespace zim
