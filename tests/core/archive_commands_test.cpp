#include "archive/project_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <memory>

#include "archive/name_dialog_rules.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_field.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::readBytes;
using test::writeBytes;
using Tree = std::map<std::string, std::string>;
using Names = std::vector<std::string>;

constexpr unsigned stopFlags = 0x10 | 0x2000;           // MB_ICONHAND | MB_TASKMODAL
constexpr unsigned questionFlags = 0x4 | 0x10 | 0x2000; // with MB_YESNO
constexpr const char* cancel = "<cancel>";
const std::string createCaption = "Create New Project...";
const std::string loadCaption = "Load Project...";
const std::string saveCaption = "Save Current Project...";

struct Asked {
    std::string text;
    std::string caption;
    unsigned flags;
    fs::path currentDirectory; // where the command stood when it asked
};

// Plays the user: the name dialog takes the scripted text (or a cancel) with the dialogs' own
// rules on the real listing, as the Win32 dialog does; message boxes take the scripted answers.
class ScriptedPrompts : public UserPrompts {
  public:
    int ask(const std::string& text, const std::string& caption, unsigned flags) override {
        asked.push_back({text, caption, flags, fs::current_path()});
        const int answer = answers.empty() ? box::answerOk : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    int nameDialog(NameDialogKind kind, std::string& chosenName) override {
        dialogs.push_back(kind);
        if (typed == cancel)
            return 0;
        const NameAcceptance taken = acceptName(kind, typed, nameDialogListing(kind));
        EXPECT_TRUE(taken.accepted) << typed;
        chosenName = taken.chosenName;
        return taken.result;
    }

    std::string typed;
    std::deque<int> answers;
    std::vector<Asked> asked;
    std::vector<NameDialogKind> dialogs;
};

// Counts what the command asked the views to show again.
class CountedViews : public ProjectViews {
  public:
    void refreshProjectView() override { ++refreshes; }
    void rebuildStructureTree() override { ++rebuilds; }

    int refreshes = 0;
    int rebuilds = 0;
};

// Every folder and file under a root, with the files' contents.
Tree treeOf(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::vector<char> bytes =
            entry.is_directory() ? bytesOf("<folder>") : readBytes(entry.path());
        tree[fs::relative(entry.path(), root).generic_string()] = {bytes.begin(), bytes.end()};
    }
    return tree;
}

// The paths added, removed or changed between two trees; "" when none.
std::string changesBetween(const Tree& before, const Tree& after) {
    std::string changes;
    for (const auto& [path, content] : before) {
        const auto found = after.find(path);
        if (found == after.end() || found->second != content)
            changes += (found == after.end() ? " removed:" : " changed:") + path;
    }
    for (const auto& entry : after)
        if (before.count(entry.first) == 0)
            changes += " added:" + entry.first;
    return changes;
}

