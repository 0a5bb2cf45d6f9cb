#include "ui/filters/select_all_row.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace zm {

QHBoxLayout* SelectAllRow(QWidget& owner, std::function<void(bool on)> select) {
    auto* row = new QHBoxLayout;
    for (const bool on : {true, false}) {
        auto* button = new QPushButton(Text(on ? IDS_SELECT_ALL : IDS_DESELECT_ALL), &owner);
        button->setAutoDefault(false);
        button->setObjectName(on ? QStringLiteral("selectAll") : QStringLiteral("deselectAll"));
        QObject::connect(button, &QPushButton::clicked, &owner, [select, on] { select(on); });
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

} // namespace zm
