#include "editors/window/window_list_operations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;

std::string number3(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

// The default project with `count` windows titled "Window 1".., each with one button and one
// static; window k's icon, button image and static icon files hold "k".
Project& designWithWindows(const ListTestFolder& folder, int count) {
    buildDefaultProject();
    for (int k = 1; k <= count; ++k) {
        if (k > 1)
            buildNewWindow(project().windows[k - 1], k);
        setText(project().windows[k - 1].title, "Window " + std::to_string(k));
        folder.put("Wnd_" + number3(k) + ".ico", std::to_string(k));
        folder.put("Button_" + number3(k) + "_001.bmp", std::to_string(k));
        folder.put("Static_" + number3(k) + "_001.ico", std::to_string(k));
    }
    project().program.windowCount = count;
    return project();
}

std::string windowRow(const AppWindow& w) {
    return trimmed(w.title) + " " + trimmed(w.iconName) + " " + trimmed(w.smallIconName) + " " +
           trimmed(w.buttons[0].imageName) + " w" + std::to_string(w.buttons[0].windowNumber) +
           " " + trimmed(w.statics[0].imageName) + " w" +
           std::to_string(w.statics[0].windowNumber) + " owner " + std::to_string(w.hasOwner) +
           "/" + std::to_string(w.ownerWindow);
}

// The files of window k, as designWithWindows writes them, hold `content`.
void expectWindowFiles(const ListTestFolder& folder, int k, const std::string& content) {
    for (const std::string& name :
         {"Wnd_" + number3(k) + ".ico", "Button_" + number3(k) + "_001.bmp",
          "Static_" + number3(k) + "_001.ico"})
        EXPECT_EQ(folder.content(name), content) << name;
}

TEST(ListWindows, AddsTheDefaultWindowToOneAndToNinetyNineWindowsButNotAHundredAndFirst) {
    ListTestFolder folder;
    Project& p = designWithWindows(folder, 1);
    folder.put("Wnd_002_01.bmp", "stale image of an old window 2");

    ListResult result = planAddWindow(p, folder.folders(), "Second Window").run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 2);
    EXPECT_EQ(p.program.windowCount, 2);
    const AppWindow& added = p.windows[1];
    EXPECT_EQ(windowRow(added),
              "Second Window Wnd_002 Wnd_002s Button_002_001 w2 Static_002_001 w2 owner 1/0");
    EXPECT_EQ(trimmed(added.cursorName), "Wnd_002");
    EXPECT_EQ((std::vector<int32_t>{added.imageCount, added.buttonCount, added.staticCount}),
              (std::vector<int32_t>{0, 1, 1}));
    EXPECT_EQ(folder.content("Button_002_001.ico"), "template BUTTON_ICON.ico");
    EXPECT_EQ(folder.content("Static_002_001.bmp"), "template STATIC_BITMAP.bmp");
    EXPECT_EQ(folder.content("Wnd_002_01.bmp"), "(none)");
    expectWindowFiles(folder, 1, "1");

    ListTestFolder bigFolder;
    Project& big = designWithWindows(bigFolder, 99);
    result = planAddWindow(big, bigFolder.folders(), "Hundredth").run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(big.program.windowCount, 100);
    EXPECT_EQ(trimmed(big.windows[99].title), "Hundredth");
    EXPECT_EQ(bigFolder.content("Button_100_001.ico"), "template BUTTON_ICON.ico");

    const std::optional<PageMessage> refusal = windowAddRefusal(big, "Add New Window...");
    ASSERT_TRUE(refusal);
    const ListOperation more = planAddWindow(big, bigFolder.folders(), "More");
    EXPECT_EQ(more.status(), ListStatus::refused);
    EXPECT_EQ(planDuplicateWindow(big, bigFolder.folders(), 1).status(), ListStatus::refused);
    EXPECT_EQ(big.program.windowCount, 100);
}

