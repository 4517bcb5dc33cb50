#include "editors/window/window_type_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "bitmap_files.h"
#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/text_field.h"
#include "window_page_script.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;
using test::WindowPageScript;

// A copy of one window record, to tell whether a step changed it.
class WindowSnapshot {
  public:
    explicit WindowSnapshot(int w) : w_(w), copy_(std::make_unique<AppWindow>(window(w))) {}
    bool unchanged() const { return std::memcmp(copy_.get(), &window(w_), sizeof(AppWindow)) == 0; }

  private:
    int w_;
    std::unique_ptr<AppWindow> copy_;
};

// An image's drawing: fill, frame mode, placement, image size, rectangle and file.
std::string drawingRow(const BackgroundImage& image) {
    return std::to_string(image.imageFill) + " " + std::to_string(image.frameMode) + " " +
           std::to_string(image.placement) + " " + std::to_string(image.useImageSize) + " " +
           std::to_string(image.rectWidth) + "x" + std::to_string(image.rectHeight) + " " +
           trimmed(image.fileName);
}

// A window's type and size: kind, animation and time, size mode and size, placement mode,
// corner and grid cell.
std::string typeRow(const AppWindow& w) {
    return std::to_string(w.kind) + " " + std::to_string(w.animate) + "/" +
           std::to_string(w.appearanceTime) + " " + std::to_string(w.sizeMode) + " " +
           std::to_string(w.width) + "x" + std::to_string(w.height) + " " +
           std::to_string(w.placementMode) + " " + std::to_string(w.x) + "," + std::to_string(w.y) +
           " " + std::to_string(w.placement);
}

class WindowTypeRules : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        test::writeBytes(folder.templates() / "WND_BACKGROUND.bmp", templateBytes);
    }
    WindowTypePage pageOf(int w = 1) { return WindowTypePage(project(), w, folder.folders()); }
    // Window 2, a fresh window beside window 1.
    void addSecondWindow() {
        buildNewWindow(project().windows[1], 2);
        project().program.windowCount = 2;
    }
    // Window 1 holds one image, drawn unlike a new image, with a file.
    BackgroundImage& giveFirstImage() {
        AppWindow& w = project().windows[0];
        buildNewBackgroundImage(w.images[0], w, 1, 1);
        w.images[0].imageFill = 5;
        w.images[0].frameMode = 1;
        w.images[0].placement = 10;
        w.imageCount = 1;
        folder.put("Wnd_001_01.bmp", "own image");
        return w.images[0];
    }

    const std::vector<char> templateBytes = test::bitmapBytes({8, 6});
    const std::string templateText{templateBytes.begin(), templateBytes.end()};
    ListTestFolder folder;
};

TEST_F(WindowTypeRules, ShowingOrSavingAWindowInImageSizeResetsNothingUntilTheModeIsChosen) {
    project().windows[0].sizeMode = 1;
    {
        const WindowSnapshot before(1);
        WindowTypePage page = pageOf();
        EXPECT_TRUE(page.checks().imageDimensions);
        EXPECT_TRUE(page.previewImage().shown);
        EXPECT_EQ(page.previewImage().fileName, "Wnd_001_01.bmp");
        EXPECT_TRUE(page.restore().empty());
        EXPECT_TRUE(page.save().saved());
        EXPECT_TRUE(before.unchanged()) << "no image was added";
        EXPECT_TRUE(folder.names().empty()) << "no template was copied";
    }

    BackgroundImage& first = giveFirstImage();
    const WindowSnapshot withImage(1);
    WindowTypePage page = pageOf();
    EXPECT_TRUE(page.save().saved());
    EXPECT_TRUE(withImage.unchanged()) << "image 1 keeps its drawing";

    const WindowTypeStep chosen = page.press(useImageDimensionsRadio);
    EXPECT_TRUE(chosen.previewChanged);
    EXPECT_TRUE(withImage.unchanged()) << "only Save writes";
    ASSERT_TRUE(page.save().saved());
    EXPECT_EQ(drawingRow(first), "3 0 0 1 150x100 Wnd_001_01");
    EXPECT_EQ(project().windows[0].imageCount, 1);
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), "own image");
}

