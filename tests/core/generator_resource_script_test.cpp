#include "generator/resource_script.h"

#include <gtest/gtest.h>

#include <vector>

#include "generator_test_project.h"

namespace zim {
namespace {

using test::addImage;
using test::addImageButton;
using test::addImageStatic;
using test::addWindow;
using test::startProject;

const std::string head =
    " //Microsoft Developer Studio generated resource script.\r\n"
    " //\r\n"
    " #include \"resource.h\"\r\n"
    " #define APSTUDIO_READONLY_SYMBOLS\r\n"
    " #include \"afxres.h\"\r\n"
    " #undef APSTUDIO_READONLY_SYMBOLS\r\n"
    " #if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\r\n"
    " #ifdef _WIN32\r\n"
    " LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\r\n"
    " #pragma code_page(1252)\r\n"
    " #endif //_WIN32\r\n"
    R"( GUI_DATA                ZIMFILE DISCARDABLE     "ZIM_GUI.zim"                 )"
    "\r\n";

const std::string tail = " #endif    // English (U.S.) resources\r\n"
                         " #ifndef APSTUDIO_INVOKED\r\n"
                         " #endif    // not APSTUDIO_INVOKED\r\n";

const std::string zimWLine =
    R"( ZIM_W                   ICON    DISCARDABLE     "ZIM_W.ico"                   )"
    "\r\n";
const std::string wallpaperLine =
    R"( WALLPAPER               BITMAP  DISCARDABLE     "Wallpaper.bmp"               )"
    "\r\n";

// A copy and the number of script lines written before it.
struct Copy {
    std::string file;
    ImageSource from;
    int linesBefore;

