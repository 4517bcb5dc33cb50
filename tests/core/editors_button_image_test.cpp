#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editors/controls/button_image_rules.h"
#include "editors/frame/kind_selector.h"
#include "list_test_folder.h"
#include "model/default_project.h"
#include "scripted_image_prompts.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;
using test::ScriptedPrompts;

ButtonControl imageButton() {
    buildDefaultProject();
    ButtonControl copy = button(1, 1);
    chooseButtonKind(copy, button(1, 1), 1);
    return copy;
}

bool writable(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

TEST(EditorsButtonImage, TypeRadiosKeepStylesAndImageKindInStep) {
    ButtonControl copy = imageButton();
    copy.standardImage = 3;
    EXPECT_FALSE(chooseButtonImageType(copy, 129)) << "the current type";
    EXPECT_EQ(buttonPreviewImage(copy).fileName, "Button_001_001.bmp")
        << "a bitmap ignores standardImage";

    ASSERT_TRUE(chooseButtonImageType(copy, 130));
    EXPECT_EQ(copy.imageKind, 1);
    EXPECT_EQ(buttonPreviewImage(copy).standardIcon, 32515u) << "IDI_EXCLAMATION";
    EXPECT_EQ(buttonPreviewImage(copy).fileName, "");

    ASSERT_TRUE(chooseButtonImageType(copy, 129));
    EXPECT_EQ(copy.imageKind, 2);
    EXPECT_EQ(copy.standardImage, 3) << "kept for a later icon";

    chooseButtonImageType(copy, 130);
    for (int32_t own : {0, 7}) {
        copy.standardImage = own;
        EXPECT_EQ(buttonPreviewImage(copy).fileName, "Button_001_001.ico") << own;
        EXPECT_EQ(buttonPreviewImage(copy).standardIcon, 0u) << own;
    }

    // A record with both entries, or with an image kind out of step, is put in order.
    copy.buttonStyles[11] = 1; // BS_BITMAP beside BS_ICON
    EXPECT_TRUE(chooseButtonImageType(copy, 130));
    EXPECT_EQ(copy.buttonStyles[11], 0);
    copy.imageKind = 2;
    EXPECT_TRUE(chooseButtonImageType(copy, 130));
    EXPECT_EQ(copy.imageKind, 1);
    EXPECT_FALSE(chooseButtonImageType(copy, 131));
}

TEST(EditorsButtonImage, SizeCommandsTakeTheMeasuredImageSize) {
    const struct Case {
        int command;
        ImageSize image;
        bool changed;
        int32_t width, height;
    } cases[] = {
        {131, {32, 32}, true, 32, 32},   {132, {32, 48}, true, 100, 48},
        {133, {32, 48}, true, 32, 35},   {131, {100, 35}, false, 100, 35},
        {131, {0, 0}, false, 100, 35},   {133, {-1, 20}, false, 100, 35},
        {134, {32, 32}, false, 100, 35},
    };
    for (const Case& c : cases) {
        int32_t width = 100, height = 35;
        EXPECT_EQ(applyImageSizeCommand(c.command, c.image, width, height), c.changed) << c.command;
        EXPECT_EQ(width, c.width) << c.command;
        EXPECT_EQ(height, c.height) << c.command;
    }
}

TEST(EditorsButtonImage, TemplatesAreCopiedWhenMissingAndNeverOverwrite) {
    ListTestFolder folder;
    const ButtonControl copy = imageButton();
    EXPECT_TRUE(copyMissingButtonTemplates(folder.folders(), copy).empty());
    EXPECT_EQ(folder.content("Button_001_001.bmp"), "template BUTTON_BITMAP.bmp");
    EXPECT_EQ(folder.content("Button_001_001.ico"), "template BUTTON_ICON.ico");

    folder.put("Button_001_001.bmp", "my own picture");
    fs::remove(folder.project() / "Button_001_001.ico");
    EXPECT_TRUE(copyMissingButtonTemplates(folder.folders(), copy).empty());
    EXPECT_EQ(folder.content("Button_001_001.bmp"), "my own picture");
    EXPECT_EQ(folder.content("Button_001_001.ico"), "template BUTTON_ICON.ico");

    // Statics take their own templates; a read-only template gives a writable copy.
    fs::permissions(folder.templates() / "STATIC_ICON.ico", fs::perms::owner_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(
        copyMissingTemplateImages(folder.folders(), ImageOwner::staticControl, " Static_001_002 ")
            .empty());
    EXPECT_EQ(folder.content("Static_001_002.ico"), "template STATIC_ICON.ico");
    EXPECT_TRUE(writable(folder.project() / "Static_001_002.ico"));

    // A missing template is reported and the other one still made.
    fs::remove(folder.templates() / "BUTTON_ICON.ico");
    const FileFailures missing =
        copyMissingTemplateImages(folder.folders(), ImageOwner::button, "Button_001_002");
    ASSERT_EQ(missing.list().size(), 1u);
    EXPECT_NE(missing.list()[0].find("BUTTON_ICON.ico"), std::string::npos);
    EXPECT_EQ(folder.content("Button_001_002.bmp"), "template BUTTON_BITMAP.bmp");
}

TEST(EditorsButtonImage, TemplatesNeverGoThroughALinkOrOutOfTheProject) {
    ListTestFolder folder;
    const fs::path outside = folder.root() / "outside.ico";
    if (test::makeLink(outside, folder.project() / "Button_001_003.ico")) {
        copyMissingTemplateImages(folder.folders(), ImageOwner::button, "Button_001_003");
        EXPECT_FALSE(fs::exists(outside));
        EXPECT_TRUE(fs::is_symlink(folder.project() / "Button_001_003.ico"));
    }

    for (const char* unsafe : {"../Evil", "..\\Evil", "", "CON"}) {
        SCOPED_TRACE(unsafe);
        const auto before = folder.names();
        EXPECT_FALSE(
            copyMissingTemplateImages(folder.folders(), ImageOwner::button, unsafe).empty());
        EXPECT_EQ(folder.names(), before);
        EXPECT_FALSE(fs::exists(folder.root() / "Projects" / "Evil.bmp"));
    }
}

TEST(EditorsButtonImage, AChosenFileReplacesTheImageOnlyWhenItIsWhole) {
    ListTestFolder folder;
    const fs::path chosen = folder.root() / "chosen.bmp";
    test::writeBytes(chosen, test::bytesOf("chosen picture"));
    FileFailures failures;

    folder.put("Button_001_001.bmp", "old picture");
    fs::permissions(folder.project() / "Button_001_001.bmp", fs::perms::owner_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(replaceImageFile(chosen, folder.project(), "Button_001_001",
                                 ControlImageType::bitmap, failures));
    EXPECT_EQ(folder.content("Button_001_001.bmp"), "chosen picture");
    EXPECT_TRUE(writable(folder.project() / "Button_001_001.bmp"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"Button_001_001.bmp"}));

    // Choosing the image itself keeps it.
    EXPECT_TRUE(replaceImageFile(folder.project() / "Button_001_001.bmp", folder.project(),
                                 "Button_001_001", ControlImageType::bitmap, failures));
    EXPECT_EQ(folder.content("Button_001_001.bmp"), "chosen picture");
    EXPECT_TRUE(failures.empty());

    // A file that cannot be read leaves the old image and no half copy.
    EXPECT_FALSE(replaceImageFile(folder.root() / "gone.bmp", folder.project(), "Button_001_001",
                                  ControlImageType::bitmap, failures));
    EXPECT_EQ(folder.content("Button_001_001.bmp"), "chosen picture");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"Button_001_001.bmp"}));

    // A link or a folder in the image's place, or a name that is no file name, is refused.
    const fs::path outside = folder.root() / "outside.ico";
    test::writeBytes(outside, test::bytesOf("outside"));
    const bool linked = test::makeLink(outside, folder.project() / "Button_001_002.ico");
    fs::create_directory(folder.project() / "Button_001_003.bmp");
    failures = {};
    if (linked) {
        EXPECT_FALSE(replaceImageFile(chosen, folder.project(), "Button_001_002",
                                      ControlImageType::icon, failures));
    }
    EXPECT_FALSE(replaceImageFile(chosen, folder.project(), "Button_001_003",
                                  ControlImageType::bitmap, failures));
    EXPECT_FALSE(replaceImageFile(chosen, folder.project(), "../Button_001_001",
                                  ControlImageType::bitmap, failures));
    EXPECT_EQ(failures.list().size(), linked ? 3u : 2u);
    EXPECT_EQ(test::readBytes(outside), test::bytesOf("outside"));
    EXPECT_FALSE(fs::exists(folder.root() / "Projects" / "Button_001_001.bmp"));
}

