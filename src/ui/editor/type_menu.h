#pragma once
// The event editor's type menu: one entry per type with its icon, then "&Customize...".

#include "res/icon_image.h"

#include <QIcon>

class QMenu;
class QWidget;

namespace zm {

class TypeList;

// The data of the "&Customize..." entry; a type's entry carries its index.
inline constexpr int kCustomizeTypesEntry = -2;

QIcon IconOf(const IconImage& image);
// The type's icons at both sizes (the undefined type's for -1).
QIcon TypeIcon(const TypeList& types, int typeIndex);
QMenu* BuildTypeMenu(const TypeList& types, bool canCustomize, QWidget* parent);

} // namespace zm
