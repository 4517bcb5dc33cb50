// The views that show the Project, which a command or a page refreshes after changing it,
// kept free of <windows.h> like UserPrompts. They never ask the user anything.
#pragma once

namespace zim {

class ProjectViews {
  public:
    virtual ~ProjectViews() = default;

    // Shows the current Project in the File view: name, description, author, date and tree.
    virtual void refreshProjectView() = 0;

    // Rebuilds the structure tree of the Edit view.
    virtual void rebuildStructureTree() = 0;
};

} // namespace zim
