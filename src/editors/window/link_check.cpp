#include "editors/window/link_check.h"

#include <system_error>

namespace zim {

bool isLink(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec));
}

} // namespace zim
