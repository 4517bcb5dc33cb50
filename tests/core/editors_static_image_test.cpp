#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "editors/controls/static_image_rules.h"
#include "editors/frame/kind_selector.h"
#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/style_lists.h"
#include "model/text_field.h"
#include "scripted_image_prompts.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;
using test::ScriptedPrompts;

// Static 1 of the default project made an image static, as its kind radio does.
StaticControl imageStatic() {
    buildDefaultProject();
    StaticControl copy = staticControl(1, 1);
    chooseStaticKind(copy, 2);
    return copy;
}

uint32_t typeBits(const StaticControl& control) {
    return styleWord(control.staticStyles, staticStyleList) & 0x1F;
}

TEST(EditorsStaticImage, TypeRadiosKeepStylesImageKindAndPreviewInStep) {
    StaticControl copy = imageStatic();
    EXPECT_FALSE(chooseStaticImageType(copy, 168)) << "the current type";
    EXPECT_EQ(staticPreviewImage(copy).fileName, "Static_001_001.bmp")
        << "a bitmap ignores standardImage";

    ASSERT_TRUE(chooseStaticImageType(copy, 169));
    EXPECT_EQ(copy.imageKind, 1);
    EXPECT_EQ(typeBits(copy), 0x3u) << "SS_ICON alone, never OR-ed with SS_BITMAP";
    EXPECT_EQ(staticPreviewImage(copy).standardIcon, 32512u) << "IDI_APPLICATION";
    copy.standardImage = 0;
    EXPECT_EQ(staticPreviewImage(copy).fileName, "Static_001_001.ico");
    EXPECT_EQ(staticPreviewImage(copy).standardIcon, 0u);

    ASSERT_TRUE(chooseStaticImageType(copy, 168));
    EXPECT_EQ(copy.imageKind, 2);
    EXPECT_EQ(typeBits(copy), 0xEu);
    EXPECT_FALSE(chooseStaticImageType(copy, 170));
}

TEST(EditorsStaticImage, FittingToTheImageTakesTheSizeTheSystemGave) {
    const struct Case {
        const char* name;
        bool fitSet;
        int option;
        ImageSize preview;
        bool changed;
        int32_t width, height;
    } cases[] = {
        {"fitted", true, 172, {48, 32}, true, 48, 32},
        {"switched off", false, 172, {48, 32}, false, 190, 25},
        {"another option", true, 170, {48, 32}, false, 190, 25},
        {"no image measured", true, 172, {0, 0}, false, 190, 25},
        {"already that size", true, 172, {190, 25}, false, 190, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StaticControl copy = imageStatic();
        chooseStyles(copy.staticStyles, staticStyleList, {"SS_REALSIZEIMAGE"});
        if (!c.fitSet)
            copy.staticStyles[styleEntry(staticStyleList, "SS_REALSIZEIMAGE") - 1] = 0;
        EXPECT_EQ(takeFittedPreviewSize(copy, c.option, c.preview), c.changed);
        EXPECT_EQ(copy.width, c.width);
        EXPECT_EQ(copy.height, c.height);
    }
}

TEST(EditorsStaticImage, ANewImageStaticStartsFromTheStaticTemplates) {
    ListTestFolder folder;
    StaticControl copy = imageStatic();
    setText(copy.imageName, "Static_001_002");
    folder.put("Static_001_002.ico", "my own icon");
    EXPECT_TRUE(copyMissingStaticTemplates(folder.folders(), copy).empty());
    EXPECT_EQ(folder.content("Static_001_002.bmp"), "template STATIC_BITMAP.bmp");
    EXPECT_EQ(folder.content("Static_001_002.ico"), "my own icon");

    const fs::path chosen = folder.root() / "chosen.ico";
    test::writeBytes(chosen, test::bytesOf("chosen picture"));
    ScriptedPrompts prompts;
    // An icon static's custom icon becomes its own file and leaves the standard icons.
    chooseStaticImageType(copy, 169);
    prompts.menuAnswer = 305;
    prompts.fileAnswer = chosen;
    EXPECT_EQ(selectNewStaticImage(copy, folder.project(), prompts),
              ImageSelection::imageFileCopied);
    EXPECT_EQ(copy.standardImage, 0);
    EXPECT_EQ(folder.content("Static_001_002.ico"), "chosen picture");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"Static_001_002.bmp", "Static_001_002.ico"}));
}

} // namespace
} // namespace zim
