#include "editors/controls/static_preview_rules.h"

#include "editors/controls/static_image_rules.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr uint32_t childAndVisible = 0x50000000; // WS_CHILD | WS_VISIBLE

constexpr int32_t textStatic = 0;
constexpr int32_t imageStatic = 2;

} // namespace

StaticPreview staticPreview(const StaticControl& copy, int hostWidth, int hostHeight) {
    StaticPreview preview;
    preview.styles = {childAndVisible | styleWord(copy.staticStyles, staticStyleList) |
                          styleWord(copy.windowStyles, windowStyleList),
                      styleWord(copy.extendedStyles, extendedStyleList)};
    preview.place = centredPreviewPlace(copy.width, copy.height, hostWidth, hostHeight);
    const bool text = copy.kind == textStatic;
    if (text)
        preview.text = shown(copy.text);
    preview.customFont = text && copy.customFont == 1;
    preview.imageType = staticImageType(copy);
    if (copy.kind == imageStatic)
        preview.image = staticPreviewImage(copy);
    return preview;
}

} // namespace zim
