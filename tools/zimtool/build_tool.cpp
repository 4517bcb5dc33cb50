#include "zimtool/build_tool.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <system_error>

#include "model/name_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr const char* runtimeLibrary = "ZIM.lib";
constexpr const char* blendingLibrary = "MSImg32.Lib";

#ifdef _WIN32
constexpr char pathSeparator = ';';
#else
constexpr char pathSeparator = ':';
#endif

struct BuildOptions {
    fs::path directory;
    std::optional<fs::path> output;
};

std::optional<BuildOptions> parseOptions(const std::vector<std::string>& args) {
    BuildOptions options;
    std::vector<std::string> positional;
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--out" && k + 1 < args.size())
            options.output = pathFromName(args[++k]);
        else if (args[k].rfind("--", 0) == 0)
            return std::nullopt;
        else
            positional.push_back(args[k]);
    }
    if (positional.size() != 1)
        return std::nullopt;
    options.directory = pathFromName(positional[0]);
    return options;
}

bool hasExtension(const fs::path& file, const char* extension) {
    std::string ext = nameFromPath(file.extension());
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == extension;
}

// What a generated compiler project holds for the build: its resource script and its Fortran
// sources, in name order.
struct GeneratedFiles {
    fs::path script;
    std::vector<fs::path> sources;
};

// The project's resource script is its only .rc file, or the one named after its folder.
std::optional<GeneratedFiles> findGeneratedFiles(const fs::path& directory, std::string& why) {
    GeneratedFiles files;
    std::vector<fs::path> scripts;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        if (hasExtension(entry.path(), ".rc"))
            scripts.push_back(entry.path().filename());
        else if (hasExtension(entry.path(), ".f90"))
            files.sources.push_back(entry.path().filename());
    }
    std::sort(files.sources.begin(), files.sources.end());
    fs::path folder = directory;
    if (!folder.has_filename())
        folder = folder.parent_path();
    const fs::path named = folder.filename().concat(".rc");
    if (scripts.size() == 1)
        files.script = scripts.front();
    else if (std::find(scripts.begin(), scripts.end(), named) != scripts.end())
        files.script = named;
    for (const char* library : {runtimeLibrary, blendingLibrary})
        if (!fs::is_regular_file(directory / library, ec))
            why = std::string(library) + " is missing";
    if (files.sources.empty())
        why = "it has no .f90 file";
    if (files.script.empty())
        why = scripts.empty() ? "it has no resource script (.rc)"
                              : "it has several resource scripts and none named after its folder";
    if (!why.empty())
        return std::nullopt;
    return files;
}

