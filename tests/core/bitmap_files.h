// Bitmap files written byte by byte for the tests of the image pages, and the offsets of the
// header fields that the tests damage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zim::test {

struct BitmapShape {
    int32_t width = 4;
    int32_t height = 3; // negative: top-down
    uint16_t bitsPerPixel = 24;
    uint32_t headerSize = 40; // 12: the older BITMAPCOREHEADER
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
};

namespace bmp {
constexpr std::size_t pixelOffset = 10;
constexpr std::size_t headerSize = 14;
constexpr std::size_t width = 18;
constexpr std::size_t height = 22;
constexpr std::size_t planes = 26;
constexpr std::size_t bitsPerPixel = 28;
constexpr std::size_t compression = 30;
constexpr std::size_t imageSize = 34;
constexpr std::size_t coloursUsed = 46;
} // namespace bmp

inline void putLittleEndian(std::vector<char>& bytes, std::size_t at, uint32_t value,
                            int size = 4) {
    for (int k = 0; k < size; ++k)
        bytes[at + k] = static_cast<char>(value >> (8 * k) & 0xFF);
}

// A whole file: headers, colour table (or the three masks of BI_BITFIELDS), pixel rows padded
// to four bytes; compressed files hold one end-of-bitmap code.
inline std::vector<char> bitmapBytes(const BitmapShape& s) {
    const bool core = s.headerSize == 12;
    const uint32_t tableEntries =
        s.bitsPerPixel <= 8 ? (s.coloursUsed ? s.coloursUsed : 1u << s.bitsPerPixel) : 0;
    uint32_t table = tableEntries * (core ? 3 : 4);
    if (s.compression == 3)
        table += 12;
    const uint32_t rows = static_cast<uint32_t>(s.height < 0 ? -s.height : s.height);
    const uint32_t rowBytes = (static_cast<uint32_t>(s.width) * s.bitsPerPixel + 31) / 32 * 4;
    const bool compressed = s.compression == 1 || s.compression == 2;
    const uint32_t data = compressed ? 2 : rowBytes * rows;
    const uint32_t offset = 14 + s.headerSize + table;

    std::vector<char> bytes(offset + data, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<uint32_t>(bytes.size()));
    putLittleEndian(bytes, bmp::pixelOffset, offset);
    putLittleEndian(bytes, bmp::headerSize, s.headerSize);
    if (core) {
        putLittleEndian(bytes, 18, static_cast<uint32_t>(s.width), 2);
        putLittleEndian(bytes, 20, static_cast<uint32_t>(s.height), 2);
        putLittleEndian(bytes, 22, 1, 2);
        putLittleEndian(bytes, 24, s.bitsPerPixel, 2);
    } else {
        putLittleEndian(bytes, bmp::width, static_cast<uint32_t>(s.width));
        putLittleEndian(bytes, bmp::height, static_cast<uint32_t>(s.height));
        putLittleEndian(bytes, bmp::planes, 1, 2);
        putLittleEndian(bytes, bmp::bitsPerPixel, s.bitsPerPixel, 2);
        putLittleEndian(bytes, bmp::compression, s.compression);
        putLittleEndian(bytes, bmp::imageSize, data);
        putLittleEndian(bytes, bmp::coloursUsed, s.coloursUsed);
    }
    if (compressed)
        bytes[offset + 1] = 1; // end of bitmap
    for (uint32_t k = offset; k < bytes.size() && !compressed; ++k)
        bytes[k] = static_cast<char>(k * 7); // pixels the copy tests can tell apart
    return bytes;
}

} // namespace zim::test