TEST_F(WindowTypeRules, TheTemplateImageIsProvisionalUntilSavedInImageSize) {
    addSecondWindow();
    const WindowSnapshot before(2);
    WindowTypePage page = pageOf(2);

    EXPECT_TRUE(page.press(useImageDimensionsRadio).previewChanged);
    EXPECT_EQ(folder.content("Wnd_002_01.bmp"), templateText);
    EXPECT_EQ(page.previewImage().fileName, "Wnd_002_01.bmp");
    EXPECT_TRUE(before.unchanged());

    const WindowTypeStep manual = page.press(manualSettingsRadio);
    EXPECT_TRUE(manual.previewChanged);
    EXPECT_FALSE(manual.message);
    EXPECT_FALSE(page.previewImage().shown);
    EXPECT_TRUE(folder.names().empty()) << "choosing another mode deletes the copy";

    page.press(useImageDimensionsRadio);
    page.press(fixClientAreaRadio);
    EXPECT_TRUE(folder.names().empty());

    page.press(useImageDimensionsRadio);
    EXPECT_TRUE(page.restore().empty());
    EXPECT_TRUE(folder.names().empty()) << "Restore deletes the copy too";
    EXPECT_TRUE(page.checks().manualSettings);
    EXPECT_TRUE(before.unchanged());

    page.press(useImageDimensionsRadio);
    ASSERT_TRUE(page.save().saved());
    const AppWindow& w = project().windows[1];
    EXPECT_EQ(w.sizeMode, 1);
    ASSERT_EQ(w.imageCount, 1);
    EXPECT_EQ(drawingRow(w.images[0]), "3 0 0 1 150x100 Wnd_002_01");
    EXPECT_EQ(w.images[0].windowNumber, 2);
    // The copy is the window's image now: nothing takes it away again.
    page.press(manualSettingsRadio);
    EXPECT_TRUE(page.discard().empty());
    EXPECT_TRUE(page.restore().empty());
    EXPECT_EQ(folder.content("Wnd_002_01.bmp"), templateText);
}

TEST_F(WindowTypeRules, ImageSizeWithoutATemplateOrThroughALinkKeepsTheSizeMode) {
    const WindowSnapshot before(1);
    const fs::path outside = folder.root() / "outside.bmp";
    WindowTypePage page = pageOf();
    WindowTypeStep step;
    if (test::makeLink(outside, folder.project() / "Wnd_001_01.bmp")) {
        step = page.press(useImageDimensionsRadio);
        ASSERT_TRUE(step.message);
        EXPECT_NE(step.message->text.find("link"), std::string::npos) << step.message->text;
        EXPECT_TRUE(step.changed) << "the radio's check is set back";
        EXPECT_TRUE(page.checks().manualSettings);
        EXPECT_FALSE(fs::exists(outside));
    }

    fs::remove(folder.project() / "Wnd_001_01.bmp");
    fs::remove(folder.templates() / "WND_BACKGROUND.bmp");
    step = page.press(useImageDimensionsRadio);
    ASSERT_TRUE(step.message);
    EXPECT_NE(step.message->text.find("WND_BACKGROUND.bmp"), std::string::npos);
    EXPECT_TRUE(page.save().saved());
    EXPECT_TRUE(before.unchanged());
}

