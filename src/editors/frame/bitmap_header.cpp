#include "editors/frame/bitmap_header.h"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <system_error>
#include <vector>

#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr uint32_t coreHeaderSize = 12;
// BITMAPINFOHEADER and its successors (V2, V3, the OS/2 2.x header, V4, V5) all begin with the
// 40 bytes read here.
constexpr uint32_t infoHeaderSizes[] = {40, 52, 56, 64, 108, 124};
constexpr std::size_t largestHeaderRead = fileHeaderSize + 124;

enum Compression : uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitFields = 3 };
constexpr uint32_t bitFieldMasksSize = 12; // after a 40-byte header: red, green, blue masks

// Little-endian fields of the bytes read; the caller has checked that they are there.
class Bytes {
  public:
    explicit Bytes(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
    uint32_t u16(std::size_t at) const { return bytes_[at] | bytes_[at + 1] << 8; }
    uint32_t u32(std::size_t at) const {
        return u16(at) | static_cast<uint32_t>(u16(at + 2)) << 16;
    }
    int32_t i32(std::size_t at) const { return static_cast<int32_t>(u32(at)); }

  private:
    const std::vector<unsigned char>& bytes_;
};

// What the headers say, before the checks that concern the whole file.
struct Layout {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0; // negative: top-down
    uint32_t planes = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = rgb;
    uint32_t imageSize = 0;   // the compressed data's size (info headers only)
    uint32_t coloursUsed = 0; // 0: as many as the bit count allows (info headers only)
    uint32_t pixelOffset = 0;
};

std::string quotedName(const fs::path& file) {
    return "\"" + nameFromPath(file.filename()) + "\"";
}

bool isInfoHeaderSize(uint32_t size) {
    for (uint32_t known : infoHeaderSizes)
        if (size == known)
            return true;
    return false;
}

std::string dimensionsOf(const Layout& l) {
    return std::to_string(l.width) + " x " + std::to_string(l.height < 0 ? -l.height : l.height);
}

// The reason the bit count and compression do not go together, or "".
std::string formatProblem(const Layout& l, bool core) {
    const uint32_t bits = l.bitsPerPixel;
    const std::string count = std::to_string(bits) + " bits per pixel";
    if (core) {
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
            return count + " is no format of this bitmap header";
        return "";
    }
    switch (l.compression) {
    case rgb:
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return count + " is no bitmap format";
        return "";
    case rle8:
    case rle4:
        if (bits != (l.compression == rle8 ? 8u : 4u))
            return "its run-length compression does not suit " + count;
        if (l.height < 0)
            return "its compressed rows cannot run from the top down";
        return "";
    case bitFields:
        if (bits != 16 && bits != 32)
            return "its colour masks do not suit " + count;
        return "";
    default:
        return "its compression type " + std::to_string(l.compression) +
               " is not one the program can draw";
    }
}

// The bytes of the colour table (and of the colour masks) that follow the bitmap header.
int64_t colourTableSize(const Layout& l, bool core, std::string& problem) {
    int64_t size = 0;
    if (l.compression == bitFields && l.headerSize == 40)
        size += bitFieldMasksSize;
    if (l.bitsPerPixel <= 8) {
        const int64_t most = int64_t{1} << l.bitsPerPixel;
        const int64_t entries = l.coloursUsed == 0 ? most : l.coloursUsed;
        if (entries > most) {
            problem = "its colour table has " + std::to_string(entries) + " entries, more than " +
                      std::to_string(l.bitsPerPixel) + " bits per pixel can use";
            return 0;
        }
        size += entries * (core ? 3 : 4);
    }
    return size;
}

int64_t pixelDataSize(const Layout& l) {
    if (l.compression == rle8 || l.compression == rle4)
        return l.imageSize;
    const int64_t rowBytes = (l.width * l.bitsPerPixel + 31) / 32 * 4;
    return rowBytes * (l.height < 0 ? -l.height : l.height);
}

// The reason the file cannot be used, or "" with `header` filled.
std::string check(const std::vector<unsigned char>& bytes, uintmax_t fileSize,
                  BitmapHeader& header) {
    const Bytes b(bytes);
    if (fileSize < fileHeaderSize)
        return "it ends within its file header";
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return "it does not begin with \"BM\", so it is no bitmap";
    if (fileSize < fileHeaderSize + 4)
        return "it ends before its bitmap header";

    Layout l;
    l.pixelOffset = b.u32(10);
    l.headerSize = b.u32(fileHeaderSize);
    const bool core = l.headerSize == coreHeaderSize;
    if (!core && !isInfoHeaderSize(l.headerSize))
        return "its bitmap header has the unknown size of " + std::to_string(l.headerSize) +
               " bytes";
    if (fileSize < fileHeaderSize + l.headerSize)
        return "it ends within its bitmap header";

    const std::size_t h = fileHeaderSize;
    if (core) {
        l.width = b.u16(h + 4);
        l.height = b.u16(h + 6);
        l.planes = b.u16(h + 8);
        l.bitsPerPixel = b.u16(h + 10);
    } else {
        l.width = b.i32(h + 4);
        l.height = b.i32(h + 8);
        l.planes = b.u16(h + 12);
        l.bitsPerPixel = b.u16(h + 14);
        l.compression = b.u32(h + 16);
        l.imageSize = b.u32(h + 20);
        l.coloursUsed = b.u32(h + 32);
    }

    if (l.planes != 1)
        return "its bitmap header names " + std::to_string(l.planes) +
               " colour planes instead of 1";
    if (std::string problem = formatProblem(l, core); !problem.empty())
        return problem;
    if (l.width <= 0 || l.height == 0)
        return "it has no pixels (" + dimensionsOf(l) + ")";
    if (l.width > largestBitmapSide || l.height > largestBitmapSide ||
        -l.height > largestBitmapSide)
        return "its size of " + dimensionsOf(l) + " pixels is beyond the largest bitmap of " +
               std::to_string(largestBitmapSide) + " x " + std::to_string(largestBitmapSide) +
               " pixels";

    std::string problem;
    const int64_t tableEnd =
        int64_t{fileHeaderSize} + l.headerSize + colourTableSize(l, core, problem);
    if (!problem.empty())
        return problem;
    if (tableEnd > static_cast<int64_t>(fileSize))
        return "it ends within its colour table";
    if (l.pixelOffset < tableEnd)
        return "its pixel data would begin inside its headers";
    const int64_t dataSize = pixelDataSize(l);
    if (dataSize == 0)
        return "its compressed pixel data has no size";
    const int64_t present =
        l.pixelOffset >= fileSize ? 0 : static_cast<int64_t>(fileSize) - l.pixelOffset;
    if (present < dataSize)
        return "its pixel data ends early: " + std::to_string(present) + " of " +
               std::to_string(dataSize) + " bytes are there";

    header.width = static_cast<int32_t>(l.width);
    header.height = static_cast<int32_t>(l.height < 0 ? -l.height : l.height);
    header.topDown = l.height < 0;
    header.bitsPerPixel = static_cast<int>(l.bitsPerPixel);
    header.fileSize = fileSize;
    return "";
}

} // namespace

BitmapHeaderRead readBitmapHeader(const fs::path& file) {
    BitmapHeaderRead read;
    const std::string unreadable = "The image file " + quotedName(file) + " cannot be read: ";
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) {
        read.problem = unreadable + "it is not there.";
        return read;
    }
    if (!fs::is_regular_file(status)) {
        read.problem = unreadable + "it is not a file.";
        return read;
    }
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) {
        read.problem = unreadable + "it could not be opened.";
        return read;
    }
    std::vector<unsigned char> bytes(
        std::min<std::size_t>(static_cast<std::size_t>(size), largestHeaderRead));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) {
        read.problem = unreadable + "its first bytes could not be read.";
        return read;
    }
    // Each field is looked at only once the file's size shows that it lies inside the file;
    // the padding merely keeps every index within the buffer.
    bytes.resize(largestHeaderRead, 0);
    BitmapHeader header;
    const std::string reason = check(bytes, static_cast<uintmax_t>(size), header);
    if (!reason.empty()) {
        read.problem = "The image file " + quotedName(file) + " cannot be used: " + reason + ".";
        return read;
    }
    read.header = header;
    return read;
}

} // namespace zim
