#include "model/program_state.h"

#include "model/name_path.h"

namespace zim {

std::filesystem::path programDirectory;
std::string projectToLoad;
std::filesystem::path projectDirectory;
int32_t projectUnsaved = 0;
int32_t designMode = 1;

std::filesystem::path archiveDirectoryOf(const std::string& name) {
    return programDirectory / projectsFolder / pathFromName(name);
}

} // namespace zim
