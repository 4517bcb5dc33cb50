#include "editors/frame/wallpaper_page_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editors/frame/background_sample.h"
#include "model/default_project.h"

namespace zim {
namespace {

class WallpaperPageRules : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        stored = project().wallpaper;
        page = wallpaperPageContent(stored);
    }
    // Save with the page as it stands; the record is compared with `stored`.
    WallpaperSave save() {
        record = stored;
        return saveWallpaperPage(record, page);
    }
    Wallpaper stored{};
    Wallpaper record{};
    WallpaperPage page;
};

bool sameRecord(const Wallpaper& a, const Wallpaper& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(WallpaperPageRules, APageSavedAsLoadedWritesBackTheRecordItShows) {
    EXPECT_EQ(page.texts.appearanceTime, "500");
    EXPECT_EQ(page.texts.firstWindowDelay, "200");
    for (bool everyFieldInUse : {false, true}) {
        if (everyFieldInUse) {
            stored.animate = 1;
            stored.appearanceTime = 750;
            stored.imageSizeMode = 0;
            stored.imageAreaWidth = -12;
            stored.imagePlacement = 10;
            stored.imageY = -40;
            stored.backgroundKind = 1;
            stored.backgroundValue = 0x00123456;
        }
        page = wallpaperPageContent(stored);
        EXPECT_TRUE(save().saved());
        EXPECT_TRUE(sameRecord(record, stored)) << everyFieldInUse;
    }
    EXPECT_EQ(page.texts.y, "-40");
    EXPECT_TRUE(page.choices.animated && page.choices.imagePresent && page.choices.rectangleArea);
}

TEST_F(WallpaperPageRules, AnimatedRemovesTheImageAndPresentSwitchesToImmediately) {
    WallpaperChoices& c = page.choices;
    EXPECT_TRUE(pressWallpaperControl(c, animatedRadio));
    EXPECT_TRUE(c.animated);
    EXPECT_FALSE(c.imagePresent);
    EXPECT_TRUE(wallpaperChecks(c).imageAbsent);

    EXPECT_TRUE(pressWallpaperControl(c, imagePresentRadio));
    EXPECT_TRUE(c.imagePresent);
    EXPECT_FALSE(c.animated);
    EXPECT_TRUE(wallpaperChecks(c).immediately);

    // " Present" on a present image does nothing at all, even to an animated appearance.
    c.animated = true;
    EXPECT_FALSE(pressWallpaperControl(c, imagePresentRadio));
    EXPECT_TRUE(c.animated && c.imagePresent);

    EXPECT_FALSE(pressWallpaperControl(c, 12));
}

TEST_F(WallpaperPageRules, PlacementControlsStoreTheirCodesAndTheSelectorShowsThem) {
    const struct Case {
        int control;
        int32_t code;
        bool whole, predefined, corner;
        int pushed;
    } cases[] = {
        // The whole area, the first and last cell buttons, the centre cell (code 1) and the corner
        // radio.
        {30, 0, true, false, false, 0},  {18, 2, false, true, false, 18},
        {21, 9, false, true, false, 21}, {22, 1, false, true, false, 22},
        {50, 10, false, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        page.choices.imagePlacement = c.control == 30 ? 10 : 0;
        EXPECT_TRUE(pressWallpaperControl(page.choices, c.control));
        EXPECT_EQ(page.choices.imagePlacement, c.code);
        const WallpaperChecks checks = wallpaperChecks(page.choices);
        EXPECT_EQ(checks.wholeArea, c.whole);
        EXPECT_EQ(checks.predefinedPlacement, c.predefined);
        EXPECT_EQ(checks.cornerCoordinates, c.corner);
        EXPECT_EQ(checks.pushedPlacementButton, c.pushed);
        EXPECT_EQ(save().focus, WallpaperField::none);
        EXPECT_EQ(record.imagePlacement, c.code);
    }
    // A code no control sets (from a damaged file) checks nothing and pushes nothing.
    page.choices.imagePlacement = 11;
    const WallpaperChecks none = wallpaperChecks(page.choices);
    EXPECT_FALSE(none.wholeArea || none.predefinedPlacement || none.cornerCoordinates);
    EXPECT_EQ(none.pushedPlacementButton, 0);
}

// Choices written as letters (A animated, P image present, R rectangle area) and a code;
// the six number edits as one text split at '|', in the order of the page.
void setPage(WallpaperPage& page, const std::string& letters, int32_t placement,
             const std::string& texts) {
    page.choices.animated = letters.find('A') != std::string::npos;
    page.choices.imagePresent = letters.find('P') != std::string::npos;
    page.choices.rectangleArea = letters.find('R') != std::string::npos;
    page.choices.imagePlacement = placement;
    std::string* fields[] = {&page.texts.appearanceTime,
                             &page.texts.firstWindowDelay,
                             &page.texts.areaWidth,
                             &page.texts.areaHeight,
                             &page.texts.x,
                             &page.texts.y};
    const std::string all = texts + "|||||"; // edits left out at the end are empty
    std::size_t from = 0;
    for (std::string* field : fields) {
        const std::size_t bar = all.find('|', from);
        *field = all.substr(from, bar - from);
        from = bar + 1;
    }
}

TEST_F(WallpaperPageRules, SaveRefusesTheFirstBadFieldInOrderAndWritesNothing) {
    using F = WallpaperField;
    const struct Case {
        const char* letters;
        int32_t placement;
        const char* texts;
        F focus;
        const char* message; // checked for a few
    } cases[] = {
        {"A", 10, "|||||", F::appearanceTime, "Fill the field for appearance time value"},
        {"PR", 10, "|| |x||", F::firstWindowDelay, nullptr},
        {"P", 1, "|-1||||", F::firstWindowDelay, "Check out the field for time delay value"},
        {"P", 1, "|2147483648||||", F::firstWindowDelay, nullptr},
        {"PR", 1, "|0|1 0|||", F::areaWidth, nullptr},
        {"PR", 10, "|0|-10||", F::areaHeight, nullptr},
        {"PR", 10, "|0|5|5|3e2|", F::x, nullptr},
        {"P", 10, "|0|||-7| ", F::y, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letters) + " " + c.texts);
        setPage(page, c.letters, c.placement, c.texts);
        page.choices.backgroundKind = 1;
        const WallpaperSave result = save();
        EXPECT_FALSE(result.saved());
        EXPECT_EQ(result.focus, c.focus);
        if (c.message) {
            EXPECT_EQ(result.refusal.text, std::string(c.message) + ", please...");
        }
        EXPECT_EQ(result.refusal.owner, MessageOwner::parametersWindow);
        EXPECT_TRUE(sameRecord(record, stored));
    }
}

TEST_F(WallpaperPageRules, SaveWritesTheFieldsInUseAndTheChoices) {
    const struct Case {
        const char* letters;
        int32_t placement;
        const char* texts;
        int32_t time, width, height, x, y; // `stored` holds 500, 100, 100, 0, 0
    } cases[] = {
        {"P", 1, " 1500 |+250|-30|40|-2147483648|75", 500, 100, 100, 0, 0},
        {"A", 1, " 1500 |+250|-30|40|-2147483648|75", 1500, 100, 100, 0, 0},
        {"PR", 10, " 1500 |+250|-30|40|-2147483648|75", 500, -30, 40, -2147483647 - 1, 75},
        // Without the image its size and corner edits are disabled: their texts are neither
        // checked nor written.
        {"R", 10, "|250|wide||left|", 500, 100, 100, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letters) + " " + c.texts);
        setPage(page, c.letters, c.placement, c.texts);
        page.choices.backgroundKind = 1;
        page.choices.backgroundValue = 0x00AABBCC;
        EXPECT_TRUE(save().saved());
        EXPECT_EQ(record.appearanceTime, c.time);
        EXPECT_EQ(record.firstWindowDelay, 250);
        EXPECT_EQ(record.imageAreaWidth, c.width);
        EXPECT_EQ(record.imageAreaHeight, c.height);
        EXPECT_EQ(record.imageX, c.x);
        EXPECT_EQ(record.imageY, c.y);
        EXPECT_EQ(record.animate, page.choices.animated ? 1 : 0);
        EXPECT_EQ(record.imagePresent, page.choices.imagePresent ? 1 : 0);
        EXPECT_EQ(record.imageSizeMode, page.choices.rectangleArea ? 0 : 1);
        EXPECT_EQ(record.imagePlacement, c.placement);
        EXPECT_EQ(record.backgroundKind, 1);
        EXPECT_EQ(record.backgroundValue, 0x00AABBCC);
        // Nothing else changes: with those fields put back, the record is the stored one.
        Wallpaper back = record;
        for (int32_t Wallpaper::*field :
             {&Wallpaper::appearanceTime, &Wallpaper::firstWindowDelay, &Wallpaper::imageAreaWidth,
              &Wallpaper::imageAreaHeight, &Wallpaper::imageX, &Wallpaper::imageY,
              &Wallpaper::animate, &Wallpaper::imagePresent, &Wallpaper::imageSizeMode,
              &Wallpaper::imagePlacement, &Wallpaper::backgroundKind, &Wallpaper::backgroundValue})
            back.*field = stored.*field;
        EXPECT_TRUE(sameRecord(back, stored));
    }
}

