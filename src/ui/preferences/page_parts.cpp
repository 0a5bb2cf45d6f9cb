#include "ui/preferences/page_parts.h"

#include "res/strings.h"

#include <QCheckBox>
#include <QGroupBox>

namespace zm {

QCheckBox* NewCheck(int textId, bool on, QWidget* parent) {
    auto* box = new QCheckBox(Text(textId), parent);
    box->setChecked(on);
    return box;
}

QGroupBox* NewGroup(int textId, QWidget* parent) {
    return new QGroupBox(Text(textId), parent);
}

} // namespace zm
