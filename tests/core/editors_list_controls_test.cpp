#include "editors/window/control_list_operations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;

// The default project with `count` buttons "B1".. and statics "S1".. on window 1.
Project& designWithControls(int count) {
    buildDefaultProject();
    AppWindow& w = project().windows[0];
    for (int k = 1; k <= count; ++k) {
        buildNewButton(w.buttons[k - 1], 1, k);
        setText(w.buttons[k - 1].description, "B" + std::to_string(k));
        buildNewStatic(w.statics[k - 1], 1, k);
        setText(w.statics[k - 1].description, "S" + std::to_string(k));
    }
    w.buttonCount = count;
    w.staticCount = count;
    return project();
}

std::string buttonRow(const ButtonControl& b) {
    return trimmed(b.description) + " " + std::to_string(b.controlId) + " " + trimmed(b.imageName) +
           " " + trimmed(b.imageNameDown) + " " + trimmed(b.imageNameDisabled) + " w" +
           std::to_string(b.windowNumber);
}

TEST(ListButtons, DeletingButtonTwoOfFourTakesTheFilesOfThreeAndFourAlong) {
    Project& p = designWithControls(4);
    ListTestFolder folder;
    for (int k = 1; k <= 4; ++k)
        for (const char* form : {".bmp", ".ico", "_Down.bmp", "_Dis.bmp"})
            folder.put("Button_001_00" + std::to_string(k) + form, "b" + std::to_string(k) + form);
    folder.put("Static_001_002.bmp", "s2");

    ListOperation operation = planDeleteButton(p, folder.folders(), 1, 2);
    const ListResult result = operation.run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(result.position, 1);
    EXPECT_EQ(operation.run().status, ListStatus::done); // a second run changes nothing
    ASSERT_EQ(p.windows[0].buttonCount, 3);
    EXPECT_EQ(buttonRow(p.windows[0].buttons[0]),
              "B1 1 Button_001_001 Button_001_001_Down Button_001_001_Dis w1");
    EXPECT_EQ(buttonRow(p.windows[0].buttons[1]),
              "B3 2 Button_001_002 Button_001_002_Down Button_001_002_Dis w1");
    EXPECT_EQ(buttonRow(p.windows[0].buttons[2]),
              "B4 3 Button_001_003 Button_001_003_Down Button_001_003_Dis w1");
    for (const char* form : {".bmp", ".ico", "_Down.bmp", "_Dis.bmp"}) {
        EXPECT_EQ(folder.content(std::string("Button_001_001") + form), std::string("b1") + form);
        EXPECT_EQ(folder.content(std::string("Button_001_002") + form), std::string("b3") + form);
        EXPECT_EQ(folder.content(std::string("Button_001_003") + form), std::string("b4") + form);
        EXPECT_EQ(folder.content(std::string("Button_001_004") + form), "(none)");
    }
    EXPECT_EQ(folder.content("Static_001_002.bmp"), "s2");
    EXPECT_EQ(folder.names().size(), 13u);
}

TEST(ListButtons, MovingButtonThreeUpSwapsRecordsIdentifiersAndFiles) {
    Project& p = designWithControls(3);
    setText(p.windows[0].buttons[1].imageNameDown, "My own pushed image");
    ListTestFolder folder;
    folder.put("Button_001_002.bmp", "b2");
    folder.put("Button_001_003.bmp", "b3");
    folder.put("Button_001_003.ico", "b3 icon");
    folder.put("Button_001_003_Dis.bmp", "b3 disabled");

    const ListResult result = planMoveButton(p, folder.folders(), 1, 3, MoveDirection::up).run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 2);
    EXPECT_EQ(buttonRow(p.windows[0].buttons[1]),
              "B3 2 Button_001_002 Button_001_002_Down Button_001_002_Dis w1");
    EXPECT_EQ(buttonRow(p.windows[0].buttons[2]),
              "B2 3 Button_001_003 My own pushed image Button_001_003_Dis w1");
    EXPECT_EQ(folder.content("Button_001_002.bmp"), "b3");
    EXPECT_EQ(folder.content("Button_001_002.ico"), "b3 icon");
    EXPECT_EQ(folder.content("Button_001_002_Dis.bmp"), "b3 disabled");
    EXPECT_EQ(folder.content("Button_001_003.bmp"), "b2");
    EXPECT_EQ(folder.names().size(), 4u);

    // The first button up and the last one down stay; one button cannot move at all.
    EXPECT_EQ(planMoveButton(p, folder.folders(), 1, 1, MoveDirection::up).run().position, 1);
    EXPECT_EQ(planMoveButton(p, folder.folders(), 1, 3, MoveDirection::down).run().position, 3);
    EXPECT_EQ(trimmed(p.windows[0].buttons[0].description), "B1");
    EXPECT_EQ(folder.content("Button_001_003.bmp"), "b2");
    p.windows[0].buttonCount = 1;
    const ListOperation single = planMoveButton(p, folder.folders(), 1, 1, MoveDirection::down);
    ASSERT_EQ(single.status(), ListStatus::refused);
}

