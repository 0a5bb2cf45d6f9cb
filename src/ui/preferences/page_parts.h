#pragma once
// Small pieces the preferences pages share.

#include "ui/common/ui_text.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace zm {

QCheckBox* NewCheck(int textId, bool on, QWidget* parent);
QGroupBox* NewGroup(int textId, QWidget* parent);

} // namespace zm
