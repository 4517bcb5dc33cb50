#include "archive/description_preview.h"

#include <gtest/gtest.h>

#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_field.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(ArchiveDescriptionPreview, ShowsTheTrimmedDescriptionOfWholeProjectFilesOnly) {
    TempDir root;
    const fs::path saved = programDirectory;
    programDirectory = root.path();
    auto fileOf = [&](const std::string& name) {
        fs::create_directories(root / "Projects" / name);
        return root / "Projects" / name / (name + ".zim");
    };
    buildDefaultProject();
    ASSERT_TRUE(saveProjectFile(fileOf("Default project").parent_path()));
    EXPECT_EQ(projectDescriptionPreview("Default project"),
              "Standard/default project - starting point for beginners. It could serve as "
              "initial template for new applications.");
    setText(project().program.applicationName, "Alpha");
    setText(project().program.description, "  A small calculator.");
    ASSERT_TRUE(saveProjectFile(fileOf("Alpha").parent_path()));
    EXPECT_EQ(projectDescriptionPreview("Alpha"), "  A small calculator.");
    const std::vector<char> whole = readBytes(fileOf("Alpha"));

    // Cut before, inside and right after the description, and one byte short of the end.
    for (std::size_t length :
         std::vector<std::size_t>{0, 100, 300, 467, 468, 1436, whole.size() - 1}) {
        const std::string name = "Cut" + std::to_string(length);
        writeBytes(fileOf(name), {whole.begin(), whole.begin() + length});
        EXPECT_EQ(projectDescriptionPreview(name), "") << length;
    }
    // Another program's file of the same length, one with a trailer, a folder in the file's
    // place, a folder without its file, a listed plain file, a name that is not there.
    writeBytes(fileOf("Foreign"), std::vector<char>(whole.size(), '\x7f'));
    std::vector<char> trailer = whole;
    trailer.push_back('!');
    writeBytes(fileOf("Trailer"), trailer);
    fs::create_directories(fileOf("Odd"));
    fileOf("Empty");
    writeBytes(root / "Projects" / "notes.txt", {'n'});
    for (const char* name : {"Foreign", "Trailer", "Odd", "Empty", "notes.txt", "Nowhere"})
        EXPECT_EQ(projectDescriptionPreview(name), "") << name;

    // ".." would read the file "...zim" beside the archive.
    writeBytes(root / "...zim", whole);
    EXPECT_EQ(projectDescriptionPreview(".."), "");
    programDirectory = saved;
}

} // namespace
} // namespace zim
