#include "ui/properties/event_properties.h"

#include "model/event_record.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/properties/event_info_page.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zm {

EventPropertiesSheet::EventPropertiesSheet(WindowContext& context, const EventRecord& event,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(IDS_INFO_TITLE));
    setLayoutDirection(context.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    page_ = new EventInfoPage(context, event, tabs);
    tabs->addTab(page_, Text(IDS_INFO_PAGE));
    layout->addWidget(tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(380, 320);
}

void ShowEventProperties(WindowContext& context, const EventRecord& event, QWidget* parent) {
    EventPropertiesSheet sheet(context, event, parent);
    sheet.exec();
}

} // namespace zm
