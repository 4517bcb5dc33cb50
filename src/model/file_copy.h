// Copying a file over another one, the way every command that copies files does it.
#pragma once

#include <filesystem>
#include <system_error>

namespace zim {

// Copies `from` to `to`, replacing a file that is there. The copy is written beside `to` (as
// `to` + ".zim-copying") and then renamed over it, so a copy that fails leaves `to` as it was.
// A file already standing under that temporary name is left alone and fails the copy.
void copyFileOver(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::error_code& ec);

} // namespace zim
