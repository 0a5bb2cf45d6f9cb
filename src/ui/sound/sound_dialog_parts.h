#pragma once
// What the two sound dialogs share around their sound controls.

#include <QString>

class QDialog;
class QVBoxLayout;

namespace zm {

class SoundBackend;
class SoundOptionsPanel;

// The OK and Cancel buttons at the foot of the dialog.
void AddOkCancel(QDialog& dialog, QVBoxLayout& layout);

// OK's check: "Sound file:" needs a chosen file. When none is chosen, beeps, puts the focus on
// the list, warns and answers false.
bool CheckSoundFileChosen(QDialog& dialog, SoundOptionsPanel& panel, SoundBackend& backend);

} // namespace zm
