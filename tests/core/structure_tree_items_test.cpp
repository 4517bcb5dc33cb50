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

void expectItems(const std::vector<Expected>& expected) {
    const std::vector<StructureItem> items = structureTreeItems(project());
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

TEST_F(StructureTreeItems, WallpaperAndItsImageOnlyWhenPresent) {
    const Expected program{-1, 0, "ZIM Program - Default project", 0};
    expectItems({program,
                 {0, 1, "ZIM Wallpaper", 1},
                 {1, 2, "ZIM Background Image", 2},
                 {0, 3, "ZIM Window", 300100},
                 {3, 5, "ZIM Button", 500101},
                 {3, 6, "ZIM Static Control", 600101}});
    p.wallpaper.imagePresent = 0;
    expectItems({program,
                 {0, 1, "ZIM Wallpaper", 1},
                 {0, 3, "ZIM Window", 300100},
                 {2, 5, "ZIM Button", 500101},
                 {2, 6, "ZIM Static Control", 600101}});
    // Without wallpaper its image is not shown even when the wallpaper record has one.
    p.wallpaper.imagePresent = 1;
    p.program.wallpaperPresent = 0;
    expectItems({program,
                 {0, 3, "ZIM Window", 300100},
                 {1, 5, "ZIM Button", 500101},
                 {1, 6, "ZIM Static Control", 600101}});
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
    const int counts[3][3] = {{2, 1, 0}, {0, 0, 0}, {1, 2, 2}}; // images, buttons, statics
    for (int w = 1; w <= 3; ++w) {
        window(w).imageCount = counts[w - 1][0];
        window(w).buttonCount = counts[w - 1][1];
        window(w).staticCount = counts[w - 1][2];
    }
    expectItems({{-1, 0, "ZIM Program - Default project", 0},
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
                 {6, 6, "ZIM Static Control", 600302}});

    // A dialog-based application shows its windows with the dialog image and code.
    p.program.applicationType = 1;
    const std::vector<StructureItem> items = structureTreeItems(p);
    const std::pair<int, int32_t> windows[] = {{1, 400100}, {5, 400200}, {6, 400300}};
    for (const auto& [k, code] : windows) {
        EXPECT_EQ(items[k].image, 4);
        EXPECT_EQ(items[k].code, code);
    }
}

TEST_F(StructureTreeItems, CountsAreCutToTheCapacities) {
    p.program.windowCount = maxWindows + 900;
    for (int w = 1; w <= maxWindows; ++w) {
        window(w).imageCount = maxImages + 1;
        window(w).buttonCount = maxButtons + 4900;
        window(w).staticCount = maxStatics + 1;
    }
    std::vector<StructureItem> items = structureTreeItems(p);
    ASSERT_EQ(items.size(), 21103u);
    EXPECT_EQ(items.back().code, 610100);
    EXPECT_EQ(items.back().parent, static_cast<int>(items.size()) - 211);
    EXPECT_EQ(items[items.back().parent].code, 310000);

    // A negative count shows nothing.
    window(1).imageCount = -4;
    items = structureTreeItems(p);
    EXPECT_EQ(items.size(), 21103u - maxImages);
    EXPECT_EQ(items[4].code, 500101);
}

} // namespace
} // namespace zim
