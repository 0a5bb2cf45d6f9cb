#pragma once
// Image lists in the stream form of the Windows common controls (ImageList_Write /
// ImageList_Read), so that files written on Windows load here and ours load there.
//
// The stream is a 28-byte header ("IL", version 0x0101, image count, capacity, growth, image
// width and height, background colour, flags, four overlay indexes), then the colour bitmap and,
// when the flags carry ILC_MASK, the mask bitmap. Each bitmap is a BMP file: the 14-byte file
// header "BM", the 40-byte info header, the colour table (for 8 bits per pixel and fewer) and
// the rows. The images lie in a grid, four to a row, left to right and top to bottom.

#include "res/icon_image.h"
#include "store/io/archive_io.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zm {

inline constexpr uint16_t kImageListMagic = 0x4C49; // "IL"
inline constexpr uint16_t kImageListVersion = 0x0101;
inline constexpr size_t kImageListHeaderSize = 28;
inline constexpr int kImageListColumns = 4;

// Image list creation flags (ILC_...).
inline constexpr uint16_t kIlcMask = 0x0001;
inline constexpr uint16_t kIlcColourMask = 0x00FE;
inline constexpr uint16_t kIlcColour24 = 0x0018;
inline constexpr uint16_t kIlcColour32 = 0x0020;

struct ImageListHeader {
    uint16_t magic = kImageListMagic;
    uint16_t version = kImageListVersion;
    uint16_t count = 0;
    uint16_t capacity = 0;
    uint16_t grow = 0;
    uint16_t cx = 0;
    uint16_t cy = 0;
    uint32_t background = 0xFFFFFFFF; // CLR_NONE
    uint16_t flags = 0;
    int16_t overlays[4] = {-1, -1, -1, -1};
};

bool ReadImageListHeader(ArchiveReader& in, ImageListHeader& h);

// Reads one image list that must hold exactly `expectedCount` images of size x size pixels.
// Transparent pixels (set in the mask, or alpha 0 in a 32-bit list that carries alpha) come out
// with alpha 0. False, with `out` unchanged, for anything else or a stream cut short; the images
// are decoded only after every size has been checked against the bytes at hand.
bool ReadImageListStream(ArchiveReader& in, int size, size_t expectedCount,
                         std::vector<IconImage>& out);

// Writes the images (each size x size; pixels with alpha below 128 transparent) as a 24-bit
// image list with a mask, as version 0x0101 readers expect.
void WriteImageListStream(ArchiveWriter& out, int size, const std::vector<IconImage>& images);

// The image scaled to size x size (nearest pixel); the image itself when it already fits, a
// transparent one when it is empty.
IconImage FitIcon(const IconImage& image, int size);

} // namespace zm