Names sortedNames(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct ProjectSnapshot {
    std::unique_ptr<Project> copy = std::make_unique<Project>(project());
    bool unchanged() const { return std::memcmp(copy.get(), &project(), sizeof(Project)) == 0; }
};

// An archive in a temporary program directory: the default project with two image files and
// a subfolder, an empty FORTRAN PROGRAMS and a file beside the archive.
class ArchiveCommands : public ::testing::Test {
  protected:
    void SetUp() override { makeProgramDirectory(root_.path()); }
    void makeProgramDirectory(const fs::path& directory) {
        programDirectory = directory;
        fs::create_directories(folderOf(defaultProjectName) / "Extras");
        buildDefaultProject();
        ASSERT_TRUE(saveProjectFile(folderOf(defaultProjectName)));
        writeBytes(folderOf(defaultProjectName) / "Wallpaper.bmp", bytesOf("wallpaper"));
        writeBytes(folderOf(defaultProjectName) / "Button_001_001.bmp", bytesOf("button"));
        writeBytes(folderOf(defaultProjectName) / "Extras" / "readme.txt", bytesOf("extra"));
        fs::create_directories(directory / "FORTRAN PROGRAMS");
        writeBytes(directory / "outside.txt", bytesOf("outside the archive"));
        open(defaultProjectName);
    }
    void TearDown() override {
        fs::current_path(savedCurrent_);
        programDirectory = savedProgram_;
        projectToLoad = savedToLoad_;
        projectDirectory = savedDirectory_;
        projectUnsaved = savedUnsaved_;
    }

    fs::path folderOf(const std::string& name) const {
        return programDirectory / "Projects" / name;
    }

    // Stores the default design under another name and window title, with image files, and
    // opens it as start-up and the load command leave it.
    void store(const std::string& name, const std::string& title, const Names& files = {}) {
        buildDefaultProject();
        setText(project().program.applicationName, name);
        setText(window(1).title, title);
        fs::create_directories(folderOf(name));
        ASSERT_TRUE(saveProjectFile(folderOf(name)));
        for (const std::string& file : files)
            writeBytes(folderOf(name) / file, bytesOf(name + " " + file));
        open(name);
    }
    void open(const std::string& name) {
        projectToLoad = name;
        projectDirectory = folderOf(name);
        fs::current_path(projectDirectory);
        ASSERT_TRUE(loadProjectFile(projectDirectory, name));
        projectUnsaved = 0;
    }

    // Runs a command with the name typed into its dialog and the answers to its questions.
    CommandResult run(int id, const std::string& typed, std::deque<int> answers = {}) {
        ui_ = ScriptedPrompts();
        ui_.typed = typed;
        ui_.answers = std::move(answers);
        views_ = CountedViews();
        return projectCommand(id, ui_, views_, [] { return std::string("20261205"); });
    }

    void expectOpen(const std::string& name, int32_t unsaved) const {
        EXPECT_EQ(projectToLoad, name);
        EXPECT_TRUE(fs::equivalent(projectDirectory, folderOf(name)));
        EXPECT_TRUE(fs::equivalent(fs::current_path(), folderOf(name)));
        EXPECT_EQ(projectUnsaved, unsaved);
    }

    // The command asked exactly these questions.
    void expectAsked(const std::vector<Asked>& expected) const {
        ASSERT_EQ(ui_.asked.size(), expected.size());
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(ui_.asked[k].text, expected[k].text) << k;
            EXPECT_EQ(ui_.asked[k].caption, expected[k].caption) << k;
            EXPECT_EQ(ui_.asked[k].flags, expected[k].flags) << k;
        }
    }

    // Neither the archive nor the open project changed, and nothing was shown again.
    void expectUntouched(const Tree& before, const ProjectSnapshot& snapshot) const {
        EXPECT_EQ(changesBetween(before, treeOf(root_.path())), "");
        EXPECT_TRUE(snapshot.unchanged());
        EXPECT_EQ(views_.refreshes + views_.rebuilds, 0);
    }

    // The program part of a stored project file.
    ProgramParameters storedProgram(const std::string& name) const {
        auto copy = std::make_unique<Project>();
        EXPECT_TRUE(loadProjectFileAt(*copy, folderOf(name) / (name + ".zim")));
        return copy->program;
    }

    test::TempDir root_;
    ScriptedPrompts ui_;
    CountedViews views_;

  private:
    fs::path savedCurrent_ = fs::current_path();
    fs::path savedProgram_ = programDirectory;
    std::string savedToLoad_ = projectToLoad;
    fs::path savedDirectory_ = projectDirectory;
    int32_t savedUnsaved_ = projectUnsaved;
};

TEST_F(ArchiveCommands, CreateNewProjectStartsFromTheDefaultProject) {
    store("Alpha", "Alpha window", {"alpha.bmp"});
    const Tree before = treeOf(root_.path());

    EXPECT_EQ(run(1, "My App  "), CommandResult::completed);
    expectAsked({});
    EXPECT_EQ(ui_.dialogs, std::vector<NameDialogKind>{NameDialogKind::newProject});
    EXPECT_EQ(views_.refreshes, 1);
    EXPECT_EQ(changesBetween(before, treeOf(root_.path())),
              " added:Projects/My App added:Projects/My App/Button_001_001.bmp added:Projects/"
              "My App/My App.zim added:Projects/My App/Wallpaper.bmp");
    expectOpen("My App", 1);

    const ProgramParameters& program = project().program;
    EXPECT_EQ(trimmed(program.applicationName), "My App");
    EXPECT_EQ(std::string(program.created, 40), "05 December 2026" + std::string(24, ' '));
    EXPECT_EQ(trimmed(program.description), "No description yet...");
    EXPECT_EQ(trimmed(window(1).title), "First Application Window");
    const ProgramParameters stored = storedProgram("My App");
    EXPECT_EQ(std::memcmp(&stored, &program, sizeof program), 0);
}

