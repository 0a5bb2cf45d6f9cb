#include "store/types/image_list_stream.h"

#include "platform/byte_order.h"

#include <array>
#include <cstdlib>
#include <span>

namespace zm {
namespace {

constexpr uint16_t kBitmapMagic = 0x4D42; // "BM"
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr size_t kFileHeaderSize = 14;

// One bitmap of the stream, read in place.
struct Dib {
    int64_t width = 0;
    int64_t height = 0; // rows, always positive
    bool topDown = false;
    int bpp = 0;
    std::array<uint32_t, 256> palette{}; // 0x00RRGGBB
    size_t stride = 0;
    std::span<const uint8_t> bits;

    // 0xAARRGGBB as stored (alpha only for 32 bits per pixel, else 0); y counts from the top.
    uint32_t Pixel(int64_t x, int64_t y) const {
        const int64_t row = topDown ? y : height - 1 - y;
        const uint8_t* p = bits.data() + static_cast<size_t>(row) * stride;
        switch (bpp) {
        case 1:
            return palette[(p[x >> 3] >> (7 - (x & 7))) & 1];
        case 4:
            return palette[(p[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
        case 8:
            return palette[p[x]];
        case 16: {
            const uint32_t v = GetLe16(p + 2 * x);
            auto five = [](uint32_t c) { return (c << 3) | (c >> 2); };
            return five((v >> 10) & 31) << 16 | five((v >> 5) & 31) << 8 | five(v & 31);
        }
        case 24:
            return GetLe24(p + 3 * x);
        default:
            return GetLe32(p + 4 * x);
        }
    }
};

bool ReadDib(ArchiveReader& in, Dib& d) {
    uint16_t magic, planes, bpp;
    uint32_t infoSize, compression, skipped;
    int32_t width, height;
    if (!in.U16(magic) || magic != kBitmapMagic) return false;
    // bfSize, bfReserved1/2 and bfOffBits: the layout is fixed by the info header instead.
    if (!in.Skip(kFileHeaderSize - 2)) return false;
    if (!in.U32(infoSize) || infoSize != kInfoHeaderSize) return false;
    if (!in.I32(width) || !in.I32(height) || !in.U16(planes) || !in.U16(bpp) ||
        !in.U32(compression))
        return false;
    // biSizeImage, resolution, colours used and important: computed or not needed.
    for (int i = 0; i < 5; ++i)
        if (!in.U32(skipped)) return false;
    if (planes != 1 || compression != kBiRgb || width <= 0 || height == 0) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    d.width = width;
    d.height = std::llabs(static_cast<int64_t>(height));
    d.topDown = height < 0;
    d.bpp = bpp;
    if (bpp <= 8) {
        const size_t entries = size_t{1} << bpp;
        std::span<const uint8_t> table;
        if (!in.Bytes(entries * 4, table)) return false;
        for (size_t i = 0; i < entries; ++i)
            d.palette[i] = GetLe24(table.data() + 4 * i);
    }
    const uint64_t stride = ((static_cast<uint64_t>(d.width) * bpp + 31) / 32) * 4;
    if (stride > in.Remaining() || static_cast<uint64_t>(d.height) > in.Remaining() / stride)
        return false;
    d.stride = static_cast<size_t>(stride);
    return in.Bytes(d.stride * static_cast<size_t>(d.height), d.bits);
}

// How many size x size cells the bitmap holds.
uint64_t Cells(const Dib& d, int size) {
    return static_cast<uint64_t>(d.width / size) * static_cast<uint64_t>(d.height / size);
}

// A bottom-up BMP of the given depth, bits zero.
std::vector<uint8_t> BlankBmp(int width, int height, int bpp, size_t& stride, size_t& bitsAt) {
    stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    const size_t paletteSize = bpp <= 8 ? (size_t{1} << bpp) * 4 : 0;
    bitsAt = kFileHeaderSize + kInfoHeaderSize + paletteSize;
    const size_t total = bitsAt + stride * height;
    std::vector<uint8_t> b(total, 0);
    PutLe16(b.data(), kBitmapMagic);
    PutLe32(b.data() + 2, static_cast<uint32_t>(total));
    PutLe32(b.data() + 10, static_cast<uint32_t>(bitsAt));
    PutLe32(b.data() + 14, kInfoHeaderSize);
    PutLe32(b.data() + 18, static_cast<uint32_t>(width));
    PutLe32(b.data() + 22, static_cast<uint32_t>(height));
    PutLe16(b.data() + 26, 1);
    PutLe16(b.data() + 28, static_cast<uint16_t>(bpp));
    PutLe32(b.data() + 30, kBiRgb);
    PutLe32(b.data() + 34, static_cast<uint32_t>(stride * height));
    return b;
}

} // namespace

bool ReadImageListHeader(ArchiveReader& in, ImageListHeader& h) {
    uint16_t overlay;
    if (!in.U16(h.magic) || !in.U16(h.version) || !in.U16(h.count) || !in.U16(h.capacity) ||
        !in.U16(h.grow) || !in.U16(h.cx) || !in.U16(h.cy) || !in.U32(h.background) ||
        !in.U16(h.flags))
        return false;
    for (int16_t& o : h.overlays) {
        if (!in.U16(overlay)) return false;
        o = static_cast<int16_t>(overlay);
    }
    return true;
}

bool ReadImageListStream(ArchiveReader& in, int size, size_t expectedCount,
                         std::vector<IconImage>& out) {
    ImageListHeader h;
    if (!ReadImageListHeader(in, h)) return false;
    if (h.magic != kImageListMagic || h.version != kImageListVersion) return false;
    if (h.count != expectedCount || h.cx != size || h.cy != size) return false;
    Dib colour, mask;
    const bool hasMask = (h.flags & kIlcMask) != 0;
    if (!ReadDib(in, colour)) return false;
    if (hasMask && !ReadDib(in, mask)) return false;
    if (Cells(colour, size) < expectedCount) return false;
    if (hasMask && Cells(mask, size) < expectedCount) return false;

    const bool mayCarryAlpha = (h.flags & kIlcColourMask) == kIlcColour32 && colour.bpp == 32;
    const int columns = static_cast<int>(colour.width / size);
    const int maskColumns = hasMask ? static_cast<int>(mask.width / size) : 1;
    std::vector<IconImage> images(expectedCount);
    for (size_t i = 0; i < expectedCount; ++i) {
        IconImage& img = images[i];
        img.width = img.height = size;
        img.pixels.resize(static_cast<size_t>(size) * size);
        const int64_t x0 = static_cast<int64_t>(i % columns) * size;
        const int64_t y0 = static_cast<int64_t>(i / columns) * size;
        const int64_t mx0 = static_cast<int64_t>(i % maskColumns) * size;
        const int64_t my0 = static_cast<int64_t>(i / maskColumns) * size;
        bool useAlpha = false;
        if (mayCarryAlpha) {
            for (int y = 0; y < size && !useAlpha; ++y)
                for (int x = 0; x < size && !useAlpha; ++x)
                    useAlpha = (colour.Pixel(x0 + x, y0 + y) >> 24) != 0;
        }
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const uint32_t c = colour.Pixel(x0 + x, y0 + y);
                uint32_t argb;
                if (useAlpha) {
                    argb = (c >> 24) == 0 ? kTransparentPixel : c;
                } else if (hasMask && (mask.Pixel(mx0 + x, my0 + y) & 0x00FFFFFF) != 0) {
                    argb = kTransparentPixel;
                } else {
                    argb = OpaquePixel(c);
                }
                img.pixels[static_cast<size_t>(y) * size + x] = argb;
            }
        }
    }
    out = std::move(images);
    return true;
}

void WriteImageListStream(ArchiveWriter& out, int size, const std::vector<IconImage>& images) {
    const size_t n = images.size();
    const int rows = static_cast<int>(n == 0 ? 1 : (n + kImageListColumns - 1) / kImageListColumns);
    ImageListHeader h;
    h.count = static_cast<uint16_t>(n);
    h.capacity = static_cast<uint16_t>(rows * kImageListColumns);
    h.grow = kImageListColumns;
    h.cx = h.cy = static_cast<uint16_t>(size);
    h.flags = kIlcMask | kIlcColour24;
    out.U16(h.magic);
    out.U16(h.version);
    out.U16(h.count);
    out.U16(h.capacity);
    out.U16(h.grow);
    out.U16(h.cx);
    out.U16(h.cy);
    out.U32(h.background);
    out.U16(h.flags);
    for (int16_t o : h.overlays)
        out.U16(static_cast<uint16_t>(o));

    const int width = size * kImageListColumns;
    const int height = size * rows;
    size_t colourStride, colourBits, maskStride, maskBits;
    std::vector<uint8_t> colour = BlankBmp(width, height, 24, colourStride, colourBits);
    std::vector<uint8_t> mask = BlankBmp(width, height, 1, maskStride, maskBits);
    PutLe32(mask.data() + maskBits - 4, 0x00FFFFFF); // colour table: black, white
    for (size_t i = 0; i < n; ++i) {
        const IconImage img = FitIcon(images[i], size);
        const int x0 = static_cast<int>(i % kImageListColumns) * size;
        const int y0 = static_cast<int>(i / kImageListColumns) * size;
        for (int y = 0; y < size; ++y) {
            const size_t row = static_cast<size_t>(height - 1 - (y0 + y)); // bottom-up
            for (int x = 0; x < size; ++x) {
                const uint32_t p = img.At(x, y);
                const int px = x0 + x;
                if (PixelAlpha(p) < 128) {
                    mask[maskBits + row * maskStride + px / 8] |=
                        static_cast<uint8_t>(0x80 >> (px % 8));
                    continue; // black in the colour bitmap
                }
                PutLe24(&colour[colourBits + row * colourStride + 3 * static_cast<size_t>(px)], p);
            }
        }
    }
    out.Bytes(colour);
    out.Bytes(mask);
}

IconImage FitIcon(const IconImage& image, int size) {
    if (image.width == size && image.height == size &&
        image.pixels.size() == static_cast<size_t>(size) * size)
        return image;
    IconImage fitted;
    fitted.width = fitted.height = size;
    fitted.pixels.assign(static_cast<size_t>(size) * size, kTransparentPixel);
    if (image.Empty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height)
        return fitted;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            fitted.pixels[static_cast<size_t>(y) * size + x] =
                image.At(x * image.width / size, y * image.height / size);
    return fitted;
}

} // namespace zm