    bool operator==(const Copy& other) const {
        return file == other.file && from == other.from && linesBefore == other.linesBefore;
    }
};

std::ostream& operator<<(std::ostream& out, const Copy& copy) {
    return out << copy.file << (copy.from == ImageSource::libraries ? " (LIBRARIES)" : "")
               << " after line " << copy.linesBefore;
}

int linesIn(const std::string& text) {
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

struct Script {
    std::string text;
    std::vector<Copy> copies;
};

Script writeScript() {
    Script script;
    StringSink sink;
    writeResourceScript(sink, project(), [&](const std::string& file, ImageSource from) {
        script.copies.push_back({file, from, linesIn(sink.text())});
    });
    script.text = sink.text();
    return script;
}

TEST(ResourceScript, AProjectThatTakesNoImageFromAFileIsTheFifteenFixedLines) {
    startProject("Plain");
    project().program.wallpaperPresent = 0;
    // Window 1 keeps its standard icons and cursor, its text button (whose image name is
    // set) and its text static; window 2 has no icons and no cursor at all.
    AppWindow& second = addWindow();
    second.iconSource = 7;
    second.smallIconSource = 3;
    second.cursorSource = 14;
    ASSERT_EQ(button(1, 1).kind, 0);
    ASSERT_EQ(button(1, 1).imageKind, 2);

    const Script script = writeScript();
    EXPECT_EQ(script.text, head + tail);
    EXPECT_EQ(linesIn(script.text), 15);
    EXPECT_TRUE(script.copies.empty());
}

TEST(ResourceScript, TheWallpaperDeclaresItsIconAndItsImageOnlyWhenLoadedFromResources) {
    startProject("Walls");
    Wallpaper& wp = project().wallpaper;

    wp.imagePresent = 1;
    wp.imageFromResource = 1;
    Script script = writeScript();
    EXPECT_EQ(script.text, head + zimWLine + wallpaperLine + tail);
    EXPECT_EQ(script.copies, (std::vector<Copy>{{"ZIM_W.ico", ImageSource::libraries, 12},
                                                {"Wallpaper.bmp", ImageSource::archive, 13}}));

    // Loaded from its file by the generated program: copied all the same, not declared.
    wp.imageFromResource = 0;
    script = writeScript();
    EXPECT_EQ(script.text, head + zimWLine + tail);
    EXPECT_EQ(script.copies, (std::vector<Copy>{{"ZIM_W.ico", ImageSource::libraries, 12},
                                                {"Wallpaper.bmp", ImageSource::archive, 13}}));

    // The file name is always "Wallpaper.bmp", whatever the image field holds.
    setText(wp.imageFile, "Sunset");
    wp.imageFromResource = 1;
    wp.imagePresent = 0;
    script = writeScript();
    EXPECT_EQ(script.text, head + zimWLine + tail);
    EXPECT_EQ(script.copies, (std::vector<Copy>{{"ZIM_W.ico", ImageSource::libraries, 12}}));

    project().program.wallpaperPresent = 0;
    wp.imagePresent = 1;
    script = writeScript();
    EXPECT_EQ(script.text, head + tail);
    EXPECT_TRUE(script.copies.empty());
}

TEST(ResourceScript, WindowsDeclareTheirIconsCursorsBackgroundsAndControlImagesInOrder) {
    startProject("Walk");
    project().wallpaper.imagePresent = 1;
    project().wallpaper.imageFromResource = 1;

    AppWindow& first = window(1);
    first.iconSource = 0;
    first.smallIconSource = 0;
    first.cursorSource = 0;
    addImage(1, "Wnd_001_01", 1);
    addImage(1, "Wnd_001_02", 0);
    first.buttonCount = 0;
    addImageButton(1, 1, 1, 0, "Button_001_001"); // icon from a file
    addImageButton(1, 1, 1, 3, "Button_001_002"); // standard icon: nothing
    addImageButton(1, 1, 2, 2, "Button_001_003"); // a bitmap whatever standardImage says
    addImageButton(1, 0, 2, 0, "Button_001_004"); // text button with an image name
    addImageButton(1, 2, 2, 0, "Button_001_005"); // drawn by the runtime: not declared
    first.staticCount = 0;
    addImageStatic(1, 2, 1, 0, "Static_001_001"); // icon from a file
    addImageStatic(1, 2, 2, 1, "Static_001_002"); // bitmap
    addImageStatic(1, 0, 2, 0, "Static_001_003"); // text static
    addImageStatic(1, 2, 1, 1, "Static_001_004"); // standard icon
    addImageStatic(1, 2, 0, 0, "Static_001_005"); // no image
    addImageStatic(1, 1, 2, 0, "Static_001_006"); // simple graphics

    AppWindow& second = addWindow();
    second.iconSource = 2;
    second.smallIconSource = 0;
    setText(second.smallIconName, "   Wnd_002s");
    second.cursorSource = 14;
    addImage(2, "Wnd_002_01", 0);

    const Script script = writeScript();
    EXPECT_EQ(
        script.text,
        head + zimWLine + wallpaperLine +
            R"( Wnd_001                 ICON    DISCARDABLE     "Wnd_001.ico"                 )"
            "\r\n"
            R"( Wnd_001s                ICON    DISCARDABLE     "Wnd_001s.ico"                )"
            "\r\n"
            R"( Wnd_001                 CURSOR  DISCARDABLE     "Wnd_001.cur"                 )"
            "\r\n"
            R"( Wnd_001_01              BITMAP  DISCARDABLE     "Wnd_001_01.bmp"              )"
            "\r\n"
            R"( Button_001_001          ICON    DISCARDABLE     "Button_001_001.ico"          )"
            "\r\n"
            R"( Button_001_003          BITMAP  DISCARDABLE     "Button_001_003.bmp"          )"
            "\r\n"
            R"( Static_001_001          ICON    DISCARDABLE     "Static_001_001.ico"          )"
            "\r\n"
            R"( Static_001_002          BITMAP  DISCARDABLE     "Static_001_002.bmp"          )"
            "\r\n"
            R"( Wnd_002s                ICON    DISCARDABLE     "Wnd_002s.ico"                )"
            "\r\n" +
            tail);

    const ImageSource archive = ImageSource::archive;
    EXPECT_EQ(script.copies, (std::vector<Copy>{
                                 {"ZIM_W.ico", ImageSource::libraries, 12},
                                 {"Wallpaper.bmp", archive, 13},
                                 {"Wnd_001.ico", archive, 14},
                                 {"Wnd_001s.ico", archive, 15},
                                 {"Wnd_001.cur", archive, 16},
                                 {"Wnd_001_01.bmp", archive, 17},
                                 {"Wnd_001_02.bmp", archive, 18},
                                 {"Button_001_001.ico", archive, 18},
                                 {"Button_001_003.bmp", archive, 19},
                                 {"Static_001_001.ico", archive, 20},
                                 {"Static_001_002.bmp", archive, 21},
                                 {"Wnd_002s.ico", archive, 22},
                                 {"Wnd_002_01.bmp", archive, 23},
                             }));
    for (std::size_t at = head.size(); at < script.text.size() - tail.size();
         at = script.text.find("\r\n", at) + 2)
        EXPECT_EQ(script.text.find("\r\n", at) - at, 79u) << script.text.substr(at, 90);
}

TEST(ResourceScript, LongNamesAreWrittenWholeAndStayApartFromTheirType) {
    startProject("Long");
    project().program.wallpaperPresent = 0;
    window(1).buttonCount = 0;
    window(1).staticCount = 0;
    addImageButton(1, 1, 2, 0, "Twenty_three_characters");    // 23: one blank left
    addImageButton(1, 1, 1, 0, "Twenty_four_characters__");   // 24: one blank added
    addImageButton(1, 1, 2, 0, "A_name_of_twenty_six_chars"); // 26: file column 32 wide
    addImageStatic(1, 2, 1, 0, "Twenty_five_characters___");  // 25: file column 31 wide

    const Script script = writeScript();
    EXPECT_EQ(
        script.text,
        head +
            R"( Twenty_three_characters BITMAP  DISCARDABLE     "Twenty_three_characters.bmp" )"
            "\r\n"
            R"( Twenty_four_characters__ ICON    DISCARDABLE     "Twenty_four_characters__.ico")"
            "\r\n"
            R"( A_name_of_twenty_six_chars BITMAP  DISCARDABLE     "A_name_of_twenty_six_chars.bmp")"
            "\r\n"
            R"( Twenty_five_characters___ ICON    DISCARDABLE     "Twenty_five_characters___.ico")"
            "\r\n" +
            tail);
    EXPECT_EQ(script.copies.size(), 4u);
    EXPECT_EQ(script.copies[2].file, "A_name_of_twenty_six_chars.bmp");
}

} // namespace
} // namespace zim