// Each refusal and cancel shows its message first, then makes the project directory current
// again; hostile names are refused by every command before anything changes.
TEST_F(ArchiveCommands, RefusalsAndCancelsChangeNothing) {
    store("Alpha", "Alpha window", {"alpha.bmp"});
    writeBytes(root_ / "Projects" / "notes.txt", bytesOf("a plain file"));
    fs::create_directories(root_ / "Projects" / "a");
    writeBytes(root_ / "Projects" / "a" / "b", bytesOf("what a\\b must not reach"));
    fs::create_directories(root_ / "Projects" / " Alpha"); // listed, but not "Alpha"
    const Tree before = treeOf(root_.path());
    const std::string exists = "The project you selected already exists. Operation was "
                               "cancelled...";
    struct Case {
        int command;
        std::string typed;
        std::string text;
        std::string caption;
        bool hostile = false; // the refusal ends with the name's reason
    };
    std::vector<Case> cases = {
        {1, "default PROJECT", exists, createCaption},
        {1, "ALPHA", exists, createCaption},
        {1, "notes.TXT", exists, createCaption},
        {3, "NOTES.txt",
         "Sorry, but <<notes.txt>> is a file, not a project folder, so it can't be overwritten...",
         saveCaption},
        {1, cancel, "Operation was cancelled...", createCaption},
        {2, cancel, "Operation was canceled...", loadCaption},
        {3, cancel, "Operation was canceled...", saveCaption},
    };
    const std::string captions[] = {createCaption, loadCaption, saveCaption};
    for (int command = 1; command <= 3; ++command)
        for (const std::string name :
             {"..", "a\\b", "../Escaped", "lpt\xB9.txt", "name.", "tab\there", " Alpha"})
            cases.push_back({command, name, "Sorry, but <<" + name + ">> can't be a project name: ",
                             captions[command - 1], true});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " " + c.typed);
        open("Alpha");
        const ProjectSnapshot snapshot;
        fs::current_path(root_.path()); // where a dialog's listing may leave it
        EXPECT_NE(run(c.command, c.typed, {box::answerYes, box::answerYes}),
                  CommandResult::completed);
        ASSERT_EQ(ui_.asked.size(), 1u);
        const Asked& asked = ui_.asked[0];
        if (c.hostile) {
            EXPECT_EQ(asked.text.rfind(c.text, 0), 0u) << asked.text;
            EXPECT_EQ(asked.text.substr(asked.text.size() - 3), "...");
        } else {
            EXPECT_EQ(asked.text, c.text);
        }
        EXPECT_EQ(asked.caption, c.caption);
        EXPECT_EQ(asked.flags, stopFlags);
        EXPECT_TRUE(fs::equivalent(asked.currentDirectory, root_.path()));
        expectOpen("Alpha", 0);
        expectUntouched(before, snapshot);
    }
}

TEST_F(ArchiveCommands, LoadOpensTheChosenProjectButNeverRereadsTheOpenOne) {
    store("Beta", "Beta window");
    open(defaultProjectName);
    setText(window(1).title, "Edited in memory");
    fs::current_path(root_.path());
    EXPECT_EQ(run(2, "Default project"), CommandResult::completed);
    EXPECT_EQ(trimmed(window(1).title), "Edited in memory");
    expectOpen(defaultProjectName, 1);
    EXPECT_EQ(views_.refreshes + views_.rebuilds, 0);

    projectUnsaved = 0;
    EXPECT_EQ(run(2, "BETA"), CommandResult::completed);
    EXPECT_EQ(ui_.dialogs, std::vector<NameDialogKind>{NameDialogKind::load});
    expectAsked({});
    EXPECT_EQ(trimmed(window(1).title), "Beta window");
    expectOpen("Beta", 1); // the archive's spelling of the name
    EXPECT_EQ(views_.refreshes, 1);
    EXPECT_EQ(views_.rebuilds, 1);
}

