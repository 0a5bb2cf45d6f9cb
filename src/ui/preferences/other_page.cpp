#include "ui/preferences/other_page.h"

#include "res/strings.h"
#include "ui/preferences/hot_key_field.h"
#include "ui/preferences/page_parts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zm {

OtherPage::OtherPage(uint16_t newEventKey, QWidget* parent) : QWidget(parent) {
    auto* group = NewGroup(IDS_OTHER_NEW_EVENT, this);
    key_ = new HotKeyField(newEventKey, group);
    auto* form = new QFormLayout(group);
    form->addRow(Text(IDS_SHORTCUT_KEY), key_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

} // namespace zm
