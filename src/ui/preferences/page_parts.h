#pragma once
// Small pieces the preferences pages share.

#include <QString>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace zm {

// A text of the string table.
QString Text(int id);
QCheckBox* NewCheck(int textId, bool on, QWidget* parent);
QGroupBox* NewGroup(int textId, QWidget* parent);

} // namespace zm
