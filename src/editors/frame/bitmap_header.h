// The header of a bitmap file (".bmp"), read without the Win32 headers: the file header, then
// a BITMAPINFOHEADER (or one of its longer successors) or the older BITMAPCOREHEADER, all
// little-endian. The image pages show the size and colour resolution from it, and an image
// is taken into the project only when its header holds together.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace zim {

struct BitmapHeader {
    int32_t width = 0;
    int32_t height = 0;   // always positive; topDown tells the row order
    bool topDown = false; // a negative height in the file: the first row is the top one
    int bitsPerPixel = 0;
    uintmax_t fileSize = 0; // the file's own size, not the size its header claims
};

// The header of a usable bitmap, or why the file was refused.
struct BitmapHeaderRead {
    std::optional<BitmapHeader> header;
    // "The image file "NAME" cannot be used: REASON." (or "cannot be read" when the file does
    // not open); empty when the header was read.
    std::string problem;

    bool ok() const { return header.has_value(); }
};

// The largest width and height taken: more than any screen shows, less than GDI refuses.
constexpr int32_t largestBitmapSide = 65535;

// Reads at most the headers, never past the end of the file. Refused: a file shorter than
// its headers, a first word other than "BM", an unknown header size, a plane count other
// than 1, a bit count or compression that Windows bitmaps do not have, a width or height of 0
// or above largestBitmapSide, a colour table larger than the bit count allows or that runs
// into the pixel data, and pixel data that begins or ends beyond the end of the file.
BitmapHeaderRead readBitmapHeader(const std::filesystem::path& file);

} // namespace zim