TEST(ListWindows, DuplicatesAWindowWithEveryRecordAndFileUnderItsNewNumber) {
    ListTestFolder folder;
    Project& p = designWithWindows(folder, 3);
    AppWindow& source = p.windows[1];
    source.iconSource = 0;
    source.hasOwner = 1;
    source.ownerWindow = 1;
    for (int i = 1; i <= 3; ++i) {
        buildNewBackgroundImage(source.images[i - 1], source, 2, i);
        source.images[i - 1].x = 10 * i;
        folder.put("Wnd_002_0" + std::to_string(i) + ".bmp");
    }
    for (int b = 1; b <= 5; ++b) {
        buildNewButton(source.buttons[b - 1], 2, b);
        setText(source.buttons[b - 1].description, "Button " + std::to_string(b));
        for (const char* form : {".bmp", ".ico", "_Down.bmp", "_Dis.bmp"})
            folder.put("Button_002_00" + std::to_string(b) + form);
    }
    setText(source.buttons[4].imageNameDown, "Shared pushed image");
    for (int s = 1; s <= 4; ++s) {
        buildNewStatic(source.statics[s - 1], 2, s);
        folder.put("Static_002_00" + std::to_string(s) + ".bmp");
    }
    source.imageCount = 3;
    source.buttonCount = 5;
    source.staticCount = 4;
    folder.put("Wnd_002s.ico");
    folder.put("Wnd_002.cur");
    folder.put("Notes about window 2.txt");
    const std::set<std::string> before = folder.names();
    std::map<std::string, std::string> contents;
    for (const std::string& name : before)
        contents[name] = folder.content(name);

    const ListResult result = planDuplicateWindow(p, folder.folders(), 2).run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 4);
    EXPECT_EQ(p.program.windowCount, 4);

    // The copy is the source byte for byte, but for the window numbers and positional names.
    auto expected = std::make_unique<AppWindow>(source);
    setText(expected->iconName, "Wnd_004");
    setText(expected->smallIconName, "Wnd_004s");
    setText(expected->cursorName, "Wnd_004");
    for (int i = 1; i <= 3; ++i) {
        expected->images[i - 1].windowNumber = 4;
        setText(expected->images[i - 1].fileName, "Wnd_004_0" + std::to_string(i));
    }
    for (int b = 1; b <= 5; ++b) {
        ButtonControl& button = expected->buttons[b - 1];
        button.windowNumber = 4;
        const std::string name = "Button_004_00" + std::to_string(b);
        setText(button.imageName, name);
        if (b < 5)
            setText(button.imageNameDown, name + "_Down");
        setText(button.imageNameDisabled, name + "_Dis");
    }
    for (int s = 1; s <= 4; ++s) {
        expected->statics[s - 1].windowNumber = 4;
        setText(expected->statics[s - 1].imageName, "Static_004_00" + std::to_string(s));
    }
    EXPECT_EQ(std::memcmp(expected.get(), &p.windows[3], sizeof(AppWindow)), 0);
    EXPECT_EQ(trimmed(p.windows[3].buttons[4].imageNameDown), "Shared pushed image");
    EXPECT_EQ(trimmed(p.windows[3].buttons[2].imageNameDown), "Button_004_003_Down");

    std::set<std::string> copies;
    for (const std::string& name : before) {
        if (name.find("_002") == std::string::npos || name.find(".txt") != std::string::npos)
            continue;
        std::string copy = name;
        copy.replace(copy.find("_002"), 4, "_004");
        copies.insert(copy);
        EXPECT_EQ(folder.content(copy), contents[name]) << copy;
        EXPECT_EQ(folder.content(name), contents[name]);
    }
    // Images, buttons in four forms, statics with the static's icon, the window's three files.
    EXPECT_EQ(copies.size(), 3u + 5u * 4u + 4u + 1u + 3u);
    std::set<std::string> all = before;
    all.insert(copies.begin(), copies.end());
    EXPECT_EQ(folder.names(), all);
}

