// Feeds arbitrary bytes to the project-file loader: it must refuse or load them without
// reading or writing out of bounds, and a refused file must leave the Project untouched.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "model/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto before = std::make_unique<zim::Project>();
    std::FILE* in = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::tmpfile();
    if (!in)
        return 0;
    // Only the parts a short file can reach are compared, to keep each run fast.
    const std::size_t watched = sizeof(zim::ProgramParameters) + sizeof(zim::Wallpaper) +
                                2 * sizeof(zim::AppWindow);
    std::memcpy(before.get(), &zim::project(), watched);
    const zim::FileOutcome outcome = zim::loadProjectStream(zim::project(), in, "fuzz.zim");
    std::fclose(in);
    if (!outcome && std::memcmp(before.get(), &zim::project(), watched) != 0)
        std::abort();
    if (outcome && zim::projectFileSize(zim::project()) != static_cast<int64_t>(size))
        std::abort();
    return 0;
}
