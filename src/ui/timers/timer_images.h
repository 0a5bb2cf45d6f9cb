#pragma once
// The timer windows' small button images, drawn at 10 pixels on a transparent ground: start,
// stop, pause, reset, OK, cancel and setup. The context menus show the same images.

#include <QIcon>
#include <QPixmap>
#include <cstdint>

namespace zm {

enum class TimerImage : uint8_t { Start, Stop, Pause, Reset, Ok, Cancel, Setup };

inline constexpr int kTimerImageSize = 10;

QPixmap TimerImagePixmap(TimerImage image);
QIcon TimerImageIcon(TimerImage image);

} // namespace zm
