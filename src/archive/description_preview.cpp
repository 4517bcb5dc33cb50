#include "archive/description_preview.h"

#include <cstdio>

#include "archive/safe_name.h"
#include "model/program_state.h"
#include "model/project_file.h"
#include "model/text_field.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

// The file's items up to the description, as they lie at its start.
struct DescriptionHead {
    char version[8];
    char applicationName[100];
    char designer[100];
    char description[260];
};
static_assert(sizeof(DescriptionHead) == 468, "the description ends at byte 468");

} // namespace

std::string projectFileDescription(const fs::path& file) {
    // Only a file whose counts and length make a whole project is shown: the bytes of anything
    // else are not a description.
    if (!checkProjectFile(file))
        return std::string();
    std::FILE* in = openFile(file, "rb");
    if (!in)
        return std::string();
    DescriptionHead head;
    const bool complete = std::fread(&head, sizeof head, 1, in) == 1;
    std::fclose(in);
    return complete ? trimmed(head.description) : std::string();
}

std::string projectDescriptionPreview(const std::string& name) {
    // A listed name is an entry of the archive, but a name like ".." would read outside it.
    if (!unsafeNameReason(name).empty())
        return std::string();
    return projectFileDescription(archiveDirectoryOf(name) / projectFileName(name));
}

} // namespace zim
