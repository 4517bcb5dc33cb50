#include "editors/frame/background_image_page_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bitmap_files.h"
#include "model/default_project.h"
#include "model/text_field.h"
#include "temp_dir.h"

namespace zim {
namespace {

template <class Record> bool sameRecord(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class BackgroundImagePageRules : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        wallpaper = project().wallpaper;
        buildNewBackgroundImage(image, project().windows[0], 1, 1);
        image.imageFill = 3;
        image.frameMode = 0;
        setText(image.fileName, "Wnd_001_01");
    }
    Wallpaper wallpaper{};
    BackgroundImage image{};
};

TEST_F(BackgroundImagePageRules, TheTreeSelectionNamesTheRecord) {
    buildDefaultProject();
    Project& p = project();
    p.windows[0].imageCount = 1;
    const auto wallpaperImage = editedImageOf(p, {objectBackgroundImage, 0, 1});
    ASSERT_TRUE(wallpaperImage && wallpaperImage->isWallpaper());
    EXPECT_EQ(wallpaperImage->fileName(), "Wallpaper.bmp");
    const auto windowImage = editedImageOf(p, {objectBackgroundImage, 1, 1});
    ASSERT_TRUE(windowImage && !windowImage->isWallpaper());
    p.windows[0].images[0].frameWidth = 77;
    EXPECT_EQ(windowImage->style().frameWidth, 77) << "the page edits the Project's own record";

    for (const ObjectSelection& none :
         {ObjectSelection{objectBackgroundImage, 0, 2},
          ObjectSelection{objectBackgroundImage, 1, 2},
          ObjectSelection{objectBackgroundImage, 2, 1}, ObjectSelection{objectWallpaper, 0, 1},
          ObjectSelection{objectBackgroundImage, 1, 11}})
        EXPECT_FALSE(editedImageOf(p, none).has_value())
            << none.kind << "/" << none.window << "/" << none.control;
}

TEST_F(BackgroundImagePageRules, FillControlsStoreTheirCodesAndTheSelectorShowsThem) {
    const struct Case {
        int control;
        int32_t fill;
        bool tiled, stretched;
        int pushed;
    } cases[] = {
        // Tiled, the centre cell and the first and last of the other cells.
        {35, 1, true, false, 0},
        {22, 0, false, false, 22},
        {18, 3, false, false, 18},
        {21, 10, false, false, 21},
    };
    EditedImage edited(wallpaper);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        BackgroundImagePage page = backgroundImagePageContent(edited);
        page.style.fill = c.control == 35 ? 2 : 1;
        EXPECT_TRUE(pressBackgroundImageControl(page.style, c.control));
        const BackgroundImageChecks checks = backgroundImageChecks(page.style);
        EXPECT_EQ(checks.tiled, c.tiled);
        EXPECT_EQ(checks.stretched, c.stretched);
        EXPECT_EQ(checks.pushedPlacementButton, c.pushed);
        ASSERT_TRUE(saveBackgroundImagePage(edited, page).saved());
        EXPECT_EQ(wallpaper.imageFill, c.fill);
    }
    ImageStyle style = EditedImage(image).style();
    style.fill = 11; // from a damaged file: nothing checked or pushed
    const BackgroundImageChecks none = backgroundImageChecks(style);
    EXPECT_FALSE(none.tiled || none.stretched);
    EXPECT_EQ(none.pushedPlacementButton, 0);
}

TEST_F(BackgroundImagePageRules, APageSavedAsLoadedWritesBackTheRecordItShows) {
    image.drawingScheme = 1;
    image.frameMode = 1;
    image.frameWidth = -3;
    for (EditedImage edited : {EditedImage(wallpaper), EditedImage(image)}) {
        const Wallpaper wallpaperBefore = wallpaper;
        const BackgroundImage imageBefore = image;
        ASSERT_TRUE(saveBackgroundImagePage(edited, backgroundImagePageContent(edited)).saved());
        EXPECT_TRUE(sameRecord(wallpaper, wallpaperBefore));
        EXPECT_TRUE(sameRecord(image, imageBefore));
    }
}

