#include <gtest/gtest.h>

#include <vector>

#include "editors/controls/static_graphics_rules.h"
#include "editors/controls/static_preview_rules.h"
#include "editors/frame/kind_selector.h"
#include "model/default_project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {
namespace {

TEST(EditorsStaticPreview, ThePreviewShowsWhatTheKindDraws) {
    buildDefaultProject();
    StaticControl copy = staticControl(1, 1);
    setCaption(copy.text, "Hello ");
    copy.customFont = 1;
    chooseStyles(copy.extendedStyles, extendedStyleList, {"WS_EX_CLIENTEDGE"});
    StaticPreview preview = staticPreview(copy, 300, 171);
    EXPECT_EQ(preview.styles.style, 0x50000001u) << "child, visible, centred text";
    EXPECT_EQ(preview.styles.extendedStyle, 0x200u);
    EXPECT_EQ((std::vector<int>{preview.place.x, preview.place.y, preview.place.width,
                                preview.place.height}),
              (std::vector<int>{55, 73, 190, 25}));
    EXPECT_EQ(preview.text, "Hello");
    EXPECT_TRUE(preview.customFont);
    EXPECT_FALSE(preview.image.has_value());
    EXPECT_EQ(staticEditTarget(copy), EditTarget::staticControl);

    chooseStaticKind(copy, 2);
    copy.width = 400;
    preview = staticPreview(copy, 300, 171);
    EXPECT_EQ(preview.styles.style, 0x5000000Eu);
    EXPECT_EQ(preview.place.x, 0) << "never left of the host";
    EXPECT_EQ(preview.text, "");
    EXPECT_FALSE(preview.customFont) << "only text statics take a font";
    ASSERT_TRUE(preview.image.has_value());
    EXPECT_EQ(preview.image->fileName, "Static_001_001.bmp");
    EXPECT_EQ(preview.imageType, ControlImageType::bitmap);
}

} // namespace
} // namespace zim
