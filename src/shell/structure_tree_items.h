// The items of the program structure tree for a Project, in insertion order: the program, the
// wallpaper and its image, then each window followed by its images, buttons and statics.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/project.h"

namespace zim {

// Indexes into treeImages.
enum TreeImage : int {
    programImage = 0,
    wallpaperImage = 1,
    backgroundImageImage = 2,
    windowImage = 3,
    dialogImage = 4,
    buttonImage = 5,
    staticImage = 6,
};

struct StructureItem {
    int parent; // index of the parent item in the list; -1 for the root
    int image;  // used for the selected image too
    std::string text;
    int32_t code;
};

// Counts beyond the capacities are treated as the capacities, so a damaged Project can never
// make the tree read outside its records.
std::vector<StructureItem> structureTreeItems(const Project& source);

} // namespace zim