TEST_F(BackgroundImagePageRules, SchemeAndFrameRadiosGoBothWays) {
    ImageStyle s = EditedImage(image).style(); // from file, standard, no frame
    EXPECT_TRUE(pressBackgroundImageControl(s, fromResourceRadio));
    EXPECT_TRUE(pressBackgroundImageControl(s, transparentSchemeRadio));
    EXPECT_TRUE(pressBackgroundImageControl(s, frameRadio));
    EXPECT_FALSE(pressBackgroundImageControl(s, frameRadio));
    EXPECT_FALSE(pressBackgroundImageControl(s, selectNewFrameColorButton));
    const BackgroundImageChecks checks = backgroundImageChecks(s);
    EXPECT_TRUE(checks.fromResource && checks.transparentScheme && checks.frame);
    EXPECT_FALSE(checks.fromFile || checks.standardScheme || checks.noFrame);

    EXPECT_TRUE(pressBackgroundImageControl(s, fromFileRadio));
    EXPECT_TRUE(pressBackgroundImageControl(s, standardSchemeRadio));
    EXPECT_TRUE(pressBackgroundImageControl(s, noFrameRadio));
    EXPECT_EQ(s, EditedImage(image).style());
}

TEST_F(BackgroundImagePageRules, SaveChecksTheBordersOfAFrameAndWritesOnlyThePageFields) {
    const struct Refusal {
        const char* width;
        const char* height;
        const char* message;
        BackgroundImageField focus;
    } refusals[] = {
        {"", "", "Fill the field for frame border width value, please...",
         BackgroundImageField::frameWidth},
        {"2px", "", "Check out the field for frame border width value, please...",
         BackgroundImageField::frameWidth},
        {"3", "4.0", "Check out the field for frame border height value, please...",
         BackgroundImageField::frameHeight},
    };
    EditedImage edited(wallpaper);
    const Wallpaper stored = wallpaper;
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.message);
        BackgroundImagePage page = backgroundImagePageContent(edited);
        page.style.fill = 2;
        page.frameWidth = r.width;
        page.frameHeight = r.height;
        const BackgroundImageSave result = saveBackgroundImagePage(edited, page);
        EXPECT_FALSE(result.saved());
        EXPECT_EQ(result.focus, r.focus);
        EXPECT_EQ(result.refusal.text, r.message);
        EXPECT_EQ(result.refusal.owner, MessageOwner::parametersWindow);
        EXPECT_TRUE(sameRecord(wallpaper, stored));
    }

    // The same page on a window's image writes the same fields into its record.
    for (bool onWallpaper : {true, false}) {
        SCOPED_TRACE(onWallpaper ? "wallpaper" : "window image");
        Wallpaper wallpaperBefore = wallpaper;
        BackgroundImage imageBefore = image;
        EditedImage target = onWallpaper ? EditedImage(wallpaper) : EditedImage(image);
        BackgroundImagePage page = backgroundImagePageContent(target);
        page.style = {true, 9, true, 0x00010203, true, 0x00F0E0D0, 0, 0};
        page.frameWidth = "-4";
        page.frameHeight = " 12 ";
        ASSERT_TRUE(saveBackgroundImagePage(target, page).saved());
        const ImageStyle written{true, 9, true, 0x00010203, true, 0x00F0E0D0, -4, 12};
        EXPECT_EQ(target.style(), written);
        // Every other field stays: with the old style put back, the records are the old ones.
        Wallpaper wallpaperAfter = wallpaper;
        BackgroundImage imageAfter = image;
        if (onWallpaper) {
            EXPECT_EQ(wallpaper.drawingScheme, 1);
            EditedImage(wallpaperAfter).setStyle(EditedImage(wallpaperBefore).style());
        } else {
            EXPECT_EQ(image.frameMode, 1);
            EditedImage(imageAfter).setStyle(EditedImage(imageBefore).style());
        }
        EXPECT_TRUE(sameRecord(wallpaperAfter, wallpaperBefore));
        EXPECT_TRUE(sameRecord(imageAfter, imageBefore));
    }
}