TEST_F(ArchiveCommands, AProjectFileThatCannotBeLoadedIsShownAndChangesNothing) {
    const std::vector<char> whole = readBytes(folderOf(defaultProjectName) / "Default project.zim");
    fs::create_directories(folderOf("Broken"));
    writeBytes(folderOf("Broken") / "Broken.zim", {whole.begin(), whole.begin() + 1000});
    fs::create_directories(folderOf("Empty"));
    store("Alpha", "Alpha window");
    setText(window(1).title, "Edited in memory");
    const Tree before = treeOf(root_.path());

    for (const std::string name : {"Broken", "Empty"}) {
        SCOPED_TRACE(name);
        const ProjectSnapshot snapshot;
        EXPECT_EQ(run(2, name), CommandResult::failed);
        auto scratch = std::make_unique<Project>();
        const FileOutcome why = loadProjectFileAt(*scratch, folderOf(name) / (name + ".zim"));
        expectAsked({{why.error, loadCaption, stopFlags, {}}});
        EXPECT_NE(why.error.find(name + ".zim"), std::string::npos);
        expectUntouched(before, snapshot);
        expectOpen("Alpha", 0);
    }

    // A damaged default project stops a new project before anything is created.
    writeBytes(folderOf(defaultProjectName) / "Default project.zim",
               {whole.begin(), whole.end() - 4});
    const Tree damaged = treeOf(root_.path());
    const ProjectSnapshot snapshot;
    EXPECT_EQ(run(1, "Fresh"), CommandResult::failed);
    ASSERT_EQ(ui_.asked.size(), 1u);
    EXPECT_EQ(ui_.asked[0].caption, createCaption);
    EXPECT_NE(ui_.asked[0].text.find("Default project.zim"), std::string::npos);
    expectUntouched(damaged, snapshot);
    expectOpen("Alpha", 0);
}

TEST_F(ArchiveCommands, SavingUnderTheOpenNameWritesOnlyTheProjectFile) {
    store("Alpha", "Alpha window", {"alpha.bmp"});
    setText(project().program.description, "Edited in memory");
    projectUnsaved = 1;
    const Tree before = treeOf(root_.path());
    EXPECT_EQ(run(3, "ALPHA"), CommandResult::completed);
    expectAsked({});
    EXPECT_EQ(ui_.dialogs, std::vector<NameDialogKind>{NameDialogKind::save});
    EXPECT_EQ(changesBetween(before, treeOf(root_.path())), " changed:Projects/Alpha/Alpha.zim");
    EXPECT_EQ(trimmed(storedProgram("Alpha").description), "Edited in memory");
    EXPECT_EQ(trimmed(storedProgram("Alpha").created), "01 December 2001");
    expectOpen("Alpha", 0);
}

TEST_F(ArchiveCommands, SavingUnderANewNameCopiesTheFilesAndRenamesTheProject) {
    store("Alpha", "Alpha window", {"alpha.bmp", "Wnd_001.ico"});
    fs::create_directories(folderOf("Alpha") / "drafts");
    writeBytes(folderOf("Alpha") / "drafts" / "x.txt", bytesOf("draft"));
    projectUnsaved = 1;
    const Tree alpha = treeOf(folderOf("Alpha"));

    EXPECT_EQ(run(3, "Gamma"), CommandResult::completed);
    expectAsked({});
    EXPECT_EQ(views_.refreshes, 1);
    EXPECT_EQ(sortedNames(folderOf("Gamma")), (Names{"Gamma.zim", "Wnd_001.ico", "alpha.bmp"}));
    EXPECT_EQ(readBytes(folderOf("Gamma") / "alpha.bmp"), bytesOf("Alpha alpha.bmp"));
    EXPECT_EQ(changesBetween(alpha, treeOf(folderOf("Alpha"))), "");
    expectOpen("Gamma", 0);

    const ProgramParameters& program = project().program;
    EXPECT_EQ(trimmed(program.applicationName), "Gamma");
    EXPECT_EQ(trimmed(program.created), "05 December 2026");
    EXPECT_EQ(trimmed(program.description), "No description yet...");
    EXPECT_EQ(trimmed(window(1).title), "Alpha window");
    const ProgramParameters stored = storedProgram("Gamma");
    EXPECT_EQ(std::memcmp(&stored, &program, sizeof program), 0);
}

