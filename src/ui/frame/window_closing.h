#pragma once
// Ending the program (or a fatal error) while a box or a dialog is up in a nested event loop:
// the boxes and dialogs are answered first, so their loops end, and the windows are destroyed
// only afterwards, from the main loop, never under a nested loop whose caller still uses them.

#include <functional>

namespace zm {

// Rejects every open dialog and message box (their nested loops end).
void CloseDialogsAndBoxes();
// Closes the dialogs and boxes, then runs `then` once every nested event loop has returned
// (at once when none runs).
void CloseDialogsThen(std::function<void()> then);

} // namespace zm