std::string joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts)
        all += (all.empty() ? "" : "; ") + part;
    return all;
}

TEST(EditorsButtonImage, SelectingANewImageAsksInOrderAndCopiesOnlyWhatWasConfirmed) {
    const char* bitmapOpen = "Select new image | BMP-files (*.bmp)|*.bmp||";
    const struct Case {
        const char* name;
        ControlImageType type;
        int menu, icon;
        bool file;
        int answer;
        ImageSelection result;
        int32_t standardImage;
        const char* asked;
        std::size_t shown;
        const char *icoContent, *bmpContent;
    } cases[] = {
        {"standard icon", ControlImageType::icon, 304, 5, false, 0, ImageSelection::standardIconSet,
         5, "menu; Select new standard icon from 1", 0, "old", "old"},
        {"custom icon", ControlImageType::icon, 305, 0, true, 0, ImageSelection::imageFileCopied, 0,
         "menu; Select new icon | Icons (*.ico)|*.ico||", 1, "chosen", "old"},
        {"menu dismissed", ControlImageType::icon, 0, 0, true, 0, ImageSelection::unchanged, 2,
         "menu", 0, "old", "old"},
        {"bitmap declined", ControlImageType::bitmap, 0, 0, true, box::answerNo,
         ImageSelection::unchanged, 2, bitmapOpen, 2, "old", "old"},
        {"bitmap replaced", ControlImageType::bitmap, 0, 0, true, box::answerYes,
         ImageSelection::imageFileCopied, 2, bitmapOpen, 2, "old", "chosen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListTestFolder folder;
        folder.put("Image_1.ico", "old");
        folder.put("Image_1.bmp", "old");
        const fs::path chosen = folder.root() / "chosen";
        test::writeBytes(chosen, test::bytesOf("chosen"));
        ScriptedPrompts prompts;
        prompts.menuAnswer = c.menu;
        prompts.iconAnswer = c.icon;
        if (c.file)
            prompts.fileAnswer = chosen;
        prompts.questionAnswer = c.answer;
        int32_t standardImage = 2;

        EXPECT_EQ(selectNewImage(ImageOwner::button, c.type, standardImage, "Image_1",
                                 folder.project(), prompts),
                  c.result);
        EXPECT_EQ(standardImage, c.standardImage);
        EXPECT_EQ(joined(prompts.asked), c.asked);
        ASSERT_EQ(prompts.shown.size(), c.shown);
        if (c.type == ControlImageType::bitmap) {
            EXPECT_EQ(prompts.shown[0], "You selected new image for button.\rWould you like to "
                                        "replace current image? | New image selection... | 36");
        }
        EXPECT_EQ(folder.content("Image_1.ico"), c.icoContent);
        EXPECT_EQ(folder.content("Image_1.bmp"), c.bmpContent);
    }
}

TEST(EditorsButtonImage, AFailedCopyIsReportedAndKeepsTheStandardIcon) {
    ListTestFolder folder;
    ButtonControl copy = imageButton();
    chooseButtonImageType(copy, 130);
    copy.standardImage = 4;
    ScriptedPrompts prompts;
    prompts.menuAnswer = 305;
    prompts.fileAnswer = folder.root() / "missing.ico";

    EXPECT_EQ(selectNewButtonImage(copy, folder.project(), prompts), ImageSelection::unchanged);
    EXPECT_EQ(copy.standardImage, 4);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].rfind("The image was not copied...\rCould not copy ", 0), 0u)
        << prompts.shown[0];
    EXPECT_NE(prompts.shown[0].find("Button_001_001.ico"), std::string::npos);
    EXPECT_NE(prompts.shown[0].find("| New icon selection... | 16"), std::string::npos);
    EXPECT_TRUE(folder.names().empty());
}

} // namespace
} // namespace zim
