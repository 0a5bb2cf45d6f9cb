#pragma once
// Which of the toolbar's buttons are shown: kept in the settings as the positions of the
// hidden ones ("1,4"), chosen in a small dialog of check boxes.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace zm {

// One flag per button; positions that are not numbers or beyond `count` are ignored.
std::vector<bool> ParseShownButtons(const std::string& hidden, size_t count);
std::string FormatShownButtons(const std::vector<bool>& shown);

// The dialog; false when cancelled (`shown` is left as it was).
bool ChooseToolbarButtons(const std::vector<QString>& labels, std::vector<bool>& shown,
                          QWidget* parent);

} // namespace zm
