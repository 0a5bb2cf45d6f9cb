#include "res/artwork.h"

#include <array>
#include <cstddef>

namespace zm {
namespace {

template <int N> struct PixelArt { const char* rows[N]; };

#define ZM_ART(...) PixelArt<16>{{__VA_ARGS__}},
constexpr PixelArt<16> kArt16[] = {
#include "res/artwork_16.inc"
};
#undef ZM_ART
#define ZM_ART(...) PixelArt<32>{{__VA_ARGS__}},
constexpr PixelArt<32> kArt32[] = {
#include "res/artwork_32.inc"
};
#undef ZM_ART

constexpr int kArtCount = kPredefinedTypeIconCount + 2;
static_assert(std::size(kArt16) == kArtCount && std::size(kArt32) == kArtCount,
              "every picture is drawn at 16 and at 32 pixels");

struct PaletteEntry {
    char key;
    uint32_t rgb;
};

// The palette of the pictures, 0xRRGGBB; '.' is transparent.
constexpr PaletteEntry kPalette[] = {
    {'k', 0x000000}, // black
    {'w', 0xFFFFFF}, // white
    {'g', 0x606060}, // dark grey
    {'m', 0x969696}, // mid grey
    {'l', 0xC0C0C0}, // light grey
    {'r', 0xDC1E1E}, // red
    {'R', 0x8C0000}, // dark red
    {'o', 0xFF8C00}, // orange
    {'y', 0xFFDC28}, // yellow
    {'Y', 0xC89600}, // gold
    {'f', 0xFFFAC8}, // pale yellow
    {'b', 0x285ADC}, // blue
    {'B', 0x000080}, // navy
    {'c', 0x78BEFF}, // sky blue
    {'n', 0x28AA28}, // green
    {'N', 0x006400}, // dark green
    {'p', 0xFF96C8}, // pink
    {'s', 0xF5C396}, // skin
    {'h', 0x965A28}, // brown
    {'H', 0x5A3214}, // dark brown
    {'e', 0xEBD296}, // sand
};

// The colour of a palette key; the magenta key for anything else.
constexpr uint32_t PaletteColour(char c) {
    for (const PaletteEntry& e : kPalette)
        if (e.key == c) return e.rgb;
    return kMagentaKey;
}

template <int N> constexpr bool WellFormed(const PixelArt<N>& art) {
    for (const char* row : art.rows) {
        int n = 0;
        for (; row[n] != '\0'; ++n)
            if (row[n] != '.' && PaletteColour(row[n]) == kMagentaKey) return false;
        if (n != N) return false;
    }
    return true;
}

template <int N, size_t M> constexpr bool AllWellFormed(const PixelArt<N> (&arts)[M]) {
    for (const auto& a : arts)
        if (!WellFormed(a)) return false;
    return true;
}
static_assert(AllWellFormed(kArt16), "a 16-pixel picture has a wrong row or colour");
static_assert(AllWellFormed(kArt32), "a 32-pixel picture has a wrong row or colour");

template <int N> IconImage Render(const PixelArt<N>& art) {
    IconImage img;
    img.width = N;
    img.height = N;
    img.pixels.reserve(N * N);
    for (const char* row : art.rows)
        for (int x = 0; x < N; ++x)
            img.pixels.push_back(row[x] == '.' ? kTransparentPixel
                                               : OpaquePixel(PaletteColour(row[x])));
    return img;
}

IconImage RenderSlot(int slot, int size) {
    if (slot < 0 || slot >= kArtCount) return {};
    if (size == 16) return Render(kArt16[slot]);
    if (size == 32) return Render(kArt32[slot]);
    return {};
}

} // namespace

IconImage PredefinedTypeIcon(int index, int size) {
    if (index < 0 || index >= kPredefinedTypeIconCount) return {};
    return RenderSlot(index, size);
}

IconImage ProgramIcon(int id, int size) {
    switch (id) {
    case kIconNewEntry:
        return RenderSlot(kPredefinedTypeIconCount, size);
    case kIconUndefinedType:
        return RenderSlot(kPredefinedTypeIconCount + 1, size);
    default:
        return {};
    }
}

} // namespace zm
