#include "editors/frame/bitmap_header.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bitmap_files.h"
#include "temp_dir.h"

namespace zim {
namespace {

using test::BitmapShape;
namespace bmp = test::bmp;

class BitmapHeaderReading : public ::testing::Test {
  protected:
    BitmapHeaderRead read(const std::vector<char>& bytes) {
        test::writeBytes(file, bytes);
        return readBitmapHeader(file);
    }
    test::TempDir dir;
    std::filesystem::path file = dir / "Sunset.bmp";
};

TEST_F(BitmapHeaderReading, ReadsEveryBitCountOfBothHeaderKinds) {
    const struct Case {
        const char* name;
        BitmapShape shape;
        int32_t height;
        bool topDown;
    } cases[] = {
        {"1 bit", {33, 7, 1}, 7, false},
        {"8 bits with a short colour table", {6, 2, 8, 40, 0, 17}, 2, false},
        {"24 bits", {640, 480, 24}, 480, false},
        {"32 bits, top-down", {3, -5, 32}, 5, true},
        {"16 bits with colour masks", {7, 3, 16, 40, 3}, 3, false},
        {"4 bits run-length", {300, 200, 4, 40, 2}, 200, false},
        {"version 5 header", {9, 9, 24, 124}, 9, false},
        {"core header, 1 bit", {17, 3, 1, 12}, 3, false},
        {"core header, 24 bits", {65535, 1, 24, 12}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<char> bytes = test::bitmapBytes(c.shape);
        const BitmapHeaderRead result = read(bytes);
        ASSERT_TRUE(result.ok()) << result.problem;
        EXPECT_EQ(result.problem, "");
        EXPECT_EQ(result.header->width, c.shape.width);
        EXPECT_EQ(result.header->height, c.height);
        EXPECT_EQ(result.header->topDown, c.topDown);
        EXPECT_EQ(result.header->bitsPerPixel, c.shape.bitsPerPixel);
        EXPECT_EQ(result.header->fileSize, bytes.size());
    }
}

TEST_F(BitmapHeaderReading, RefusesDamagedFilesNamingTheFileAndTheReason) {
    using Damage = std::function<void(std::vector<char>&)>;
    auto set = [](std::size_t at, uint32_t value, int size = 4) -> Damage {
        return [=](std::vector<char>& b) { test::putLittleEndian(b, at, value, size); };
    };
    auto cut = [](std::size_t size) -> Damage {
        return [=](std::vector<char>& b) { b.resize(size); };
    };
    const Damage none;
    const Damage wrongMagic = [](std::vector<char>& b) { b[0] = 'M'; };
    const BitmapShape rle{4, 3, 8, 40, 1};
    const BitmapShape core{2, 2, 24, 12};
    const std::string tooLarge = " pixels is beyond the largest bitmap of 65535 x 65535 pixels";
    const struct Case {
        BitmapShape shape;
        Damage damage;
        std::string reason;
    } cases[] = {
        {{}, cut(0), "it ends within its file header"},
        {{}, wrongMagic, "it does not begin with \"BM\", so it is no bitmap"},
        {{}, cut(16), "it ends before its bitmap header"},
        {{}, cut(40), "it ends within its bitmap header"},
        {{}, set(bmp::headerSize, 20), "its bitmap header has the unknown size of 20 bytes"},
        {{}, set(bmp::planes, 2, 2), "its bitmap header names 2 colour planes instead of 1"},
        {{}, set(bmp::bitsPerPixel, 7, 2), "7 bits per pixel is no bitmap format"},
        {core, set(24, 16, 2), "16 bits per pixel is no format of this bitmap header"},
        {{}, set(bmp::compression, 4), "its compression type 4 is not one the program can draw"},
        {{},
         set(bmp::compression, 1),
         "its run-length compression does not suit 24 bits per pixel"},
        {{4, -3, 8, 40, 1}, none, "its compressed rows cannot run from the top down"},
        {rle, set(bmp::imageSize, 0), "its compressed pixel data has no size"},
        {{}, set(bmp::compression, 3), "its colour masks do not suit 24 bits per pixel"},
        {{0, 3}, none, "it has no pixels (0 x 3)"},
        {{}, set(bmp::width, static_cast<uint32_t>(-4)), "it has no pixels (-4 x 3)"},
        {{4, 0}, none, "it has no pixels (4 x 0)"},
        {{}, set(bmp::width, 2000000000), "its size of 2000000000 x 3" + tooLarge},
        {{}, set(bmp::height, 0x80000000u), "its size of 4 x 2147483648" + tooLarge},
        {{2, 2, 4},
         set(bmp::coloursUsed, 17),
         "its colour table has 17 entries, more than 4 bits per pixel can use"},
        {{2, 2, 8}, cut(14 + 40 + 100), "it ends within its colour table"},
        {{}, set(bmp::pixelOffset, 40), "its pixel data would begin inside its headers"},
        {{}, set(bmp::pixelOffset, 5000), "its pixel data ends early: 0 of 36 bytes are there"},
        {{}, cut(14 + 40 + 35), "its pixel data ends early: 35 of 36 bytes are there"},
        {rle, set(bmp::imageSize, 3), "its pixel data ends early: 2 of 3 bytes are there"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        std::vector<char> bytes = test::bitmapBytes(c.shape);
        if (c.damage)
            c.damage(bytes);
        const BitmapHeaderRead result = read(bytes);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.problem,
                  "The image file \"Sunset.bmp\" cannot be used: " + c.reason + ".");
    }
}

TEST_F(BitmapHeaderReading, EveryShorterFileIsRefused) {
    // Whatever lies past the end of a cut file must never be taken for its header or pixels.
    for (const BitmapShape& shape : {BitmapShape{3, 2, 8}, BitmapShape{3, 2, 24, 12}}) {
        const std::vector<char> whole = test::bitmapBytes(shape);
        ASSERT_TRUE(read(whole).ok());
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const BitmapHeaderRead result = read({whole.begin(), whole.begin() + size});
            EXPECT_FALSE(result.ok()) << size << " of " << whole.size() << " bytes";
        }
    }
}

TEST_F(BitmapHeaderReading, AFileThatCannotBeOpenedIsNamed) {
    EXPECT_EQ(readBitmapHeader(dir / "Missing.bmp").problem,
              "The image file \"Missing.bmp\" cannot be read: it is not there.");
    std::filesystem::create_directory(dir / "Folder.bmp");
    EXPECT_EQ(readBitmapHeader(dir / "Folder.bmp").problem,
              "The image file \"Folder.bmp\" cannot be read: it is not a file.");
}

} // namespace
} // namespace zim
