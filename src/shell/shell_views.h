// The shell's views of the Project, refreshed by the project commands and the editor pages:
// the File view's panel and the Edit view's structure tree.
#pragma once

#include "archive/project_views.h"

namespace zim {

class ShellViews : public ProjectViews {
  public:
    void refreshProjectView() override;
    void rebuildStructureTree() override;
};

// The views the shell hands to the project commands and pages.
ProjectViews& shellViews();

} // namespace zim