TEST_F(WindowTypeRules, SelectNewImageAsksFirstAndTakesOnlyBitmaps) {
    WindowPageScript script;
    WindowTypePage page = pageOf();
    EXPECT_FALSE(page.selectNewImage(script).previewChanged);
    EXPECT_TRUE(script.pickers.empty()) << "only in image size";

    page.press(useImageDimensionsRadio);
    page.selectNewImage(script);
    EXPECT_EQ(script.pickers.size(), 1u);

    const std::vector<char> chosenBytes = test::bitmapBytes({20, 10});
    test::writeBytes(folder.root() / "chosen.bmp", chosenBytes);
    script.file = folder.root() / "chosen.bmp";
    script.answer = box::answerNo;
    EXPECT_FALSE(page.selectNewImage(script).previewChanged);
    EXPECT_EQ(script.messages.end()[-2].text,
              "You selected new image as background for window.\rWould you like to replace "
              "current image?");
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), templateText);

    folder.put("../not-a-bitmap.bmp", "text");
    script.file = folder.project() / ".." / "not-a-bitmap.bmp";
    script.answer = box::answerYes;
    EXPECT_FALSE(page.selectNewImage(script).previewChanged);
    EXPECT_EQ(script.messages.back().flags, box::ok | box::iconHand);
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), templateText);

    script.file = folder.root() / "chosen.bmp";
    EXPECT_TRUE(page.selectNewImage(script).previewChanged);
    EXPECT_EQ(test::readBytes(folder.project() / "Wnd_001_01.bmp"), chosenBytes);
    // Without images the chosen file is as provisional as the template was.
    page.press(manualSettingsRadio);
    EXPECT_TRUE(folder.names().empty());

    // A window's own image 1 is replaced at once, and Restore does not bring it back.
    giveFirstImage();
    WindowTypePage withImage = pageOf();
    withImage.press(useImageDimensionsRadio);
    EXPECT_TRUE(withImage.selectNewImage(script).previewChanged);
    withImage.restore();
    EXPECT_EQ(test::readBytes(folder.project() / "Wnd_001_01.bmp"), chosenBytes);
    EXPECT_EQ(project().windows[0].imageCount, 1);
}

// The typed edits in page order, split at '|': time, window width and height, client width and
// height, x and y.
void type(WindowTypePage& page, const std::string& texts) {
    WindowTypeTexts& t = page.texts();
    std::string* fields[] = {&t.appearanceTime,
                             &t.windowWidth,
                             &t.windowHeight,
                             &t.clientWidth,
                             &t.clientHeight,
                             &t.x,
                             &t.y};
    const std::string all = texts + "||||||";
    std::size_t from = 0;
    for (std::string* field : fields) {
        const std::size_t bar = all.find('|', from);
        *field = all.substr(from, bar - from);
        from = bar + 1;
    }
}

TEST_F(WindowTypeRules, SaveRefusesTheFirstBadFieldInOrderAndStoresNothing) {
    using F = WindowTypeField;
    // Fields the chosen radios leave unused are skipped whatever they hold.
    const struct Case {
        int appearance, sizeMode, placement; // the radios pressed
        const char* texts;
        F focus;
        const char* message; // checked for a few
    } cases[] = {
        {11, 52, 49, "|x|x||||", F::appearanceTime,
         "Fill the field for appearance time value, please..."},
        {10, 52, 49, "x|-1|||||", F::windowWidth, nullptr},
        {10, 52, 49, "|0|2.5||||", F::windowHeight,
         "Check out the field for window height, please..."},
        {10, 66, 49, "|x|x||x||", F::clientWidth, nullptr},
        {10, 66, 49, "|||5|1e3||", F::clientHeight, nullptr},
        {10, 47, 50, "||||| |7", F::x, nullptr},
        {10, 52, 50, "|0|0|||0|y", F::y, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts);
        const WindowSnapshot before(1);
        WindowTypePage page = pageOf();
        page.press(c.appearance);
        page.press(c.sizeMode);
        page.press(c.placement);
        type(page, c.texts);
        const WindowTypeSave result = page.save();
        EXPECT_EQ(result.focus, c.focus);
        if (c.message) {
            EXPECT_EQ(result.refusal.text, c.message);
        }
        EXPECT_EQ(result.refusal.owner, MessageOwner::parametersWindow);
        EXPECT_TRUE(before.unchanged());
        const std::string typed = c.texts;
        EXPECT_EQ(page.texts().appearanceTime, typed.substr(0, typed.find('|')))
            << "the user's text stays";
        page.discard();
    }
}