// A folder of its own for the objects of one build, removed afterwards.
class ObjectFolder {
  public:
    ObjectFolder() {
        std::error_code ec;
        std::random_device random;
        const fs::path base = fs::temp_directory_path(ec);
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            fs::path candidate = base / ("zimtool-build-" + std::to_string(random()));
            if (fs::create_directory(candidate, ec))
                path_ = candidate;
        }
    }
    ~ObjectFolder() {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    ObjectFolder(const ObjectFolder&) = delete;
    ObjectFolder& operator=(const ObjectFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string text(const fs::path& path) {
    return nameFromPath(path);
}

std::vector<ToolCommand> buildCommands(const GeneratedFiles& files, const fs::path& windres,
                                       const fs::path& gfortran, const fs::path& objects,
                                       const fs::path& program) {
    std::vector<ToolCommand> commands;
    const fs::path resources = objects / "resources.o";
    commands.push_back({windres, {text(files.script), "-O", "coff", "-o", text(resources)}});
    std::vector<std::string> link{"-mwindows", "-static", "-o", text(program)};
    int n = 0;
    for (const fs::path& source : files.sources) {
        const fs::path object = objects / ("source" + std::to_string(++n) + ".o");
        // The generated skeleton is indented with tabs and its comment lines can be long.
        commands.push_back({gfortran,
                            {"-c", "-O2", "-Wno-tabs", "-ffree-line-length-none", "-J",
                             text(objects), "-o", text(object), text(source)}});
        link.push_back(text(object));
    }
    link.push_back(text(resources));
    // WinMain lives in the runtime library; the C runtime asks for it only after the
    // library has been searched, so the link names it first.
    link.insert(link.end(), {"-Wl,--undefined=WinMain", runtimeLibrary, blendingLibrary,
                             "-lstdc++", "-lcomctl32", "-lcomdlg32", "-lgdi32", "-luser32"});
    commands.push_back({gfortran, link});
    return commands;
}

std::string processSearchPath() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}

bool runningUnderWine() {
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

constexpr const char* usage = "usage: zimtool build GENERATED_DIR [--out EXE]\n";

} // namespace

BuildToolNeed resourceCompilerNeed() {
#ifdef _WIN32
    return {"the resource compiler", {"windres.exe", "x86_64-w64-mingw32-windres.exe"},
            "MinGW-w64's binutils (for example MSYS2's mingw-w64-x86_64-binutils)"};
#else
    return {"the resource compiler", {"x86_64-w64-mingw32-windres"},
            "the package binutils-mingw-w64-x86-64"};
#endif
}

BuildToolNeed fortranCompilerNeed() {
#ifdef _WIN32
    return {"the Fortran compiler", {"gfortran.exe", "x86_64-w64-mingw32-gfortran.exe"},
            "MinGW-w64's gfortran (for example MSYS2's mingw-w64-x86_64-gcc-fortran)"};
#else
    return {"the Fortran compiler",
            {"x86_64-w64-mingw32-gfortran-posix", "x86_64-w64-mingw32-gfortran"},
            "the package gfortran-mingw-w64-x86-64-posix"};
#endif
}

std::optional<fs::path> findTool(const BuildToolNeed& need, const std::string& searchPath) {
    std::vector<fs::path> folders;
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(pathSeparator, start), searchPath.size());
        if (end > start)
            folders.push_back(pathFromName(searchPath.substr(start, end - start)));
        start = end + 1;
    }
    std::error_code ec;
    for (const std::string& name : need.names)
        for (const fs::path& folder : folders) {
            const fs::path candidate = folder / pathFromName(name);
            if (fs::is_regular_file(candidate, ec))
                return candidate;
        }
    return std::nullopt;
}

int buildTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::optional<std::string>& searchPath) {
    const std::optional<BuildOptions> options = parseOptions(args);
    if (!options) {
        err << usage;
        return buildNotPossible;
    }
    std::error_code ec;
    const fs::path directory = fs::absolute(options->directory, ec);
    if (!fs::is_directory(directory, ec)) {
        err << "zimtool: " << text(options->directory) << " is not a folder\n";
        return buildNotPossible;
    }
    std::string why;
    const std::optional<GeneratedFiles> files = findGeneratedFiles(directory, why);
    if (!files) {
        err << "zimtool: " << text(options->directory)
            << " is not a generated compiler project: " << why << "\n";
        return buildNotPossible;
    }

    const std::string path = searchPath.value_or(processSearchPath());
    std::optional<fs::path> tools[2];
    const BuildToolNeed needs[2] = {resourceCompilerNeed(), fortranCompilerNeed()};
    bool missing = false;
    for (int k = 0; k < 2; ++k) {
        tools[k] = findTool(needs[k], path);
        if (!tools[k]) {
            err << "zimtool: " << needs[k].role << " (" << needs[k].names.front()
                << ") is not on the PATH; it comes with " << needs[k].provider << "\n";
            missing = true;
        }
    }
    if (missing) {
        if (runningUnderWine())
            err << "zimtool: under Wine, run the Linux zimtool, which uses the Linux cross "
                   "compilers\n";
        return buildNotPossible;
    }

    const ObjectFolder objects;
    if (objects.path().empty()) {
        err << "zimtool: no folder for the object files can be made in "
            << text(fs::temp_directory_path(ec)) << "\n";
        return buildToolFailed;
    }
    fs::path program = options->output ? fs::absolute(*options->output, ec)
                                       : directory / files->script.stem().concat(".exe");
    for (const ToolCommand& command :
         buildCommands(*files, *tools[0], *tools[1], objects.path(), program)) {
        out << commandLineOf(command) << "\n" << std::flush;
        const ToolRun run = runTool(command, directory);
        if (run.started && run.exitCode == 0) {
            out << run.output;
            continue;
        }
        err << run.output;
        err << "zimtool: " << text(command.program.filename())
            << (run.started ? " failed with exit code " + std::to_string(run.exitCode)
                            : std::string(" could not be started"))
            << "\n";
        return buildToolFailed;
    }
    out << "zimtool: built " << text(program) << "\n";
    return buildComplete;
}

} // namespace zim
