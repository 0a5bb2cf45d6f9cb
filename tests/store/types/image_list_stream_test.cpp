#include "res/artwork.h"
#include "store/types/image_list_stream.h"
#include "support/side_file_test_support.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using sidetest::Bytes;
using sidetest::U16At;
using sidetest::U32At;

// A BMP as GDI writes one for ImageList_Write: file header (bfSize holding the offset of the
// bits, as some writers leave it), info header, colour table, rows.
void AppendBmp(Bytes& b, int32_t width, int32_t height, uint16_t bpp,
               const std::vector<uint32_t>& palette, const std::vector<uint8_t>& bits) {
    const uint32_t offBits = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
    b.U16(0x4D42).U32(offBits).U16(0).U16(0).U32(offBits);
    b.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(bpp);
    b.U32(0).U32(static_cast<uint32_t>(bits.size())).U32(0).U32(0).U32(0).U32(0);
    for (uint32_t c : palette)
        b.U32(c & 0xFFFFFF);
    b.Raw(bits);
}

void AppendIlHead(Bytes& b, uint16_t count, uint16_t capacity, uint16_t cx, uint16_t flags,
                  uint16_t version = 0x0101) {
    b.U8('I').U8('L').U16(version).U16(count).U16(capacity).U16(4).U16(cx).U16(cx);
    b.U32(0xFFFFFFFF).U16(flags).U16(0xFFFF).U16(0xFFFF).U16(0xFFFF).U16(0xFFFF);
}

constexpr uint32_t kColours[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF};

// Five 16-pixel images in an 8-bit image list with a mask, four to a row, bottom-up: image k
// is filled with colour k + 1 and its top-left pixel is transparent.
std::vector<uint8_t> WindowsStyleStream() {
    const int w = 64, h = 32;
    std::vector<uint32_t> palette(256, 0);
    for (int i = 0; i < 6; ++i)
        palette[i] = kColours[i];
    std::vector<uint8_t> colour(w * h, 0); // stride 64
    std::vector<uint8_t> mask(8 * h, 0);   // stride 8
    for (int k = 0; k < 5; ++k) {
        const int x0 = (k % 4) * 16, y0 = (k / 4) * 16;
        for (int y = 0; y < 16; ++y) {
            const int row = h - 1 - (y0 + y);
            for (int x = 0; x < 16; ++x) {
                const bool transparent = x == 0 && y == 0;
                colour[row * 64 + x0 + x] = transparent ? 0 : static_cast<uint8_t>(k + 1);
                if (transparent) mask[row * 8 + (x0 + x) / 8] |= 0x80 >> ((x0 + x) % 8);
            }
        }
    }
    Bytes b;
    AppendIlHead(b, 5, 8, 16, 0x0009); // ILC_MASK | ILC_COLOR8
    AppendBmp(b, w, h, 8, palette, colour);
    AppendBmp(b, w, h, 1, {0x000000, 0xFFFFFF}, mask);
    return b.v;
}

TEST(ImageListStreamTest, ReadsAStreamAsWindowsWritesIt) {
    const std::vector<uint8_t> stream = WindowsStyleStream();
    ArchiveReader in(stream);
    std::vector<IconImage> images;
    ASSERT_TRUE(ReadImageListStream(in, 16, 5, images));
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(images.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(images[k].width, 16);
        EXPECT_EQ(images[k].At(0, 0), kTransparentPixel);
        EXPECT_EQ(images[k].At(1, 0), OpaquePixel(kColours[k + 1]));
        EXPECT_EQ(images[k].At(15, 15), OpaquePixel(kColours[k + 1]));
    }
}

TEST(ImageListStreamTest, RefusesWhatDoesNotMatch) {
    const std::vector<uint8_t> good = WindowsStyleStream();
    struct Case {
        const char* what;
        int size;
        size_t count;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"fewer images than expected", 16, 6, good},
        {"more images than expected", 16, 4, good},
        {"other image size", 32, 5, good},
        {"version 6 stream", 16, 5,
         [&] {
             auto b = good;
             b[2] = 0x00, b[3] = 0x06;
             return b;
         }()},
        {"bad magic", 16, 5,
         [&] {
             auto b = good;
             b[0] = 'X';
             return b;
         }()},
        {"compressed bitmap", 16, 5,
         [&] {
             auto b = good;
             b[28 + 30] = 1; // biCompression = BI_RLE8
             return b;
         }()},
        {"bitmap too small for the images", 16, 5,
         [&] {
             Bytes b;
             AppendIlHead(b, 5, 8, 16, 0x0018);
             AppendBmp(b, 64, 16, 24, {}, std::vector<uint8_t>(64 * 3 * 16, 0));
             return b.v;
         }()},
        {"bitmap asking for gigabytes", 16, 1,
         [&] {
             Bytes b;
             AppendIlHead(b, 1, 4, 16, 0x0018);
             AppendBmp(b, 0x7FFFFFFF, 0x7FFFFFFF, 32, {}, std::vector<uint8_t>(64, 0));
             return b.v;
         }()},
        {"negative width", 16, 1,
         [&] {
             Bytes b;
             AppendIlHead(b, 1, 4, 16, 0x0018);
             AppendBmp(b, -64, 16, 24, {}, std::vector<uint8_t>(64 * 3 * 16, 0));
             return b.v;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveReader in(c.bytes);
        std::vector<IconImage> images(2);
        EXPECT_FALSE(ReadImageListStream(in, c.size, c.count, images));
        EXPECT_EQ(images.size(), 2u);
    }
}

TEST(ImageListStreamTest, EveryShortenedStreamIsRefused) {
    const std::vector<uint8_t> good = WindowsStyleStream();
    for (size_t n = 0; n < good.size(); ++n) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<ptrdiff_t>(n));
        ArchiveReader in(cut);
        std::vector<IconImage> images;
        ASSERT_FALSE(ReadImageListStream(in, 16, 5, images)) << n;
    }
}