TEST_F(BackgroundImagePageRules, WithoutAFrameTheBorderEditsAreNeitherCheckedNorWritten) {
    EditedImage edited(image);
    image.frameWidth = 6;
    image.frameHeight = 7;
    BackgroundImagePage page = backgroundImagePageContent(edited);
    page.frameWidth = "wide"; // typed while framed, then the frame was switched off
    page.frameHeight = "";
    page.style.transparentColour = 0x00332211;
    ASSERT_TRUE(saveBackgroundImagePage(edited, page).saved());
    EXPECT_EQ(image.frameWidth, 6);
    EXPECT_EQ(image.frameHeight, 7);
    EXPECT_EQ(image.transparentColour, 0x00332211);

    // The preview shows the typed borders as soon as they are numbers.
    pressBackgroundImageControl(page.style, frameRadio);
    page.frameHeight = "9";
    const ImageDrawing pending = pendingImageDrawing(edited, page);
    EXPECT_TRUE(pending.framed);
    EXPECT_EQ(pending.frameBorder.width, 6);
    EXPECT_EQ(pending.frameBorder.height, 9);
    EXPECT_EQ(pending.transparentColour, 0x00332211);
    EXPECT_EQ(pending.bitmapName, "Wnd_001_01");
}

TEST_F(BackgroundImagePageRules, DrawingAreaTextForTheScreenAndForAClientArea) {
    const BitmapHeader header{640, 480, false, 8, 1000};
    const struct Case {
        int32_t placement, useImageSize, rectWidth, rectHeight;
        bool withHeader;
        const char* wallpaperText;
        const char* windowText;
    } cases[] = {
        {0, 1, 10, 10, true, "Drawing area - full screen area",
         "Drawing area - full window client area"},
        {5, 0, 300, -20, true, "Rectangular area - 300(w) x -20(h) pixels",
         "Rectangular area - 300(w) x -20(h) pixels"},
        {10, 1, 300, 20, true, "Rectangular area - 640(w) x 480(h) pixels",
         "Rectangular area - 640(w) x 480(h) pixels"},
        {2, 1, 300, 20, false, "Rectangular area - as large as the image",
         "Rectangular area - as large as the image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.placement);
        wallpaper.imagePlacement = image.placement = c.placement;
        wallpaper.imageSizeMode = image.useImageSize = c.useImageSize;
        wallpaper.imageAreaWidth = image.rectWidth = c.rectWidth;
        wallpaper.imageAreaHeight = image.rectHeight = c.rectHeight;
        const std::optional<BitmapHeader> h =
            c.withHeader ? std::optional<BitmapHeader>(header) : std::nullopt;
        EXPECT_EQ(drawingAreaText(EditedImage(wallpaper), h), c.wallpaperText);
        EXPECT_EQ(drawingAreaText(EditedImage(image), h), c.windowText);
    }
}

TEST_F(BackgroundImagePageRules, InformationLinesComeFromTheBitmapFileInTheProjectFolder) {
    test::TempDir folder;
    test::writeBytes(folder / "Wallpaper.bmp", test::bitmapBytes({800, 600, 24}));
    const BitmapInfoLines lines = bitmapInfoLines(EditedImage(wallpaper), folder.path());
    EXPECT_EQ(lines.fileName, "Wallpaper.bmp");
    EXPECT_EQ(lines.dimensions, "800(w) x 600(h) pixels");
    EXPECT_EQ(lines.colourResolution, "24 BitsPerPixel");
    ASSERT_TRUE(lines.header.has_value());
    EXPECT_EQ(lines.header->width, 800);

    // A window image's own name; missing, it says so and cannot be picked from.
    const BitmapInfoLines missing = bitmapInfoLines(EditedImage(image), folder.path());
    EXPECT_EQ(missing.fileName, "Wnd_001_01.bmp");
    EXPECT_EQ(missing.dimensions,
              "The image file \"Wnd_001_01.bmp\" cannot be read: it is not there.");
    EXPECT_EQ(missing.colourResolution, "");
    EXPECT_FALSE(missing.header.has_value());
    const PageMessage refusal = transparentPickRefusal(missing);
    EXPECT_EQ(refusal.text, missing.dimensions);
    EXPECT_EQ(refusal.caption, "New transparent color selection...");

    // A name from a file that would lead out of the folder is never looked for.
    test::writeBytes(folder.path().parent_path() / "outside.bmp", test::bitmapBytes({}));
    setText(image.fileName, "../outside");
    const BitmapInfoLines outside = bitmapInfoLines(EditedImage(image), folder.path());
    EXPECT_EQ(outside.dimensions, "The image file \"../outside.bmp\" cannot be read: its name is "
                                  "no file name of the project folder.");
    EXPECT_FALSE(outside.header.has_value());
    std::filesystem::remove(folder.path().parent_path() / "outside.bmp");
}

} // namespace
} // namespace zim