TEST_F(WallpaperPageRules, ThePreviewDrawsThePendingChoicesBeforeSave) {
    pressWallpaperControl(page.choices, rectangleAreaRadio);
    pressWallpaperControl(page.choices, 26);
    page.choices.backgroundKind = 3;
    page.choices.backgroundValue = 6;
    page.texts.areaWidth = "320";
    page.texts.areaHeight = "half"; // not a number yet: the stored height stays
    const Wallpaper pending = pendingWallpaper(stored, page);
    EXPECT_EQ(pending.imageSizeMode, 0);
    EXPECT_EQ(pending.imagePlacement, 6);
    EXPECT_EQ(pending.backgroundKind, 3);
    EXPECT_EQ(pending.backgroundValue, 6);
    EXPECT_EQ(pending.imageAreaWidth, 320);
    EXPECT_EQ(pending.imageAreaHeight, 100);
}

TEST(WallpaperBackgroundSample, ColoursOfEachKind) {
    using Source = SampleColour::Source;
    const struct Case {
        int32_t kind, value;
        Source source;
        uint32_t colour;
    } cases[] = {
        {1, 0x00123456, Source::rgb, 0x00123456},
        {2, 20, Source::systemColour, 1}, // beyond the list: COLOR_BACKGROUND
        {3, 5, Source::systemColour, 15}, // NULL_BRUSH shows the dialog face
        {7, 3, Source::systemColour, 1},  // no such kind
    };
    for (const Case& c : cases) {
        const SampleColour sample = backgroundSampleColour(c.kind, c.value);
        EXPECT_EQ(sample.source, c.source) << c.kind << "/" << c.value;
        EXPECT_EQ(sample.value, c.colour) << c.kind << "/" << c.value;
    }
}

} // namespace
} // namespace zim
