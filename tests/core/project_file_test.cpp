#include "model/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

#include "model/default_project.h"
#include "model/text_field.h"
#include "temp_dir.h"

namespace zim {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

int32_t int32At(const std::vector<char>& bytes, std::size_t offset) {
    int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

std::string textAt(const std::vector<char>& bytes, std::size_t offset, std::size_t length) {
    return std::string(bytes.data() + offset, length);
}

std::string padded(const std::string& text, std::size_t length) {
    return text + std::string(length - text.size(), ' ');
}

// Fills every byte of the records in use with noise, keeping the counts valid.
void fillRandomly(Project& p, std::mt19937& rng, int windows) {
    auto noise = [&](void* data, std::size_t size) {
        auto* bytes = static_cast<unsigned char*>(data);
        for (std::size_t k = 0; k < size; k += 4) {
            const uint32_t value = rng();
            std::memcpy(bytes + k, &value, std::min<std::size_t>(4, size - k));
        }
    };
    noise(&p.program, sizeof p.program);
    noise(&p.wallpaper, sizeof p.wallpaper);
    setText(p.program.applicationName, "Noise");
    p.program.windowCount = windows;
    for (int w = 0; w < windows; ++w) {
        AppWindow& win = p.windows[w];
        noise(&win, sizeof win);
        win.imageCount = static_cast<int32_t>(rng() % (maxImages + 1));
        win.buttonCount = static_cast<int32_t>(rng() % 4);
        win.staticCount = static_cast<int32_t>(rng() % 4);
    }
}

struct Snapshot {
    std::unique_ptr<Project> copy = std::make_unique<Project>(project());
    bool unchanged() const { return std::memcmp(copy.get(), &project(), sizeof(Project)) == 0; }
};

// The default project's file: its length, and each text field at its offset (the integers
// are placed by the next test).
TEST(ProjectFile, DefaultProjectHasTheDocumentedLengthAndTextOffsets) {
    TempDir dir;
    buildDefaultProject();
    ASSERT_TRUE(saveProjectFile(dir.path(), "Default project"));
    const auto bytes = readBytes(dir / "Default project.zim");
    ASSERT_EQ(bytes.size(), 6232u);
    EXPECT_EQ(projectFileSize(project()), 6232);

    const std::size_t w = 1436, P = w + 176, b = P + 1192;
    const std::pair<std::size_t, std::string> texts[] = {
        {0, "3.01    "},
        {8, padded("Default project", 100)},
        {108, "Talvemark "},
        {468, padded("01 December 2001", 40)},
        {580, "ZIM_W "},
        {840, "ZIM_W "},
        {1176, padded("Wallpaper", 260)},
        {w, "First Application Window "},
        {P + 60, "Wnd_001 "},
        {P + 324, "Wnd_001s "},
        {P + 1060, "Arial "},
        {b + 260, std::string("Start\0 ", 7)},
        {b + 2060, "Standard Text Static Control... "},
    };
    for (const auto& [offset, text] : texts)
        EXPECT_EQ(textAt(bytes, offset, text.size()), text) << "offset " << offset;
}

TEST(ProjectFile, EveryIntegerItemLandsAtItsOffset) {
    // Give each integer item of the program part and of a window block its own file offset as
    // value; the saved file must then hold at every offset the offset itself.
    TempDir dir;
    buildDefaultProject();
    Project& p = project();
    Wallpaper& wp = p.wallpaper;
    struct Item {
        int32_t* field;
        int32_t offset;
    };
    const Item programItems[] = {
        {&p.program.wallpaperPresent, 508},
        {&p.program.applicationType, 512},
        {&wp.hwnd, 520},
        {&wp.firstWindowDelay, 524},
        {&wp.reserved1, 528},
        {&wp.reserved2, 532},
        {&wp.animate, 536},
        {&wp.appearanceTime, 540},
        {&wp.backgroundKind, 544},
        {&wp.imagePlacement, 548},
        {&wp.imagePresent, 552},
        {&wp.imageSizeMode, 556},
        {&wp.imageX, 560},
        {&wp.imageY, 564},
        {&wp.imageAreaWidth, 568},
        {&wp.imageAreaHeight, 572},
        {&wp.backgroundValue, 576},
        {&wp.bitmapSlot, 1100},
        {&wp.oldBitmapSlot, 1104},
        {&wp.imageOwner, 1108},
        {&wp.imageHandleSlot, 1112},
        {&wp.imageFromResource, 1116},
        {&wp.imageFill, 1120},
        {&wp.drawingScheme, 1124},
        {&wp.memoryDCSlot, 1128},
        {&wp.transparentColour, 1132},
        {&wp.bitmapWidth, 1136},
        {&wp.bitmapHeight, 1140},
        {&wp.frameWidth, 1144},
        {&wp.frameHeight, 1148},
        {&wp.frameMode, 1152},
        {&wp.drawingArea[0], 1156},
        {&wp.drawingArea[3], 1168},
        {&wp.frameColour, 1172},
    };
    AppWindow& win = window(1);
    win.imageCount = 10;
    win.buttonCount = 0;
    win.staticCount = 0;
    const int32_t P = 176 + 352 * 10;
    const Item windowItems[] = {
        {&win.hwnd, 120},
        {&win.actionSlot, 124},
        {&win.hasOwner, 128},
        {&win.ownerWindow, 132},
        {&win.kind, 136},
        {&win.animate, 140},
        {&win.appearanceTime, 144},
        {&win.sizeMode, 148},
        {&win.placementMode, 152},
        {&win.x, 156},
        {&win.y, 160},
        {&win.width, 164},
        {&win.height, 168},
        {&win.placement, P},
        {&win.classStyles[0], P + 4},
        {&win.classStyles[10], P + 44},
        {&win.backgroundKind, P + 48},
        {&win.backgroundValue, P + 52},
        {&win.iconSource, P + 56},
        {&win.smallIconSource, P + 320},
        {&win.cursorSource, P + 584},
        {&win.windowStyles[0], P + 848},
        {&win.extendedStyles[0], P + 956},
        {&win.fontSize, P + 1124},
        {&win.dialogStyles[0], P + 1128},
        {&win.dialogStyles[13], P + 1180},
    };
    for (const Item& item : programItems)
        *item.field = item.offset;
    for (const Item& item : windowItems)
        *item.field = 100000 + item.offset;
    image(1, 10).windowNumber = 777;

    ASSERT_TRUE(saveProjectFile(dir.path(), "Default project"));
    const auto bytes = readBytes(dir / "Default project.zim");
    ASSERT_EQ(bytes.size(), 1436u + 1368u + 3520u);
    for (const Item& item : programItems)
        EXPECT_EQ(int32At(bytes, item.offset), item.offset)
            << "program part offset " << item.offset;
    for (const Item& item : windowItems)
        EXPECT_EQ(int32At(bytes, 1436 + item.offset), 100000 + item.offset)
            << "window offset " << item.offset;
    EXPECT_EQ(int32At(bytes, 1436 + 172), 10);                 // imageCount
    EXPECT_EQ(int32At(bytes, 1436 + 176 + 9 * 352 + 24), 777); // image 10's windowNumber
    EXPECT_EQ(P, 3696);
}

TEST(ProjectFile, RoundTripsVariedProjectsAndKeepsUnsavedFields) {
    TempDir dir;
    std::mt19937 rng(20261207);
    for (int round = 0; round < 6; ++round) {
        const int windows = round == 0 ? 1 : round == 1 ? maxWindows : 1 + int(rng() % 7);
        fillRandomly(project(), rng, windows);
        window(1).imageCount = round % 2 ? maxImages : 0;
        ASSERT_TRUE(saveProjectFile(dir.path(), "Noise"));
        const auto first = readBytes(dir / "Noise.zim");
        ASSERT_EQ(static_cast<int64_t>(first.size()), projectFileSize(project()));
        const auto saved = std::make_unique<Project>(project());

        // Scramble the Project, load, and compare: the saved fields come back, the fields the
        // file does not hold keep what the scrambled Project had.
        fillRandomly(project(), rng, maxWindows);
        const auto scrambled = std::make_unique<Project>(project());
        ASSERT_TRUE(loadProjectFile(dir.path(), "Noise"));
        ASSERT_TRUE(saveProjectFile(dir.path(), "Noise"));
        EXPECT_EQ(readBytes(dir / "Noise.zim"), first) << "round " << round;
        EXPECT_EQ(
            std::memcmp(project().windows[0].classRecord, scrambled->windows[0].classRecord, 48),
            0);
        EXPECT_EQ(project().windows[0].ownerHwnd, scrambled->windows[0].ownerHwnd);
        EXPECT_EQ(
            std::memcmp(project().wallpaper.classRecord, scrambled->wallpaper.classRecord, 48), 0);
        const AppWindow& last = project().windows[windows - 1];
        if (last.buttonCount < maxButtons) {
            EXPECT_EQ(std::memcmp(&last.buttons[last.buttonCount],
                                  &scrambled->windows[windows - 1].buttons[last.buttonCount],
                                  sizeof(ButtonControl)),
                      0)
                << "a record beyond the count was touched";
        }
        if (windows < maxWindows) {
            EXPECT_EQ(std::memcmp(&project().windows[windows], &scrambled->windows[windows],
                                  sizeof(AppWindow)),
                      0)
                << "a window beyond the count was touched";
        }
        EXPECT_EQ(std::memcmp(&project().windows[0].buttons[0], &saved->windows[0].buttons[0],
                              sizeof(ButtonControl) * saved->windows[0].buttonCount),
                  0);
    }
}

// The file is named by the caller (the project's folder), never by the name the Project or a
// file stores; a loaded project takes the name it was loaded under.
TEST(ProjectFile, TheFileIsNamedByItsFolderNeverByTheStoredName) {
    TempDir dir;
    buildDefaultProject();
    setText(project().program.applicationName, "../Elsewhere");
    writeBytes(dir / "Trailing.zim", std::vector<char>(50000, 'x'));
    ASSERT_TRUE(saveProjectFile(dir.path(), "Trailing   "));
    const auto bytes = readBytes(dir / "Trailing.zim");
    EXPECT_EQ(bytes.size(), 6232u);
    EXPECT_EQ(textAt(bytes, 8, 13), "../Elsewhere ");
    std::filesystem::create_directory(dir / "Folder");
    ASSERT_TRUE(saveProjectFile(dir / "Folder"));
    EXPECT_EQ(readBytes(dir / "Folder" / "Folder.zim"), bytes);
    for (const char* refused : {"", "../Up", "/absolute"})
        EXPECT_FALSE(saveProjectFile(dir.path(), refused)) << refused;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    auto loaded = std::make_unique<Project>();
    ASSERT_TRUE(loadProjectFile(*loaded, dir / "Folder", "Folder"));
    EXPECT_EQ(trimmed(loaded->program.applicationName), "Folder");
}

TEST(ProjectFile, FailedSaveIsReportedAndKeepsThePreviousFile) {
    TempDir dir;
    buildDefaultProject();
    const std::vector<char> previous(100, 'p');
    writeBytes(dir / "Default project.zim", previous);
    // The temporary file cannot be created where a directory of its name stands.
    std::filesystem::create_directory(dir / "Default project.zim.saving");
    FileOutcome outcome = saveProjectFile(dir.path(), "Default project");
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.error.find("Default project.zim"), std::string::npos) << outcome.error;
    EXPECT_EQ(readBytes(dir / "Default project.zim"), previous);

    FileOutcome missingDirectory = saveProjectFile(dir / "no such directory", "Default project");
    EXPECT_FALSE(missingDirectory);
    EXPECT_FALSE(std::filesystem::exists(dir / "no such directory"));
}

// A small project whose file has several windows, images, buttons and statics.
std::vector<char> sampleFile(const TempDir& dir) {
    buildDefaultProject();
    Project& p = project();
    p.program.windowCount = 2;
    window(2) = window(1);
    window(1).imageCount = 2;
    window(1).buttonCount = 2;
    window(2).staticCount = 2;
    if (!saveProjectFile(dir.path(), "Default project"))
        return {};
    return readBytes(dir / "Default project.zim");
}

TEST(ProjectFile, EveryTruncationIsRefusedAndChangesNothing) {
    TempDir dir;
    const auto full = sampleFile(dir);
    ASSERT_EQ(full.size(), 1436u + (1368 + 704 + 4120 + 1368) + (1368 + 2060 + 2736));
    std::mt19937 rng(7);
    fillRandomly(project(), rng, 3);
    Snapshot before;
    const auto file = dir / "Cut.zim";
    for (std::size_t length = 0; length < full.size(); ++length) {
        writeBytes(file, std::vector<char>(full.begin(), full.begin() + length));
        FileOutcome outcome = loadProjectFile(dir.path(), "Cut");
        ASSERT_FALSE(outcome) << "length " << length;
        // The same bytes in memory, as a generated program carries them.
        FileOutcome inMemory = loadProjectBytes(project(), full.data(), length, "The design data");
        ASSERT_FALSE(inMemory) << "length " << length;
        ASSERT_EQ(inMemory.error.rfind("The design data is damaged: ", 0), 0u) << inMemory.error;
        ASSERT_NE(outcome.error.find("\"Cut.zim\""), std::string::npos) << outcome.error;
        if (length % 101 == 0 || length == full.size() - 1)
            ASSERT_TRUE(before.unchanged()) << "length " << length;
        else
            ASSERT_EQ(std::memcmp(&before.copy->program, &project().program,
                                  sizeof(ProgramParameters) + sizeof(Wallpaper)),
                      0);
    }
    EXPECT_TRUE(before.unchanged());
    writeBytes(file, full);
    EXPECT_TRUE(loadProjectFile(dir.path(), "Cut"));
    const Snapshot fromFile;
    std::mt19937 again(7);
    fillRandomly(project(), again, 3);
    ASSERT_TRUE(loadProjectBytes(project(), full.data(), full.size(), "The design data"));
    setText(project().program.applicationName, "Cut");
    EXPECT_TRUE(fromFile.unchanged());
}

TEST(ProjectFile, CountsOutsideTheCapacitiesAndExtraBytesAreRefused) {
    TempDir dir;
    const auto full = sampleFile(dir);
    const std::size_t window1 = 1436, images1 = window1 + 176, middle1 = images1 + 2 * 352;
    struct Case {
        const char* what;
        std::size_t offset;
        int32_t value;
        const char* reason;
    };
    const Case cases[] = {
        {"no windows", 516, 0, "0 windows"},
        {"101 windows", 516, 101, "101 windows"},
        {"negative windows", 516, -1, "-1 windows"},
        {"11 images", window1 + 172, 11, "11 background images"},
        {"negative images", window1 + 172, -5, "-5 background images"},
        {"101 buttons", middle1 + 1184, 101, "101 buttons"},
        {"negative statics", middle1 + 1188, -1, "-1 static controls"},
        {"3 windows in a file of 2", 516, 3, "ends at byte"},
    };
    std::mt19937 rng(11);
    fillRandomly(project(), rng, 2);
    Snapshot before;
    for (const Case& c : cases) {
        auto bytes = full;
        std::memcpy(bytes.data() + c.offset, &c.value, 4);
        writeBytes(dir / "Bad.zim", bytes);
        FileOutcome outcome = loadProjectFile(dir.path(), "Bad");
        EXPECT_FALSE(outcome) << c.what;
        EXPECT_NE(outcome.error.find(c.reason), std::string::npos)
            << c.what << ": " << outcome.error;
        EXPECT_FALSE(checkProjectFile(dir / "Bad.zim")) << c.what;
        outcome = loadProjectBytes(project(), bytes.data(), bytes.size(), "The design data");
        EXPECT_NE(outcome.error.find(c.reason), std::string::npos)
            << c.what << ": " << outcome.error;
    }
    auto longer = full;
    longer.push_back('\0');
    writeBytes(dir / "Bad.zim", longer);
    FileOutcome extra = loadProjectFile(dir.path(), "Bad");
    EXPECT_FALSE(extra);
    EXPECT_NE(extra.error.find("1 bytes after its last window"), std::string::npos) << extra.error;

    FileOutcome missing = loadProjectFile(dir.path(), "Nowhere");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("\"Nowhere.zim\" cannot be opened"), std::string::npos)
        << missing.error;
    EXPECT_TRUE(before.unchanged());
    EXPECT_TRUE(checkProjectFile(dir / "Default project.zim"));
}

} // namespace
} // namespace zim