TEST_F(WindowTypeRules, SaveWritesWhatTheChoicesUseAndWindowOneSetsTheApplicationType) {
    addSecondWindow();
    WindowTypePage page = pageOf();
    page.press(modelessDialogRadio);
    page.press(windowAnimatedRadio);
    page.press(fixClientAreaRadio);
    page.press(cornerCoordinatesRadio);
    type(page, " 750 |1|1|640|480|12|34");
    page.texts().title = std::string(119, 'T') + "XYZ";
    WindowTypeSave result = page.save();
    ASSERT_TRUE(result.saved());
    const AppWindow& w = project().windows[0];
    // The grid cell is kept for a later predefined placement.
    EXPECT_EQ(typeRow(w), "1 1/750 2 640x480 1 12,34 4");
    EXPECT_EQ(trimmed(w.title), std::string(119, 'T') + "X");
    EXPECT_EQ(project().program.applicationType, 1);
    EXPECT_EQ(result.treeCode, 400100);
    EXPECT_EQ(page.texts().clientWidth, "640") << "the page shows the saved window again";

    page.press(standardWindowRadio);
    page.press(windowImmediatelyRadio);
    page.press(predefinedPlacementRadio);
    page.press(firstPlacementButton + 8);
    type(page, "soon|0|0|x|x|x|x");
    page.press(manualSettingsRadio);
    result = page.save();
    ASSERT_TRUE(result.saved());
    // The time is stored only while animated, the corner only at the corner.
    EXPECT_EQ(typeRow(w), "0 0/750 0 0x0 0 12,34 8");
    EXPECT_EQ(project().program.applicationType, 0);
    EXPECT_EQ(result.treeCode, 300100);

    // Another window's kind never changes the application's type.
    const WindowSnapshot first(1);
    WindowTypePage second = pageOf(2);
    second.press(modalDialogRadio);
    result = second.save();
    ASSERT_TRUE(result.saved());
    EXPECT_EQ(project().windows[1].kind, 2);
    EXPECT_EQ(project().program.applicationType, 0);
    EXPECT_EQ(result.treeCode, 300200);
    EXPECT_TRUE(first.unchanged());
}

TEST_F(WindowTypeRules, RadiosKeepAModalDialogStillAndThePlacementButtonFollowsTheMode) {
    WindowTypePage page = pageOf(); // the default window is animated
    EXPECT_TRUE(page.checks().animated);
    EXPECT_TRUE(page.press(modalDialogRadio).changed);
    EXPECT_TRUE(page.checks().modalDialog && page.checks().immediately);

    const WindowTypeStep refused = page.press(windowAnimatedRadio);
    ASSERT_TRUE(refused.message);
    EXPECT_TRUE(refused.changed);
    EXPECT_FALSE(page.choices().animated);

    page.press(modelessDialogRadio);
    page.press(windowAnimatedRadio);
    EXPECT_TRUE(page.choices().animated);
    EXPECT_FALSE(page.press(1234).changed);

    EXPECT_EQ(page.checks().pushedPlacementButton, 22) << "the default window is centred";
    page.press(predefinedPlacementRadio); // starts again at the top-left cell
    EXPECT_EQ(page.checks().pushedPlacementButton, 18);
    page.press(24);
    EXPECT_EQ(page.choices().placement, 6);
    page.press(defaultPositionRadio);
    EXPECT_EQ(page.checks().pushedPlacementButton, 0);
    page.discard();
}

TEST_F(WindowTypeRules, TheChosenRectangleGivesTheCornerAndTheOuterSize) {
    WindowTypePage page = pageOf();
    page.press(useImageDimensionsRadio);
    ASSERT_EQ(folder.names(), (std::set<std::string>{"Wnd_001_01.bmp"}));

    const WindowTypeStep step = page.takeChosenRectangle({110, 220, 410, 420}, {10, 20, 1034, 788});
    EXPECT_TRUE(step.changed && step.previewChanged);
    EXPECT_TRUE(folder.names().empty()) << "the window left image size";
    EXPECT_TRUE(page.checks().manualSettings && page.checks().cornerCoordinates);
    EXPECT_EQ(page.texts().clientWidth, "300");
    ASSERT_TRUE(page.save().saved());
    const AppWindow& w = project().windows[0];
    EXPECT_EQ(typeRow(w), "0 1/500 0 300x200 1 100,200 4");
}

} // namespace
} // namespace zim