TEST_F(ArchiveCommands, OverwritingAnotherProjectAsksFirst) {
    store("Delta", "Delta window", {"old.bmp"});
    fs::create_directories(folderOf("Delta") / "keep");
    writeBytes(folderOf("Delta") / "keep" / "inner.txt", bytesOf("inner"));
    store("Alpha", "Alpha window", {"alpha.bmp"});
    projectUnsaved = 1;
    const Asked question{
        "The project <<Delta>>\ralready exists. Would you like to overwrite existing project?",
        "Save As...",
        questionFlags,
        {}};

    const Tree before = treeOf(root_.path());
    fs::current_path(root_.path());
    EXPECT_EQ(run(3, "Delta", {box::answerNo}), CommandResult::cancelled);
    expectAsked({question, {"Operation was cancelled...", saveCaption, stopFlags, {}}});
    // After No the project directory is made current first, then the message is shown.
    EXPECT_TRUE(fs::equivalent(ui_.asked[1].currentDirectory, folderOf("Alpha")));
    EXPECT_EQ(changesBetween(before, treeOf(root_.path())), "");
    expectOpen("Alpha", 1);

    // Yes, with the name typed in another case: Delta's files make way for Alpha's.
    EXPECT_EQ(run(3, "delta", {box::answerYes}), CommandResult::completed);
    expectAsked({question});
    EXPECT_EQ(sortedNames(folderOf("Delta")), (Names{"Delta.zim", "alpha.bmp", "keep"}));
    EXPECT_EQ(readBytes(folderOf("Delta") / "keep" / "inner.txt"), bytesOf("inner"));
    EXPECT_EQ(trimmed(storedProgram("Delta").applicationName), "Delta");
    EXPECT_EQ(trimmed(window(1).title), "Alpha window");
    expectOpen("Delta", 0);
    EXPECT_EQ(changesBetween(before, treeOf(root_.path())).find("Projects/Alpha"),
              std::string::npos);
}

TEST_F(ArchiveCommands, TheDefaultProjectIsNeverOverwritten) {
    store("Alpha", "Alpha window");
    const Tree before = treeOf(root_.path());
    const std::pair<std::string, std::string> cases[] = {{"Alpha", "Default project"},
                                                         {defaultProjectName, "DEFAULT PROJECT"}};
    for (const auto& [openName, typed] : cases) {
        SCOPED_TRACE(openName + " / " + typed);
        open(openName);
        projectUnsaved = 1;
        EXPECT_EQ(run(3, typed, {box::answerYes}), CommandResult::refused);
        // Refused before any question.
        expectAsked({{"Sorry, but you can't overwrite the default project...",
                      saveCaption,
                      stopFlags,
                      {}}});
        EXPECT_EQ(changesBetween(before, treeOf(root_.path())), "");
        expectOpen(openName, 1); // nothing was saved
    }
}

