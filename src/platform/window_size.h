#pragma once
// The size a window remembers (a reminder window's size, kept with its event): one 32-bit
// number, the height in bits 16-31 and the width in bits 0-15; 0 means the window's minimum
// size.

#include "platform/screen_geometry.h"

#include <cstdint>
#include <optional>

namespace zm {

// The largest width or height that is packed; larger ones are packed as this.
inline constexpr int kLargestPackedLength = 0x7FFF;

// The number to store for a window of the given normal size: 0 when it is the minimum size.
// Nothing (store nothing) when the size could not be read, so no window ever stores -1.
std::optional<uint32_t> PackWindowSize(std::optional<Size> normal, Size minimum);

// A size kept between the minimum and the work area: never smaller than the minimum, and no
// larger than the work area unless the minimum itself is larger.
Size ClampWindowSize(Size wanted, Size minimum, Size workArea);

// The size a window opens at from a stored number: the minimum for 0 and for the -1 that older
// versions could store, otherwise the stored size clamped as above.
Size StoredWindowSize(uint32_t packed, Size minimum, Size workArea);

} // namespace zm
