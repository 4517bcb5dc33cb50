#include "editors/frame/project_image_copy.h"
#include "editors/frame/wallpaper_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "bitmap_files.h"
#include "model/text_field.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

class WallpaperImageCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(project);
        fs::create_directories(elsewhere);
        test::writeBytes(project / "Wallpaper.bmp", oldImage);
        test::writeBytes(project / "Wnd_001_01.bmp", test::bytesOf("window image"));
        test::writeBytes(chosen, newImage);
        setText(wallpaper.imageFile, "Wallpaper");
    }
    std::set<std::string> projectFiles() const {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(project))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::vector<char> wallpaperImage() const { return test::readBytes(project / "Wallpaper.bmp"); }

    test::TempDir root;
    fs::path project = root / "Projects" / "Demo";
    fs::path elsewhere = root / "Pictures";
    fs::path chosen = elsewhere / "sunset.BMP";
    std::vector<char> oldImage = test::bitmapBytes({2, 2, 24});
    std::vector<char> newImage = test::bitmapBytes({5, 4, 8});
    Wallpaper wallpaper{};
    const std::set<std::string> untouched{"Wallpaper.bmp", "Wnd_001_01.bmp"};
};

TEST_F(WallpaperImageCopy, ANewImageReplacesWallpaperBmpWhateverItWasCalled) {
    fs::permissions(chosen, fs::perms::owner_read, fs::perm_options::replace);
    setText(wallpaper.imageFile, "Old name");
    const WallpaperImageReplacement result = replaceWallpaperImage(wallpaper, chosen, project);
    EXPECT_TRUE(result.imageInPlace);
    EXPECT_EQ(wallpaperImage(), newImage);
    EXPECT_EQ(trimmed(wallpaper.imageFile), "Wallpaper");
    EXPECT_EQ(projectFiles(), untouched) << "no temporary file is left behind";
    // The copy of a read-only file is writable, so the next replacement works.
    EXPECT_NE(fs::status(project / "Wallpaper.bmp").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_EQ(test::readBytes(chosen), newImage);
}

TEST_F(WallpaperImageCopy, ChoosingTheWallpaperImageItselfCopiesNothing) {
    // Reached by another path, it is still the same file.
    const ImageCopyResult result =
        copyImageIntoProject(project / ".." / "Demo" / "Wallpaper.bmp", project, "Wallpaper.bmp");
    EXPECT_EQ(result.status, ImageCopyStatus::alreadyThere);
    EXPECT_TRUE(result.imageInPlace());
    EXPECT_EQ(wallpaperImage(), oldImage);
    EXPECT_EQ(projectFiles(), untouched);

    const WallpaperImageReplacement page =
        replaceWallpaperImage(wallpaper, project / "Wallpaper.bmp", project);
    EXPECT_EQ(page.message.text, "The selected image is the wallpaper image already...");
    EXPECT_EQ(wallpaperImage(), oldImage);
}

TEST_F(WallpaperImageCopy, RefusalsTouchNothingAndNameTheFile) {
    fs::create_directories(root / "outside");
    test::writeBytes(root / "outside" / "victim.bmp", test::bytesOf("victim"));
    const struct Case {
        const char* name;
        std::function<bool()> arrange; // false: this system cannot set the case up
        fs::path source;
        fs::path folder;
        std::string target;
        std::string problem;
    } cases[] = {
        {"a target that is a link",
         [&] {
             fs::remove(project / "Wallpaper.bmp");
             return test::makeLink(root / "outside" / "victim.bmp", project / "Wallpaper.bmp");
         },
         chosen, project, "Wallpaper.bmp",
         "\"Wallpaper.bmp\" is a link, and links are never followed."},
        {"a folder in the way",
         [&] {
             fs::remove(project / "Wallpaper.bmp");
             return fs::create_directory(project / "Wallpaper.bmp");
         },
         chosen, project, "Wallpaper.bmp", "\"Wallpaper.bmp\" is in the way: it is not a file."},
        {"a project folder that is a link",
         [&] { return test::makeLink(root / "outside", root / "Projects" / "Linked"); }, chosen,
         root / "Projects" / "Linked", "victim.bmp",
         "The project folder \"Linked\" is a link, and links are never followed."},
        {"a missing project folder", [] { return true; }, chosen, root / "Projects" / "Gone",
         "Wallpaper.bmp", "The project folder \"Gone\" was not found."},
        {"a missing file", [] { return true; }, elsewhere / "gone.bmp", project, "Wallpaper.bmp",
         "The file \"gone.bmp\" was not found."},
        {"a folder chosen", [] { return true; }, elsewhere, project, "Wallpaper.bmp",
         "\"Pictures\" is not a file."},
        {"a name leading up", [] { return true; }, chosen, project, "../../outside/victim.bmp",
         "\"../../outside/victim.bmp\" is not a file name inside the project folder."},
        {"a device name", [] { return true; }, chosen, project, "CON.bmp",
         "\"CON.bmp\" is not a file name inside the project folder."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.arrange())
            continue; // links cannot be made here; the native run covers the case
        const auto before = projectFiles();
        const ImageCopyResult result = copyImageIntoProject(c.source, c.folder, c.target);
        EXPECT_EQ(result.status, ImageCopyStatus::refused);
        EXPECT_FALSE(result.imageInPlace());
        EXPECT_EQ(result.problem, c.problem);
        EXPECT_EQ(projectFiles(), before);
        EXPECT_EQ(test::readBytes(root / "outside" / "victim.bmp"), test::bytesOf("victim"));
        EXPECT_EQ(test::readBytes(chosen), newImage);
        // Put the wallpaper image back for the next case.
        fs::remove(project / "Wallpaper.bmp");
        test::writeBytes(project / "Wallpaper.bmp", oldImage);
    }
}

TEST_F(WallpaperImageCopy, AFailedCopyKeepsThePreviousImageAndTheRecord) {
    // Every temporary name is taken by files that are not the copy's to replace.
    std::set<std::string> expected = untouched;
    for (const char* suffix : {"", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) {
        const std::string name = std::string("Wallpaper.bmp.copying") + suffix;
        test::writeBytes(project / name, test::bytesOf("someone's " + name));
        expected.insert(name);
    }
    setText(wallpaper.imageFile, "Old name");
    const WallpaperImageReplacement result = replaceWallpaperImage(wallpaper, chosen, project);
    EXPECT_FALSE(result.imageInPlace);
    EXPECT_EQ(result.message.text,
              "Could not copy \"sunset.BMP\" to \"Wallpaper.bmp\": no temporary name beside it is "
              "free.\rThe wallpaper image was not changed...");
    EXPECT_EQ(wallpaperImage(), oldImage);
    EXPECT_EQ(projectFiles(), expected);
    EXPECT_EQ(test::readBytes(project / "Wallpaper.bmp.copying"),
              test::bytesOf("someone's Wallpaper.bmp.copying"));
    EXPECT_EQ(trimmed(wallpaper.imageFile), "Old name");

    // One free name is enough.
    fs::remove(project / "Wallpaper.bmp.copying7");
    EXPECT_EQ(copyImageIntoProject(chosen, project, "Wallpaper.bmp").status,
              ImageCopyStatus::copied);
    EXPECT_EQ(wallpaperImage(), newImage);
}

TEST_F(WallpaperImageCopy, AFileThatIsNoBitmapNeverReplacesTheImage) {
    test::writeBytes(chosen, test::bytesOf("not a picture at all"));
    const WallpaperImageReplacement result = replaceWallpaperImage(wallpaper, chosen, project);
    EXPECT_FALSE(result.imageInPlace);
    EXPECT_EQ(result.message.text,
              "The image file \"sunset.BMP\" cannot be used: it does not begin with \"BM\", so it "
              "is no bitmap.\rThe wallpaper image was not changed...");
    EXPECT_EQ(wallpaperImage(), oldImage);
    EXPECT_EQ(projectFiles(), untouched);
}

} // namespace
} // namespace zim