// Each failure is one line of the closing message, and a long list is cut so that the message
// box fits the screen.
TEST_F(ArchiveCommands, FailuresAreListedWhenTheCommandEnds) {
    store("Delta", "Delta window");
    Names images;
    for (int k = 10; k < 33; ++k) {
        images.push_back("image" + std::to_string(k) + ".bmp");
        fs::create_directories(folderOf("Delta") / images.back()); // stands where a copy goes
    }
    store("Alpha", "Alpha window", images);
    writeBytes(folderOf("Alpha") / "other.bmp", bytesOf("other"));
    EXPECT_EQ(run(3, "Delta", {box::answerYes}), CommandResult::failed);
    ASSERT_EQ(ui_.asked.size(), 2u);
    EXPECT_EQ(ui_.asked[1].caption, saveCaption);
    EXPECT_EQ(ui_.asked[1].flags, stopFlags);
    const std::string& report = ui_.asked[1].text;
    EXPECT_EQ(report.rfind("Some files or folders could not be handled:\rCould not copy ", 0), 0u)
        << report;
    EXPECT_EQ(report.find('\n'), std::string::npos);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\r'), 21);
    EXPECT_EQ(report.substr(report.rfind('\r')), "\r... and 3 more");
    // Everything else was done.
    EXPECT_EQ(readBytes(folderOf("Delta") / "other.bmp"), bytesOf("other"));
    EXPECT_FALSE(fs::exists(folderOf("Delta") / "Alpha.zim"));
    EXPECT_EQ(trimmed(storedProgram("Delta").applicationName), "Delta");
    expectOpen("Delta", 0);

    // A save that fails is reported, and the project stays unsaved.
    fs::remove(folderOf("Delta") / "Delta.zim");
    fs::create_directories(folderOf("Delta") / "Delta.zim" / "inside");
    EXPECT_EQ(run(3, "Delta"), CommandResult::failed);
    ASSERT_EQ(ui_.asked.size(), 1u);
    EXPECT_EQ(ui_.asked[0].caption, saveCaption);
    EXPECT_NE(ui_.asked[0].text.find("Delta.zim"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folderOf("Delta") / "Delta.zim" / "inside"));
    expectOpen("Delta", 1);
}

// Whatever name a project file stores (another project's, a path, a drive), the project is
// shown and saved under its folder's name, and nothing else is written.
TEST_F(ArchiveCommands, AProjectIsNamedByItsFolder) {
    const fs::path defaultFile = folderOf(defaultProjectName) / "Default project";
    for (const std::string& stored :
         {std::string("Other"), std::string("..\\Beta\\Beta"), std::string("../Beta/Beta"),
          defaultFile.string(), std::string("C:\\Beta")}) {
        SCOPED_TRACE(stored);
        buildDefaultProject();
        setText(project().program.applicationName, stored);
        fs::create_directories(folderOf("Alpha"));
        ASSERT_TRUE(saveProjectFile(folderOf("Alpha"), "Alpha"));
        fs::create_directories(folderOf("Beta"));
        open(defaultProjectName);
        const Tree before = treeOf(root_.path());

        EXPECT_EQ(run(2, "Alpha"), CommandResult::completed);
        EXPECT_EQ(trimmed(project().program.applicationName), "Alpha");
        setText(window(1).title, "Edited");
        EXPECT_EQ(run(3, "Alpha"), CommandResult::completed);
        expectAsked({});
        EXPECT_EQ(changesBetween(before, treeOf(root_.path())),
                  " changed:Projects/Alpha/Alpha.zim");
        EXPECT_EQ(trimmed(storedProgram("Alpha").applicationName), "Alpha");
        expectOpen("Alpha", 0);
    }
}

// A new project or a Save As whose folder cannot be made (its path is too long for the system;
// unlike a read-only parent, that stops a run as root too) leaves the open project with its
// unsaved edits, its name, its folder and the current directory as they were.
TEST_F(ArchiveCommands, AFolderThatCannotBeMadeLeavesTheOpenProjectAsItWas) {
    // Deep enough that a project folder of the longest name is too long, short enough to be the
    // current directory, which Windows keeps within 260 characters.
#ifdef _WIN32
    constexpr std::size_t depth = 190;
#else
    constexpr std::size_t depth = 3990;
#endif
    fs::path deep = root_.path();
    while (deep.native().size() < depth)
        deep /= std::string(std::min<std::size_t>(200, depth + 9 - deep.native().size()), 'd');
    makeProgramDirectory(deep);
    const std::string longest(98, 'N');
    std::error_code ec;
    if (fs::create_directory(folderOf(longest), ec)) {
        fs::remove(folderOf(longest), ec);
        GTEST_SKIP() << "this system makes folders longer than Windows allows (Wine does)";
    }
    store("Alpha", "Alpha window", {"alpha.bmp"});
    setText(window(1).title, "Edited in memory");
    projectUnsaved = 1;
    for (int command : {1, 3}) {
        SCOPED_TRACE(command);
        const Tree before = treeOf(root_.path());
        const ProjectSnapshot snapshot;
        EXPECT_EQ(run(command, longest), CommandResult::failed);
        ASSERT_EQ(ui_.asked.size(), 1u);
        EXPECT_EQ(ui_.asked[0].text.rfind("Some files or folders could not be handled:\r"
                                          "Could not create the folder",
                                          0),
                  0u)
            << ui_.asked[0].text;
        expectUntouched(before, snapshot);
        expectOpen("Alpha", 1);
    }
}

