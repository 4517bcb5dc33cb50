#include "live/live_classes.h"

#include <map>

#include "live/live_brushes.h"
#include "live/live_images.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr int32_t imageFromFile = 0;
constexpr int32_t noIcon = 7;
constexpr int32_t noCursor = 14;

struct ClassResources {
    LiveBrush brush;
    LiveIcon cursor;
    LiveIcon icon;
    LiveIcon smallIcon;
};

std::map<std::string, ClassResources>& registered() {
    static std::map<std::string, ClassResources> classes;
    return classes;
}

void release(ClassResources& resources) {
    releaseBrush(resources.brush);
    releaseCursor(resources.cursor);
    releaseIcon(resources.icon);
    releaseIcon(resources.smallIcon);
}

// Source 0: the named file (or resource); 1 to the last entry: that standard icon or cursor;
// the value after the list (and anything else): none.
LiveIcon iconBySource(int32_t source, const std::string& name) {
    if (source == imageFromFile)
        return loadLiveIcon(name, imagesFromResources());
    return source == noIcon ? LiveIcon{} : standardIcon(source);
}

LiveIcon cursorBySource(int32_t source, const std::string& name) {
    if (source == imageFromFile)
        return loadLiveCursor(name, imagesFromResources());
    return source == noCursor ? LiveIcon{} : standardCursor(source);
}

bool registerWith(const std::string& name, UINT style, WNDPROC procedure,
                  ClassResources resources) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = resources.icon.handle;
    wc.hIconSm = resources.smallIcon.handle;
    wc.hCursor = resources.cursor.handle;
    wc.hbrBackground = resources.brush.handle;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExA(&wc)) {
        release(resources);
        return false;
    }
    registered()[name] = resources;
    return true;
}

} // namespace

std::string designedClassName(int w) {
    return "ZIM_Window" + formatNumber3(w) + " Class";
}

bool registerDesignedClass(const std::string& name, int w, WNDPROC procedure) {
    const AppWindow& record = window(w);
    ClassResources resources;
    resources.brush = classBrushOf(record.backgroundKind, record.backgroundValue);
    resources.cursor = cursorBySource(record.cursorSource, shown(record.cursorName));
    resources.icon = iconBySource(record.iconSource, shown(record.iconName));
    resources.smallIcon = iconBySource(record.smallIconSource, shown(record.smallIconName));
    return registerWith(name, styleWord(record.classStyles, classStyleList), procedure, resources);
}

bool registerWallpaperClass(const Wallpaper& wallpaper, WNDPROC procedure) {
    ClassResources resources;
    resources.brush = classBrushOf(wallpaper.backgroundKind, wallpaper.backgroundValue);
    resources.cursor = {LoadCursorA(nullptr, IDC_ARROW), false};
    resources.icon = loadLiveIcon(shown(wallpaper.iconFile), imagesFromResources());
    resources.smallIcon = loadLiveIcon(shown(wallpaper.smallIconFile), imagesFromResources());
    return registerWith(wallpaperClassName, 0, procedure, resources);
}

bool unregisterLiveClass(const std::string& name) {
    auto it = registered().find(name);
    if (it == registered().end())
        return false;
    if (!UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr)))
        return false;
    release(it->second);
    registered().erase(it);
    return true;
}

bool liveClassRegistered(const std::string& name) {
    return registered().count(name) != 0;
}

HBRUSH liveClassBrush(const std::string& name) {
    auto it = registered().find(name);
    return it == registered().end() ? nullptr : it->second.brush.handle;
}

} // namespace zim
