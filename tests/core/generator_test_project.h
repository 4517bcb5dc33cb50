// Small designed projects for the generator tests, built on the default project.
#pragma once

#include <string>
#include <string_view>

#include "model/default_project.h"
#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim::test {

// The default button and static, kept by startProject for the controls added later.
inline ButtonControl& defaultButton() {
    static ButtonControl record;
    return record;
}
inline StaticControl& defaultStatic() {
    static StaticControl record;
    return record;
}

// The default project under another name: one window with one text button and one text
// static, a wallpaper with its image.
inline void startProject(const std::string& name) {
    buildDefaultProject();
    setText(project().program.applicationName, name);
    defaultButton() = button(1, 1);
    defaultStatic() = staticControl(1, 1);
}

// A new last window: window 1's class data, no images, buttons or statics.
inline AppWindow& addWindow() {
    const int w = ++project().program.windowCount;
    window(w) = window(1);
    window(w).imageCount = 0;
    window(w).buttonCount = 0;
    window(w).staticCount = 0;
    return window(w);
}

// A new last button of window w: the default classic button.
inline ButtonControl& addButton(int w) {
    ButtonControl& added = button(w, ++window(w).buttonCount);
    added = defaultButton();
    added.windowNumber = w;
    return added;
}

// A new last static of window w: the default text static.
inline StaticControl& addStatic(int w) {
    StaticControl& added = staticControl(w, ++window(w).staticCount);
    added = defaultStatic();
    added.windowNumber = w;
    return added;
}

inline BackgroundImage& addImage(int w, std::string_view fileName, int32_t fromResource) {
    BackgroundImage& added = image(w, ++window(w).imageCount);
    added = BackgroundImage{};
    added.windowNumber = w;
    added.imageFromResource = fromResource;
    setText(added.fileName, fileName);
    return added;
}

// An image button or image static: kind, image kind, standard image and name.
inline ButtonControl& addImageButton(int w, int32_t kind, int32_t imageKind, int32_t standard,
                                     std::string_view name) {
    ButtonControl& b = addButton(w);
    b.kind = kind;
    b.imageKind = imageKind;
    b.standardImage = standard;
    setText(b.imageName, name);
    return b;
}

inline StaticControl& addImageStatic(int w, int32_t kind, int32_t imageKind, int32_t standard,
                                     std::string_view name) {
    StaticControl& s = addStatic(w);
    s.kind = kind;
    s.imageKind = imageKind;
    s.standardImage = standard;
    setText(s.imageName, name);
    return s;
}

} // namespace zim::test
