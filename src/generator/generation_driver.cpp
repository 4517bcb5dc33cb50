#include "generator/generation_driver.h"

#include <system_error>
#include <unordered_set>

#include "archive/safe_name.h"
#include "generator/button_action_source.h"
#include "generator/resource_script.h"
#include "generator/text_sink.h"
#include "model/file_copy.h"
#include "model/file_links.h"
#include "model/name_path.h"
#include "model/project_file.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

// An image name comes from the project file; one that is not a plain file name (a path, a
// device) would make the copy read or write outside its folders, so it is not copied.
std::string unusableFileName(const std::string& file) {
    const std::string why = unsafeNameReason(file);
    return why.empty() ? std::string() : "the name can't be used for a file: " + why;
}

// Writing to a link would write wherever it leads, outside the output directory.
std::string linkedTarget(const fs::path& target) {
    return isLink(target) ? "it is a link, which is never followed" : std::string();
}

std::string copyFile(const fs::path& from, const fs::path& to, const char* folder) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        return std::string("not found in ") + folder;
    const std::string linked = linkedTarget(to);
    if (!linked.empty())
        return linked;
    copyFileOver(from, to, ec);
    return ec ? ec.message() : std::string();
}

class Generation {
  public:
    Generation(const Project& source, const GenerationPaths& paths)
        : source_(source), paths_(paths) {}

    GenerationReport run() {
        designData();
        for (const char* file : libraryFileNames)
            copy(file, ImageSource::libraries);
        resourceScript();
        buttonActionSource();
        return std::move(report_);
    }

  private:
    // Written from the Project in memory, so the design data always matches the script and
    // the skeleton, also for a project never stored; the archive is not read.
    void designData() {
        const FileOutcome saved =
            saveProjectFileAs(source_, paths_.outputDirectory / designDataFileName);
        add(designDataFileName, ProducedFile::written, saved.error);
    }

    void copy(const std::string& file, ImageSource from) {
        std::string failure = unusableFileName(file);
        if (failure.empty()) {
            const bool library = from == ImageSource::libraries;
            const fs::path name = pathFromName(file);
            failure =
                copyFile((library ? paths_.librariesDirectory : paths_.archiveDirectory) / name,
                         paths_.outputDirectory / name,
                         library ? "the LIBRARIES folder" : "the project's folder");
        }
        add(file, ProducedFile::copied, failure);
    }

    // The script's own entry comes first, where the file is created; its outcome is known
    // when it is closed, after the image copies made while it was written.
    void resourceScript() {
        const std::string file = paths_.projectName + ".rc";
        const std::size_t entry = report_.files.size();
        add(file, ProducedFile::written, "");
        const fs::path target = paths_.outputDirectory / pathFromName(file);
        std::string failure = unusableFileName(file);
        if (failure.empty())
            failure = linkedTarget(target);
        if (!failure.empty()) {
            StringSink discarded;
            writeResourceScript(discarded, source_, copier());
        } else {
            FileSink sink(target);
            writeResourceScript(sink, source_, copier());
            failure = sink.close();
        }
        report_.files[entry].failure = failure;
    }

    void buttonActionSource() {
        const fs::path target = paths_.outputDirectory / buttonActionSourceName;
        std::string failure = linkedTarget(target);
        if (failure.empty()) {
            FileSink sink(target);
            writeButtonActionSource(sink, source_);
            failure = sink.close();
        }
        add(buttonActionSourceName, ProducedFile::written, failure);
    }

    CopyImage copier() {
        return [this](const std::string& file, ImageSource from) { copy(file, from); };
    }

    void add(const std::string& file, ProducedFile::How how, const std::string& failure) {
        report_.files.push_back({file, how, failure});
    }

    const Project& source_;
    const GenerationPaths& paths_;
    GenerationReport report_;
};

} // namespace

std::vector<FileFailure> GenerationReport::failures(ProducedFile::How how) const {
    std::vector<FileFailure> found;
    std::unordered_set<std::string> seen;
    for (const ProducedFile& produced : files) {
        if (produced.how != how || produced.failure.empty())
            continue;
        if (seen.insert(produced.file + '\0' + produced.failure).second)
            found.push_back({produced.file, produced.failure});
    }
    return found;
}

GenerationReport generateCompilerProject(const Project& source, const GenerationPaths& paths) {
    return Generation(source, paths).run();
}

} // namespace zim