TEST(ImageListStreamTest, WritesVersion101With24BitColourAndMask) {
    std::vector<IconImage> images;
    for (int i = 0; i < 5; ++i)
        images.push_back(PredefinedTypeIcon(i, 32));
    ArchiveWriter w;
    WriteImageListStream(w, 32, images);
    const std::vector<uint8_t>& b = w.Data();
    EXPECT_EQ(b[0], 'I');
    EXPECT_EQ(b[1], 'L');
    EXPECT_EQ(U16At(b, 2), 0x0101);
    EXPECT_EQ(U16At(b, 4), 5); // images
    EXPECT_EQ(U16At(b, 6), 8); // capacity: two rows of four
    EXPECT_EQ(U16At(b, 8), 4); // growth
    EXPECT_EQ(U16At(b, 10), 32);
    EXPECT_EQ(U16At(b, 12), 32);
    EXPECT_EQ(U32At(b, 14), 0xFFFFFFFFu); // no background colour
    EXPECT_EQ(U16At(b, 18), 0x0019);      // ILC_MASK | ILC_COLOR24
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(U16At(b, 20 + 2 * i), 0xFFFF);

    const size_t colour = 28;
    const uint32_t colourBits = 128 * 3 * 64;
    EXPECT_EQ(U16At(b, colour), 0x4D42);
    EXPECT_EQ(U32At(b, colour + 2), 54 + colourBits);
    EXPECT_EQ(U32At(b, colour + 10), 54u);
    EXPECT_EQ(U32At(b, colour + 14), 40u);
    EXPECT_EQ(U32At(b, colour + 18), 128u); // four images wide
    EXPECT_EQ(U32At(b, colour + 22), 64u);  // two rows, bottom-up
    EXPECT_EQ(U16At(b, colour + 26), 1);
    EXPECT_EQ(U16At(b, colour + 28), 24);
    EXPECT_EQ(U32At(b, colour + 30), 0u);
    EXPECT_EQ(U32At(b, colour + 34), colourBits);

    const size_t mask = colour + 54 + colourBits;
    EXPECT_EQ(U16At(b, mask), 0x4D42);
    EXPECT_EQ(U32At(b, mask + 18), 128u);
    EXPECT_EQ(U32At(b, mask + 22), 64u);
    EXPECT_EQ(U16At(b, mask + 28), 1);
    EXPECT_EQ(U32At(b, mask + 54), 0x000000u); // colour table: black, white
    EXPECT_EQ(U32At(b, mask + 58), 0xFFFFFFu);
    EXPECT_EQ(b.size(), mask + 62 + 16 * 64);
}

TEST(ImageListStreamTest, RoundTripKeepsPixelsAndTransparency) {
    for (int size : {16, 32}) {
        for (size_t n : {size_t{0}, size_t{1}, size_t{4}, size_t{11}}) {
            SCOPED_TRACE(::testing::Message() << size << " px, " << n << " images");
            std::vector<IconImage> images;
            for (size_t i = 0; i < n; ++i)
                images.push_back(PredefinedTypeIcon(int(i), size));
            ArchiveWriter w;
            WriteImageListStream(w, size, images);
            ArchiveReader in(w.Data());
            std::vector<IconImage> back;
            ASSERT_TRUE(ReadImageListStream(in, size, n, back));
            EXPECT_EQ(in.Remaining(), 0u);
            EXPECT_EQ(back, images);
        }
    }
}

TEST(ImageListStreamTest, ThirtyTwoBitListUsesAlphaWhenAnImageHasIt) {
    // Two images, top-down 32-bit: image 0 carries alpha, image 1 has none and uses the mask.
    const int w = 64, h = 16;
    std::vector<uint8_t> colour(w * h * 4, 0);
    std::vector<uint8_t> mask(8 * h, 0);
    auto put = [&](int x, int y, uint8_t r, uint8_t a) {
        uint8_t* p = &colour[(y * w + x) * 4];
        p[0] = 0, p[1] = 0, p[2] = r, p[3] = a;
    };
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            put(x, y, 200, x < 8 ? 0 : 128);
            put(16 + x, y, 100, 0);
        }
    mask[0 * 8 + 2] = 0x80; // image 1, pixel (0, 0) masked (top-down row 0)
    Bytes b;
    AppendIlHead(b, 2, 4, 16, 0x0021); // ILC_MASK | ILC_COLOR32
    AppendBmp(b, w, -h, 32, {}, colour);
    AppendBmp(b, w, -h, 1, {0x000000, 0xFFFFFF}, mask);
    ArchiveReader in(b.v);
    std::vector<IconImage> images;
    ASSERT_TRUE(ReadImageListStream(in, 16, 2, images));
    EXPECT_EQ(images[0].At(0, 0), kTransparentPixel);
    EXPECT_EQ(images[0].At(8, 0), 0x80C80000u);
    EXPECT_EQ(images[1].At(0, 0), kTransparentPixel);
    EXPECT_EQ(images[1].At(1, 0), 0xFF640000u);
}

TEST(ImageListStreamTest, FitIconScalesToTheListSize) {
    const IconImage big = PredefinedTypeIcon(0, 32);
    const IconImage small = FitIcon(big, 16);
    EXPECT_EQ(small.width, 16);
    EXPECT_EQ(small.pixels.size(), 256u);
    EXPECT_EQ(small.At(5, 7), big.At(10, 14));
    const IconImage blank = FitIcon(IconImage{}, 16);
    EXPECT_EQ(blank.At(3, 3), kTransparentPixel);
}

} // namespace
} // namespace zm
