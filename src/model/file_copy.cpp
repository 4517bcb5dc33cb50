#include "model/file_copy.h"

namespace zim {

namespace fs = std::filesystem;

// std::filesystem's own overwrite is not used: the Windows build's library takes any two files
// on one drive for the same file (it compares inode numbers, which are 0 there) and refuses.
void copyFileOver(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::path temporary = to;
    temporary += ".zim-copying";
    if (fs::exists(fs::symlink_status(temporary, ec))) {
        ec = std::make_error_code(std::errc::file_exists);
        return;
    }
    fs::copy_file(from, temporary, fs::copy_options::none, ec);
    if (!ec)
        fs::rename(temporary, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
}

} // namespace zim
