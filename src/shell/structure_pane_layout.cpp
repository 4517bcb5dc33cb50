#include "shell/structure_pane_layout.h"

namespace zim {

EditViewLayout editViewLayout(int width, int height) {
    const int quarter = width / 4;
    return {{0, 0, quarter, height}, {quarter + 1, 0, width - (quarter + 1), height}};
}

StructurePaneLayout structurePaneLayout(int width, int height) {
    return {{10, 30, width - 20, height - 80}, {10, height - 40, width - 20, 30}};
}

} // namespace zim
