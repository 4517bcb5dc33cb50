#include "shell/shell_views.h"

#include "shell/object_code.h"
#include "shell/project_view.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"

namespace zim {

void ShellViews::refreshProjectView() {
    zim::refreshProjectView();
}

// Only the Edit view has a structure pane; the File view's tree is part of its refresh.
void ShellViews::rebuildStructureTree() {
    if (HWND tree = structurePaneTree())
        buildStructureTree(tree, programCode);
}

ProjectViews& shellViews() {
    static ShellViews views;
    return views;
}

} // namespace zim
