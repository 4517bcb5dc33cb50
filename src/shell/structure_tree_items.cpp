#include "shell/structure_tree_items.h"

#include <algorithm>

#include "model/text_field.h"
#include "shell/object_code.h"

namespace zim {

namespace {

int withinCapacity(int32_t count, int capacity) {
    return std::clamp(static_cast<int>(count), 0, capacity);
}

void addWindow(std::vector<StructureItem>& items, const Project& source, int w) {
    const AppWindow& window = source.windows[w - 1];
    const int32_t type = source.program.applicationType;
    const int parent = static_cast<int>(items.size());
    items.push_back({0, type == 0 ? windowImage : dialogImage, "ZIM Window", windowCode(type, w)});
    for (int i = 1; i <= withinCapacity(window.imageCount, maxImages); ++i)
        items.push_back({parent, backgroundImageImage, "ZIM Background Image", imageCode(w, i)});
    for (int b = 1; b <= withinCapacity(window.buttonCount, maxButtons); ++b)
        items.push_back({parent, buttonImage, "ZIM Button", buttonCode(w, b)});
    for (int s = 1; s <= withinCapacity(window.staticCount, maxStatics); ++s)
        items.push_back({parent, staticImage, "ZIM Static Control", staticCode(w, s)});
}

} // namespace

std::vector<StructureItem> structureTreeItems(const Project& source) {
    std::vector<StructureItem> items;
    items.push_back(
        {-1, programImage, "ZIM Program - " + shown(source.program.applicationName), programCode});
    if (source.program.wallpaperPresent != 0) {
        items.push_back({0, wallpaperImage, "ZIM Wallpaper", wallpaperCode});
        if (source.wallpaper.imagePresent != 0)
            items.push_back({1, backgroundImageImage, "ZIM Background Image", wallpaperImageCode});
    }
    for (int w = 1; w <= withinCapacity(source.program.windowCount, maxWindows); ++w)
        addWindow(items, source, w);
    return items;
}

} // namespace zim
