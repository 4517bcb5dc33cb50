#include "editors/window/image_list_operations.h"

#include <gtest/gtest.h>

#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;

// The default project whose window 1 holds `count` images with files; image k is marked by
// its x value k.
Project& designWithImages(const ListTestFolder& folder, int count) {
    buildDefaultProject();
    AppWindow& w = project().windows[0];
    for (int k = 1; k <= count; ++k) {
        buildNewBackgroundImage(w.images[k - 1], w, 1, k);
        w.images[k - 1].x = k;
        folder.put("Wnd_001_0" + std::to_string(k) + ".bmp", "image " + std::to_string(k));
    }
    w.imageCount = count;
    return project();
}

std::string imageRow(const BackgroundImage& image) {
    return std::to_string(image.x) + " " + trimmed(image.fileName) + " w" +
           std::to_string(image.windowNumber);
}

TEST(ListImages, DeletingImageTwoOfThreeLeavesTheFormerThirdAsSecond) {
    ListTestFolder folder;
    Project& p = designWithImages(folder, 3);
    folder.put("Wnd_001.ico", "window icon");

    const ListResult result = planDeleteImage(p, folder.folders(), 1, 2).run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 1);
    ASSERT_EQ(p.windows[0].imageCount, 2);
    EXPECT_EQ(imageRow(p.windows[0].images[0]), "1 Wnd_001_01 w1");
    EXPECT_EQ(imageRow(p.windows[0].images[1]), "3 Wnd_001_02 w1");
    EXPECT_EQ(folder.names(),
              (std::set<std::string>{"Wnd_001.ico", "Wnd_001_01.bmp", "Wnd_001_02.bmp"}));
    EXPECT_EQ(folder.content("Wnd_001_02.bmp"), "image 3");
    EXPECT_EQ(p.windows[0].sizeMode, 0);

    // The image that gave the window its size fixes the size in the same step.
    p.windows[0].sizeMode = 1;
    ASSERT_EQ(planDeleteImage(p, folder.folders(), 1, 1, FixedWindowSize{640, 480}).run().status,
              ListStatus::done);
    EXPECT_EQ(p.windows[0].sizeMode, 2);
    EXPECT_EQ(p.windows[0].width, 640);
    EXPECT_EQ(p.windows[0].height, 480);
    EXPECT_EQ(imageRow(p.windows[0].images[0]), "3 Wnd_001_01 w1");
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), "image 3");
}

TEST(ListImages, TheTenthImageIsAddedAndTheEleventhRefused) {
    ListTestFolder folder;
    Project& p = designWithImages(folder, 0);
    p.windows[0].width = 301;
    test::writeBytes(folder.root() / "chosen.bmp", test::bytesOf("chosen picture"));
    folder.put("Wnd_001_10.bmp", "stale");

    for (int k = 1; k <= 10; ++k) {
        const ListResult result =
            planAddImage(p, folder.folders(), 1, folder.root() / "chosen.bmp").run();
        ASSERT_EQ(result.status, ListStatus::done) << k;
        EXPECT_EQ(result.position, k);
    }
    const BackgroundImage& tenth = p.windows[0].images[9];
    EXPECT_EQ(imageRow(tenth), "0 Wnd_001_10 w1");
    EXPECT_EQ(tenth.useImageSize, 1);
    EXPECT_EQ(tenth.rectWidth, 150);
    EXPECT_EQ(tenth.rectHeight, 100);
    EXPECT_EQ(tenth.imageFill, 3);
    EXPECT_EQ(tenth.frameColour, 0x00FFFF);
    EXPECT_EQ(folder.content("Wnd_001_10.bmp"), "chosen picture");
    EXPECT_EQ(folder.names().size(), 10u);

    const std::optional<PageMessage> refusal = imageAddRefusal(p, 1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(planAddImage(p, folder.folders(), 1, folder.root() / "chosen.bmp").run().status,
              ListStatus::refused);
    EXPECT_EQ(p.windows[0].imageCount, 10);
    EXPECT_EQ(folder.names().size(), 10u);
}

TEST(ListImages, MovingAndReplacingKeepEachPictureWithItsRecord) {
    ListTestFolder folder;
    Project& p = designWithImages(folder, 2);
    ASSERT_EQ(planMoveImage(p, folder.folders(), 1, 2, MoveDirection::up).run().position, 1);
    EXPECT_EQ(imageRow(p.windows[0].images[0]), "2 Wnd_001_01 w1");
    EXPECT_EQ(imageRow(p.windows[0].images[1]), "1 Wnd_001_02 w1");
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), "image 2");
    EXPECT_EQ(folder.content("Wnd_001_02.bmp"), "image 1");

    test::writeBytes(folder.root() / "new.bmp", test::bytesOf("new picture"));
    ASSERT_EQ(planReplaceImage(p, folder.folders(), 1, 2, folder.root() / "new.bmp").run().status,
              ListStatus::done);
    EXPECT_EQ(folder.content("Wnd_001_02.bmp"), "new picture");
    // Choosing the image's own file changes nothing.
    ASSERT_EQ(planReplaceImage(p, folder.folders(), 1, 2, folder.project() / "Wnd_001_02.bmp")
                  .run()
                  .status,
              ListStatus::done);
    EXPECT_EQ(folder.content("Wnd_001_02.bmp"), "new picture");
    EXPECT_EQ(folder.names().size(), 2u);

    // A chosen file that is gone refuses; the image keeps its picture.
    const ListOperation gone =
        planReplaceImage(p, folder.folders(), 1, 1, folder.root() / "gone.bmp");
    EXPECT_EQ(gone.refusal().text,
              "Sorry, but the file \"gone.bmp\" was not found.\rNothing was changed...");
    EXPECT_EQ(folder.content("Wnd_001_01.bmp"), "image 2");

    p.windows[0].imageCount = 1;
    EXPECT_EQ(planMoveImage(p, folder.folders(), 1, 1, MoveDirection::down).refusal().caption,
              "Move Down image...");
    p.windows[0].imageCount = 0;
    EXPECT_EQ(planDeleteImage(p, folder.folders(), 1, 1).status(), ListStatus::refused);
}

} // namespace
} // namespace zim
