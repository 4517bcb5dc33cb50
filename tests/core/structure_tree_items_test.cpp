#include "shell/structure_tree_items.h"

#include <gtest/gtest.h>

#include "model/default_project.h"
#include "model/project.h"
#include "model/text_field.h"

namespace zim {
namespace {

struct Expected {
    int parent;
    int image;
    const char* text;
    int32_t code;
};

void expectItems(const std::vector<StructureItem>& items, const std::vector<Expected>& expected) {
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].parent, expected[i].parent) << "item " << i;
        EXPECT_EQ(items[i].image, expected[i].image) << "item " << i;
        EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
        EXPECT_EQ(items[i].code, expected[i].code) << "item " << i;
    }
}

class StructureTreeItems : public ::testing::Test {
  protected:
    void SetUp() override { buildDefaultProject(); }
    Project& p = project();
};

TEST_F(StructureTreeItems, DefaultProject) {
    expectItems(structureTreeItems(p), {
                                           {-1, 0, "ZIM Program - Default project", 0},
                                           {0, 1, "ZIM Wallpaper", 1},
                                           {1, 2, "ZIM Background Image", 2},
                                           {0, 3, "ZIM Window", 300100},
                                           {3, 5, "ZIM Button", 500101},
                                           {3, 6, "ZIM Static Control", 600101},
                                       });
}

TEST_F(StructureTreeItems, WallpaperAndItsImageAppearOnlyWhenPresent) {
    p.wallpaper.imagePresent = 0;
    std::vector<StructureItem> items = structureTreeItems(p);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1].text, "ZIM Wallpaper");
    EXPECT_EQ(items[2].text, "ZIM Window");
    EXPECT_EQ(items[2].parent, 0);
    EXPECT_EQ(items[3].parent, 2);

    // Without wallpaper its image is not shown even when the wallpaper record has one.
    p.wallpaper.imagePresent = 1;
    p.program.wallpaperPresent = 0;
    items = structureTreeItems(p);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1].text, "ZIM Window");
    EXPECT_EQ(items[1].code, 300100);
    EXPECT_EQ(items[2].parent, 1);
}

TEST_F(StructureTreeItems, ProgramTextUsesTheTrimmedNameUpToItsEnd) {
    setText(p.program.applicationName, "Inventory");
    EXPECT_EQ(structureTreeItems(p)[0].text, "ZIM Program - Inventory");
    // A caption field ends at its zero byte.
    setCaption(p.program.applicationName, "Stock  ");
    EXPECT_EQ(structureTreeItems(p)[0].text, "ZIM Program - Stock");
    setText(p.program.applicationName, "");
    EXPECT_EQ(structureTreeItems(p)[0].text, "ZIM Program - ");
}

TEST_F(StructureTreeItems, WindowsInOrderWithImagesButtonsAndStatics) {
    p.program.wallpaperPresent = 0;
    p.program.windowCount = 3;
    window(1).imageCount = 2;
    window(1).buttonCount = 1;
    window(1).staticCount = 0;
    window(2).imageCount = 0;
    window(2).buttonCount = 0;
    window(2).staticCount = 0;
    window(3).imageCount = 1;
    window(3).buttonCount = 2;
    window(3).staticCount = 2;
    expectItems(structureTreeItems(p), {
                                           {-1, 0, "ZIM Program - Default project", 0},
                                           {0, 3, "ZIM Window", 300100},
                                           {1, 2, "ZIM Background Image", 200101},
                                           {1, 2, "ZIM Background Image", 200102},
                                           {1, 5, "ZIM Button", 500101},
                                           {0, 3, "ZIM Window", 300200},
                                           {0, 3, "ZIM Window", 300300},
                                           {6, 2, "ZIM Background Image", 200301},
                                           {6, 5, "ZIM Button", 500301},
                                           {6, 5, "ZIM Button", 500302},
                                           {6, 6, "ZIM Static Control", 600301},
                                           {6, 6, "ZIM Static Control", 600302},
                                       });
}

TEST_F(StructureTreeItems, DialogBasedApplicationShowsDialogImages) {
    p.program.applicationType = 1;
    p.program.windowCount = 2;
    window(2).imageCount = 0;
    window(2).buttonCount = 0;
    window(2).staticCount = 0;
    const std::vector<StructureItem> items = structureTreeItems(p);
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[3].image, 4);
    EXPECT_EQ(items[3].code, 400100);
    EXPECT_EQ(items[6].image, 4);
    EXPECT_EQ(items[6].code, 400200);
    EXPECT_EQ(items[6].text, "ZIM Window");
}

TEST_F(StructureTreeItems, FullCapacityProjectHas21103Items) {
    p.program.windowCount = maxWindows;
    for (int w = 1; w <= maxWindows; ++w) {
        window(w).imageCount = maxImages;
        window(w).buttonCount = maxButtons;
        window(w).staticCount = maxStatics;
    }
    const std::vector<StructureItem> items = structureTreeItems(p);
    ASSERT_EQ(items.size(), 21103u);
    EXPECT_EQ(items.back().code, 610100);
    EXPECT_EQ(items.back().parent, static_cast<int>(items.size()) - 211);
    EXPECT_EQ(items[items.back().parent].code, 310000);
}

TEST_F(StructureTreeItems, CountsBeyondTheCapacitiesAreCut) {
    p.program.windowCount = 1000;
    window(1).buttonCount = 5000;
    window(1).imageCount = -4;
    const std::vector<StructureItem> items = structureTreeItems(p);
    const int firstWindow = 3; // after the program, the wallpaper and its image
    int windows = 0;
    int imagesOfFirst = 0;
    int buttonsOfFirst = 0;
    for (const StructureItem& item : items) {
        windows += item.text == "ZIM Window";
        imagesOfFirst += item.parent == firstWindow && item.image == 2;
        buttonsOfFirst += item.parent == firstWindow && item.image == 5;
    }
    EXPECT_EQ(windows, maxWindows);
    EXPECT_EQ(imagesOfFirst, 0);
    EXPECT_EQ(buttonsOfFirst, maxButtons);
    EXPECT_EQ(items.back().parent < static_cast<int>(items.size()), true);
}

} // namespace
} // namespace zim
