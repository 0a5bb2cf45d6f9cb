#pragma once
// The program's own pictures: the icons of the predefined event types (bitmaps 5205 and 5206,
// eleven images each, magenta transparent), the icon given to new types and quick reminders
// (9605) and the icon of the undefined type (9614).

#include "res/icon_image.h"

namespace zm {

enum ArtworkId : int {
    kBitmapTypeIconsSmall = 5205, // 16 pixels
    kBitmapTypeIconsLarge = 5206, // 32 pixels
    kIconNewEntry = 9605,
    kIconUndefinedType = 9614,
};

inline constexpr int kPredefinedTypeIconCount = 11;
// The colour that stands for "transparent" in the bitmaps the types were drawn for.
inline constexpr uint32_t kMagentaKey = 0xFF00FF;

// Image `index` (0 ... 10, in the order of the predefined types) at 16 or 32 pixels; an empty
// image for any other index or size.
IconImage PredefinedTypeIcon(int index, int size);

// A program icon (kIconNewEntry, kIconUndefinedType) at 16 or 32 pixels; empty otherwise.
IconImage ProgramIcon(int id, int size);

} // namespace zm