// A Save As whose save fails leaves the open project as it was and takes away what it made:
// the files it copied into an existing folder (Yes had agreed to lose that folder's own
// files), or the folder it made.
TEST_F(ArchiveCommands, AFailedSaveAsLeavesTheOpenProjectAsItWas) {
    // A folder holds the project file's name.
    store("Delta", "Delta window", {"old.bmp"});
    fs::remove(folderOf("Delta") / "Delta.zim");
    fs::create_directories(folderOf("Delta") / "Delta.zim" / "inside");
    store("Alpha", "Alpha window", {"alpha.bmp"});
    setText(window(1).title, "Edited in memory");
    projectUnsaved = 1;
    const ProjectSnapshot snapshot;
    EXPECT_EQ(run(3, "Delta", {box::answerYes}), CommandResult::failed);
    ASSERT_EQ(ui_.asked.size(), 2u);
    EXPECT_NE(ui_.asked[1].text.find("Delta.zim"), std::string::npos) << ui_.asked[1].text;
    EXPECT_EQ(sortedNames(folderOf("Delta")), Names{"Delta.zim"});
    EXPECT_TRUE(snapshot.unchanged());
    expectOpen("Alpha", 1);

    // A save that fails in a folder the command made removes the folder again.
    project().program.windowCount = 0; // a project no file can hold
    EXPECT_EQ(run(3, "Gamma"), CommandResult::failed);
    EXPECT_FALSE(fs::exists(folderOf("Gamma")));
    project().program.windowCount = 1;
    EXPECT_TRUE(snapshot.unchanged());
    expectOpen("Alpha", 1);
    EXPECT_EQ(views_.refreshes, 0);
}

// An archive entry that is a link leads outside the archive: it is never emptied or written,
// also when it was loaded as the open project.
TEST_F(ArchiveCommands, ALinkInTheArchiveIsNeverWrittenThrough) {
    const fs::path outside = root_ / "outside";
    fs::create_directories(outside);
    writeBytes(outside / "keep.txt", bytesOf("keep"));
    buildDefaultProject();
    ASSERT_TRUE(saveProjectFile(outside, "Linked"));
    if (!test::makeLink(outside, folderOf("Linked")))
        GTEST_SKIP() << test::cannotMakeLinks;
    const Tree behind = treeOf(outside);
    store("Alpha", "Alpha window", {"alpha.bmp"});
    const Asked refusal{
        "Sorry, but <<Linked>> is a link to another place, so it can't be overwritten...",
        saveCaption,
        stopFlags,
        {}};

    EXPECT_EQ(run(3, "Linked", {box::answerYes}), CommandResult::refused);
    expectAsked({refusal});
    expectOpen("Alpha", 0);
    EXPECT_EQ(run(2, "Linked"), CommandResult::completed);
    EXPECT_EQ(run(3, "Linked", {box::answerYes}), CommandResult::refused);
    expectAsked({refusal});
    EXPECT_EQ(changesBetween(behind, treeOf(outside)), "");
}

TEST_F(ArchiveCommands, GenerationAndPreviewAreLeftToTheirOwnCommands) {
    for (int id : {0, 4, 5, 6})
        EXPECT_EQ(run(id, cancel), CommandResult::notHandled);
    EXPECT_TRUE(ui_.dialogs.empty());
    expectAsked({});
}

} // namespace
} // namespace zim