TEST(ListWindows, DeletingWindowTwoOfFourTakesFilesAndOwnersOfThreeAndFourAlong) {
    ListTestFolder folder;
    Project& p = designWithWindows(folder, 4);
    folder.put("Wnd_002_01.bmp", "2");
    p.windows[1].imageCount = 1;
    p.windows[2].ownerWindow = 2; // window 3 is owned by window 2, which goes
    p.windows[3].ownerWindow = 3; // window 4 is owned by window 3, which moves up
    p.windows[3].hasOwner = 1;

    const ListResult result = planDeleteWindow(p, folder.folders(), 2).run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 2);
    EXPECT_EQ(result.ownersCleared, std::vector<int>{2});
    ASSERT_EQ(p.program.windowCount, 3);
    EXPECT_EQ(windowRow(p.windows[0]),
              "Window 1 Wnd_001 Wnd_001s Button_001_001 w1 Static_001_001 w1 owner 1/0");
    EXPECT_EQ(windowRow(p.windows[1]),
              "Window 3 Wnd_002 Wnd_002s Button_002_001 w2 Static_002_001 w2 owner 0/0");
    EXPECT_EQ(windowRow(p.windows[2]),
              "Window 4 Wnd_003 Wnd_003s Button_003_001 w3 Static_003_001 w3 owner 1/2");
    expectWindowFiles(folder, 1, "1");
    expectWindowFiles(folder, 2, "3");
    expectWindowFiles(folder, 3, "4");
    EXPECT_EQ(folder.names().size(), 9u);

    // Window 1 goes: the modal dialog that takes its place makes the application dialog-based.
    p.windows[1].kind = 2;
    ASSERT_EQ(planDeleteWindow(p, folder.folders(), 1).run().status, ListStatus::done);
    EXPECT_EQ(trimmed(p.windows[0].title), "Window 3");
    EXPECT_EQ(p.program.applicationType, 1);
    EXPECT_EQ(p.windows[1].ownerWindow, 1);
    ASSERT_EQ(planDeleteWindow(p, folder.folders(), 2).run().position, 1);
    const ListOperation last = planDeleteWindow(p, folder.folders(), 1);
    EXPECT_EQ(last.status(), ListStatus::refused);
    EXPECT_EQ(folder.names().size(), 3u);
}

TEST(ListWindows, MovingWindowThreeUpSwapsFilesNumbersAndOwners) {
    ListTestFolder folder;
    Project& p = designWithWindows(folder, 4);
    p.windows[3].ownerWindow = 3;
    p.windows[2].ownerWindow = 2;

    const ListResult result = planMoveWindow(p, folder.folders(), 3, MoveDirection::up).run();
    ASSERT_EQ(result.status, ListStatus::done);
    EXPECT_EQ(result.position, 2);
    EXPECT_EQ(windowRow(p.windows[1]),
              "Window 3 Wnd_002 Wnd_002s Button_002_001 w2 Static_002_001 w2 owner 1/3");
    EXPECT_EQ(windowRow(p.windows[2]),
              "Window 2 Wnd_003 Wnd_003s Button_003_001 w3 Static_003_001 w3 owner 1/0");
    EXPECT_EQ(p.windows[3].ownerWindow, 2);
    expectWindowFiles(folder, 2, "3");
    expectWindowFiles(folder, 3, "2");
    expectWindowFiles(folder, 4, "4");
    EXPECT_EQ(p.program.applicationType, 0);

    // A modeless dialog moved to the top makes the application dialog-based.
    p.windows[1].kind = 1;
    ASSERT_EQ(planMoveWindow(p, folder.folders(), 2, MoveDirection::up).run().position, 1);
    EXPECT_EQ(p.program.applicationType, 1);
    EXPECT_EQ(planMoveWindow(p, folder.folders(), 4, MoveDirection::down).run().position, 4);
    p.program.windowCount = 1;
    EXPECT_EQ(planMoveWindow(p, folder.folders(), 1, MoveDirection::up).status(),
              ListStatus::refused);
}

} // namespace
} // namespace zim
