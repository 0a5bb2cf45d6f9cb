#pragma once
// How a reminder window looks for its event type: its colours (the type's own, with a lighter
// and a darker shade of the background for the frame, or the system's), the type's font for the
// notes and the name, and the type's icons.

#include "store/types/type_list.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <optional>

namespace zm {

struct ReminderColours {
    QColor text;
    QColor back;
    QColor light; // the highlight of the frame and the buttons
    QColor dark;  // their shadow
};

// The type's colours when it has its own, else the system's (window text, button face, button
// highlight, button shadow).
ReminderColours ReminderColoursFor(const EventType* type, const QPalette& system);

// A palette that draws the window's controls in those colours; disabled texts are greyed
// toward the background.
QPalette ReminderPalette(const ReminderColours& colours, const QPalette& base);

// The type's font, for a type that has one.
std::optional<QFont> ReminderTypeFont(const EventType* type, const QFont& dialogFont);

// The type's small and large icons (the undefined type's for index -1).
QIcon ReminderIcon(const TypeList& types, int typeIndex);

} // namespace zm
