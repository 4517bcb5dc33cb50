#include "zimtool/zimtool_commands.h"

#include "model/default_project.h"
#include "model/name_path.h"
#include "model/project_file.h"
#include "zimtool/build_tool.h"
#include "zimtool/generate_tool.h"
#include "zimtool/project_json.h"

namespace zim {

namespace {

constexpr const char* usage =
    "usage: zimtool dump FILE.zim\n"
    "       zimtool check FILE.zim\n"
    "       zimtool default OUT.zim\n"
    "       zimtool generate PROJECT_DIR OUT_DIR [--name NAME] [--libraries DIR]\n"
    "           exit 0: all written and copied; 1: not generated; 2: files not copied\n"
    "       zimtool build GENERATED_DIR [--out EXE]\n"
    "           exit 0: built; 1: a tool failed; 2: not buildable or a tool missing\n";

int dump(const std::string& file, std::ostream& out, std::ostream& err) {
    FileOutcome loaded = loadProjectFileAt(project(), pathFromName(file));
    if (!loaded) {
        err << loaded.error << "\n";
        return 1;
    }
    writeProjectJson(project(), out);
    return 0;
}

int check(const std::string& file, std::ostream& err) {
    FileOutcome checked = checkProjectFile(pathFromName(file));
    if (!checked) {
        err << checked.error << "\n";
        return 1;
    }
    return 0;
}

int writeDefault(const std::string& file, std::ostream& err) {
    buildDefaultProject();
    FileOutcome saved = saveProjectFileAs(project(), pathFromName(file));
    if (!saved) {
        err << saved.error << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int runZimtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::filesystem::path& toolDirectory) {
    if (args.size() == 2 && args[0] == "dump")
        return dump(args[1], out, err);
    if (args.size() == 2 && args[0] == "check")
        return check(args[1], err);
    if (args.size() == 2 && args[0] == "default")
        return writeDefault(args[1], err);
    if (!args.empty() && args[0] == "build")
        return buildTool({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "generate") {
        const int code = generateTool({args.begin() + 1, args.end()}, err, toolDirectory);
        if (code != generateBadUsage)
            return code;
    }
    err << usage;
    return 2;
}

} // namespace zim