TEST(ListButtons, TheHundredthButtonIsAddedAndTheHundredAndFirstRefused) {
    Project& p = designWithControls(1);
    ListTestFolder folder;
    folder.put("Button_001_002.bmp", "stale image of an old button 2");
    folder.put("Button_001_002_Down.bmp", "stale pushed image");
    const std::string longText(300, 'd');

    for (int k = 2; k <= 100; ++k) {
        const ListResult result = planAddButton(p, folder.folders(), 1, longText).run();
        ASSERT_EQ(result.status, ListStatus::done) << k;
        ASSERT_EQ(result.position, k);
    }
    const ButtonControl& last = p.windows[0].buttons[99];
    EXPECT_EQ(p.windows[0].buttonCount, 100);
    EXPECT_EQ(buttonRow(last).substr(250),
              "100 Button_001_100 Button_001_100_Down Button_001_100_Dis w1");
    EXPECT_EQ(trimmed(last.description), std::string(249, 'd'));
    EXPECT_EQ(shown(last.text), "Start");
    EXPECT_EQ(folder.content("Button_001_100.bmp"), "template BUTTON_BITMAP.bmp");
    EXPECT_EQ(folder.content("Button_001_100.ico"), "template BUTTON_ICON.ico");
    // A new button starts from the templates, never from files an old one left behind.
    EXPECT_EQ(folder.content("Button_001_002.bmp"), "template BUTTON_BITMAP.bmp");
    EXPECT_EQ(folder.content("Button_001_002_Down.bmp"), "(none)");

    const std::optional<PageMessage> refusal = buttonAddRefusal(p, 1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(planAddButton(p, folder.folders(), 1, "one more").run().status, ListStatus::refused);
    EXPECT_EQ(p.windows[0].buttonCount, 100);
    EXPECT_EQ(folder.names().size(), 198u); // buttons 2 to 100
}

TEST(ListButtons, AMissingTemplateIsNotedAndTheButtonStillAdded) {
    Project& p = designWithControls(1);
    ListTestFolder folder;
    fs::remove(folder.templates() / "BUTTON_ICON.ico");
    const ListResult result = planAddButton(p, folder.folders(), 1, "Second").run();
    EXPECT_EQ(result.status, ListStatus::done);
    ASSERT_EQ(result.failures.list().size(), 1u);
    EXPECT_NE(result.failures.list()[0].find("BUTTON_ICON.ico"), std::string::npos);
    EXPECT_EQ(p.windows[0].buttonCount, 2);
    EXPECT_EQ(folder.names(), std::set<std::string>{"Button_001_002.bmp"});
}

TEST(ListStatics, DeletingTheLastStaticTakesItsFilesAndMovingOneFollowsItsFiles) {
    Project& p = designWithControls(2);
    ListTestFolder folder;
    folder.put("Static_001_001.ico", "s1 icon");
    folder.put("Static_001_002.bmp", "s2");
    folder.put("Static_001_002.ico", "s2 icon");

    ASSERT_EQ(planMoveStatic(p, folder.folders(), 1, 1, MoveDirection::down).run().status,
              ListStatus::done);
    EXPECT_EQ(trimmed(p.windows[0].statics[1].description), "S1");
    EXPECT_EQ(trimmed(p.windows[0].statics[1].imageName), "Static_001_002");
    EXPECT_EQ(folder.content("Static_001_002.ico"), "s1 icon");
    EXPECT_EQ(folder.content("Static_001_001.bmp"), "s2");

    // Deleting the last static also deletes its files, so a static added later at its place
    // starts from the templates.
    ListResult result = planDeleteStatic(p, folder.folders(), 1, 2).run();
    EXPECT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(folder.content("Static_001_002.ico"), "(none)");
    result = planDeleteStatic(p, folder.folders(), 1, 1).run();
    EXPECT_EQ(result.position, 0);
    EXPECT_EQ(p.windows[0].staticCount, 0);
    EXPECT_TRUE(folder.names().empty());

    const ListOperation none = planDeleteStatic(p, folder.folders(), 1, 1);
    EXPECT_EQ(none.status(), ListStatus::refused);
    ASSERT_EQ(planAddStatic(p, folder.folders(), 1, "Again").run().status, ListStatus::done);
    EXPECT_EQ(shown(p.windows[0].statics[0].text), "Text Static Control");
    EXPECT_EQ(folder.content("Static_001_001.ico"), "template STATIC_ICON.ico");
}

TEST(ListButtons, FilesInTheWayRefuseBeforeAnythingChanges) {
    Project& p = designWithControls(4);
    ListTestFolder folder;
    for (int k = 1; k <= 4; ++k)
        folder.put("Button_001_00" + std::to_string(k) + ".bmp");
    const auto window = std::make_unique<AppWindow>(p.windows[0]);
    const auto before = folder.names();
    auto unchanged = [&] {
        EXPECT_EQ(std::memcmp(window.get(), &p.windows[0], sizeof(AppWindow)), 0);
        EXPECT_EQ(folder.names(), before);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(folder.content("Button_001_00" + std::to_string(k) + ".bmp"),
                      "Button_001_00" + std::to_string(k) + ".bmp");
    };

    fs::create_directory(folder.project() / "Button_001_003.ico");
    ListOperation operation = planDeleteButton(p, folder.folders(), 1, 2);
    ASSERT_EQ(operation.status(), ListStatus::refused);
    EXPECT_EQ(operation.refusal().text,
              "Sorry, but \"Button_001_003.ico\" is not a file.\rNothing was changed...");
    EXPECT_EQ(operation.run().status, ListStatus::refused);
    fs::remove(folder.project() / "Button_001_003.ico");
    unchanged();

    folder.put("Button_001_004.bmp.zim-moving", "somebody's file");
    operation = planMoveButton(p, folder.folders(), 1, 4, MoveDirection::up);
    ASSERT_EQ(operation.status(), ListStatus::refused);
    EXPECT_EQ(operation.refusal().text, "Sorry, but \"Button_001_004.bmp.zim-moving\" is in the "
                                        "way of this operation.\rNothing was changed...");
    fs::remove(folder.project() / "Button_001_004.bmp.zim-moving");
    unchanged();

    if (!test::makeLink(folder.root() / "elsewhere.ico", folder.project() / "Button_001_004.ico"))
        GTEST_SKIP() << test::cannotMakeLinks;
    operation = planDeleteButton(p, folder.folders(), 1, 4);
    EXPECT_EQ(operation.refusal().text, "Sorry, but \"Button_001_004.ico\" is a link, and links "
                                        "are never followed.\rNothing was changed...");
    fs::remove(folder.project() / "Button_001_004.ico");
    unchanged();
}

TEST(ListButtons, ARenameThatFailsHalfwayLeavesEveryFileAndTheProjectAsTheyWere) {
    Project& p = designWithControls(4);
    ListTestFolder folder;
    for (int k = 1; k <= 4; ++k)
        for (const char* form : {".bmp", ".ico"})
            folder.put("Button_001_00" + std::to_string(k) + form);
    folder.put("Button_001_004_Down.bmp"); // button 3 has no pushed image
    const auto window = std::make_unique<AppWindow>(p.windows[0]);
    const auto before = folder.names();

    ListOperation operation = planDeleteButton(p, folder.folders(), 1, 2);
    ASSERT_EQ(operation.status(), ListStatus::done);
    // After planning, a folder takes the free name that button 4's pushed image must move to,
    // so the last rename fails after the others were done.
    fs::create_directory(folder.project() / "Button_001_003_Down.bmp");
    const ListResult result = operation.run();
    ASSERT_EQ(result.status, ListStatus::failed);
    ASSERT_EQ(result.failures.list().size(), 1u);
    EXPECT_NE(result.failures.list()[0].find("\"Button_001_003_Down.bmp\" is in the way"),
              std::string::npos)
        << result.failures.list()[0];

    fs::remove(folder.project() / "Button_001_003_Down.bmp");
    EXPECT_EQ(folder.names(), before);
    for (const std::string& name : before)
        EXPECT_EQ(folder.content(name), name);
    EXPECT_EQ(std::memcmp(window.get(), &p.windows[0], sizeof(AppWindow)), 0);
}

} // namespace
} // namespace zim
