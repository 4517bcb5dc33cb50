#include "zimtool/generate_tool.h"

#include <optional>
#include <system_error>

#include "archive/safe_name.h"
#include "generator/generation_driver.h"
#include "model/name_path.h"
#include "model/program_state.h"
#include "model/project_file.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

struct GenerateOptions {
    fs::path projectDirectory;
    fs::path outputDirectory;
    std::optional<std::string> name;
    std::optional<fs::path> libraries;
};

std::optional<GenerateOptions> parseOptions(const std::vector<std::string>& args) {
    GenerateOptions options;
    std::vector<std::string> positional;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const bool hasValue = k + 1 < args.size();
        if (args[k] == "--name" && hasValue)
            options.name = args[++k];
        else if (args[k] == "--libraries" && hasValue)
            options.libraries = pathFromName(args[++k]);
        else if (args[k].rfind("--", 0) == 0)
            return std::nullopt;
        else
            positional.push_back(args[k]);
    }
    if (positional.size() != 2)
        return std::nullopt;
    options.projectDirectory = pathFromName(positional[0]);
    options.outputDirectory = pathFromName(positional[1]);
    return options;
}

// The project's folder without a trailing separator, so its last part is the project's name.
fs::path folderOf(const fs::path& directory) {
    std::error_code ec;
    fs::path folder = fs::absolute(directory, ec).lexically_normal();
    if (folder.filename().empty())
        folder = folder.parent_path();
    return folder;
}

void listFailures(std::ostream& err, const std::vector<FileFailure>& failures, const char* what) {
    for (const FileFailure& failure : failures)
        err << "zimtool: " << failure.file << " could not be " << what << ": " << failure.reason
            << "\n";
}

} // namespace

int generateTool(const std::vector<std::string>& args, std::ostream& err,
                 const fs::path& toolDirectory) {
    const std::optional<GenerateOptions> options = parseOptions(args);
    if (!options)
        return generateBadUsage;

    const fs::path folder = folderOf(options->projectDirectory);
    // The project is named by its folder, as in the designer's archive.
    const std::string projectName = nameFromPath(folder.filename());
    const FileOutcome loaded = loadProjectFile(folder, projectName);
    if (!loaded) {
        err << "zimtool: " << loaded.error << "\n";
        return generateFailed;
    }

    const std::string name = trimmedName(options->name.value_or(projectName));
    const std::string unsafe = unsafeNameReason(name);
    if (!unsafe.empty()) {
        err << "zimtool: the name <<" << name << ">> can't be used: " << unsafe << "\n";
        return generateFailed;
    }

    std::error_code ec;
    fs::create_directories(options->outputDirectory, ec);
    if (ec || !fs::is_directory(options->outputDirectory)) {
        err << "zimtool: the folder " << nameFromPath(options->outputDirectory)
            << " could not be made: " << (ec ? ec.message() : "it is a file") << "\n";
        return generateFailed;
    }

    const GenerationPaths paths{options->outputDirectory,
                                options->libraries.value_or(toolDirectory / librariesFolder),
                                folder, name};
    const GenerationReport report = generateCompilerProject(project(), paths);
    listFailures(err, report.failures(ProducedFile::written), "written");
    listFailures(err, report.failures(ProducedFile::copied), "copied");
    if (!report.allWritten())
        return generateFailed;
    return report.complete() ? generateComplete : generateFilesMissing;
}

} // namespace zim
