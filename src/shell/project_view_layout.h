// The File view: the five project command buttons down the left edge and, beside them, the
// current-project panel (title, etched line, the structure tree under its label, and the group
// boxes of the project's name, description, author and creation date).
#pragma once

#include <array>

#include "shell/layout_box.h"

namespace zim {

constexpr int projectCommandCount = 5;

// A group box and the control that shows its value inside it.
struct GroupLayout {
    LayoutBox group;
    LayoutBox value;
};

struct ProjectViewLayout {
    std::array<LayoutBox, projectCommandCount> buttons; // identifiers 1 to 5, in order
    LayoutBox title;
    LayoutBox line;
    LayoutBox treeLabel;
    LayoutBox tree;
    GroupLayout name;
    GroupLayout description;
    GroupLayout author;
    GroupLayout created;
};

// The layout for a view whose client area is width x height pixels.
ProjectViewLayout projectViewLayout(int width, int height);

} // namespace zim
