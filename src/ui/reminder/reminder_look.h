#pragma once
// How a reminder window looks for its event type: its colours (the type's own, with a lighter
// and a darker shade of the background for the frame, or the system's), the type's font for the
// notes and the name, and the type's icons. The background keeps the type's colour; every text
// drawn on it takes a shade of its colour that keeps the least text contrast. Push buttons and
// the combo box keep the system's look; the check box keeps it too, its label readable on the
// window's background.

#include "store/types/type_list.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <optional>

namespace zm {

struct ReminderColours {
    QColor text;         // readable on `back`
    QColor disabledText; // dimmer, still readable on `back`
    QColor back;
    QColor light; // the highlight of the frame and the buttons
    QColor dark;  // their shadow
};

// The type's colours when it has its own, else the system's (window text, button face, button
// highlight, button shadow). The text keeps its hue; only its shade changes where it is too close
// to the background.
ReminderColours ReminderColoursFor(const EventType* type, const QPalette& system);

// A palette that draws the window, its name line, notes and snooze label in those colours.
QPalette ReminderPalette(const ReminderColours& colours, const QPalette& base);

// The system's palette, every role of it set, for the push buttons and the combo box.
QPalette ReminderSystemPalette(const QPalette& system);

// The check box's palette: the system's, with its label in the window's texts on its background.
QPalette ReminderCheckBoxPalette(const ReminderColours& colours, const QPalette& system);

// The type's font, for a type that has one.
std::optional<QFont> ReminderTypeFont(const EventType* type, const QFont& dialogFont);

// The type's small and large icons (the undefined type's for index -1).
QIcon ReminderIcon(const TypeList& types, int typeIndex);

} // namespace zm
