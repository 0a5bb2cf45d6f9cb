#pragma once
// The OK and Cancel buttons at the foot of the program's dialogs.

#include "res/strings.h"

class QDialog;
class QDialogButtonBox;

namespace zm {

// OK (the default button, with the text `okText`) and Cancel, named "ok" and "cancel" and wired
// to the dialog's accept and reject. More buttons may be added to the box.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, int okText = IDS_OK);

} // namespace zm
