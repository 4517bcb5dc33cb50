#include "runtime/design_data.h"

#include <windows.h>

namespace zim {

FileOutcome loadDesignData(Project& target) {
    const std::string subject =
        std::string("The design data (resource \"") + designDataName + "\")";
    HRSRC found = FindResourceA(nullptr, designDataName, designDataType);
    if (!found)
        return FileOutcome::failure(subject + " is missing from the program.");
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return FileOutcome::failure(subject + " cannot be read.");
    return loadProjectBytes(target, data, SizeofResource(nullptr, found), subject);
}

} // namespace zim
