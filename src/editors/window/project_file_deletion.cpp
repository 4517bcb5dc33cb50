#include "editors/window/project_file_deletion.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>

#include "archive/safe_name.h"
#include "editors/window/file_plan.h"
#include "model/file_links.h"
#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Why the named file is not deleted, or "" when it may go (or is not there at all).
std::string refusal(const fs::path& folder, const std::string& name) {
    if (!unsafeNameReason(name).empty())
        return quoted(name) + " is not a file name inside the project folder; it was not deleted.";
    const fs::path file = folder / pathFromName(name);
    if (isLink(file))
        return quoted(name) + " is a link, and links are never followed; it was not deleted.";
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return quoted(name) + " is not a file; it was not deleted.";
    return "";
}

} // namespace

FileFailures deleteProjectFiles(const fs::path& projectFolder,
                                const std::vector<std::string>& fileNames) {
    FileFailures failures;
    if (isLink(projectFolder)) {
        failures.add("The project folder " + quoted(nameFromPath(projectFolder.filename())) +
                     " is a link, and links are never followed; no file was deleted.");
        return failures;
    }
    FilePlan plan;
    std::set<std::string> planned;
    for (const std::string& name : fileNames) {
        if (std::string problem = refusal(projectFolder, name); !problem.empty()) {
            failures.add(problem);
            continue;
        }
        const fs::path file = projectFolder / pathFromName(name);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(file, ec)) || !planned.insert(lowerCase(name)).second)
            continue;
        plan.remove(file);
    }
    if (const std::optional<PlanObstacle> obstacle = plan.obstacle()) {
        failures.add(quoted(nameFromPath(obstacle->path.filename())) +
                     " stands in the way; no file was deleted.");
        return failures;
    }
    plan.run(failures);
    return failures;
}

} // namespace zim
