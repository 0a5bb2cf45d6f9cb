#pragma once
// How a screen reader sees a reminder window: an alert named by its caption, with a title bar
// whose three glyph buttons can be pressed, the event's name and notes as labels, separators,
// and its controls. Installed once, before the first reminder window is made.

namespace zm {

void InstallReminderAccessibility();

} // namespace zm
