#include "ui/filters/find_bar.h"

#include "res/format_text.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zm {

FindBar::FindBar(WindowContext&, UserBoxes& boxes, QWidget* parent)
    : QWidget(parent), boxes_(&boxes) {
    Build();
}

void FindBar::Build() {
    text_ = new QComboBox(this);
    matchCase_ = new QCheckBox(Text(IDS_FIND_MATCH_CASE), this);
    findNow_ = new QPushButton(Text(IDS_FIND_NOW), this);
    auto* label = new QLabel(Text(IDS_FIND_WHAT), this);
    label->setBuddy(text_);
    text_->setEditable(true);
    // The bar keeps the history itself: the field never adds what is typed.
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->setMaxVisibleItems(static_cast<int>(kFindHistorySize));
    text_->setMinimumContentsLength(30);
    text_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    text_->setAccessibleName(PlainText(IDS_FIND_WHAT));
    text_->setObjectName(QStringLiteral("findText"));
    matchCase_->setObjectName(QStringLiteral("matchCase"));
    findNow_->setObjectName(QStringLiteral("findNow"));
    // Always enabled: pressed with an empty field it says what is missing.
    findNow_->setAccessibleName(PlainText(IDS_FIND_NOW));
    connect(findNow_, &QPushButton::clicked, this, &FindBar::FindNow);
    connect(text_->lineEdit(), &QLineEdit::returnPressed, this, &FindBar::FindNow);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    layout->addWidget(matchCase_);
    layout->addWidget(findNow_);
    setFocusProxy(text_);
}

FindBar::~FindBar() = default;

void FindBar::FocusInto(bool last) {
    if (last)
        findNow_->setFocus(Qt::BacktabFocusReason);
    else
        text_->setFocus(Qt::TabFocusReason);
}

void FindBar::FindNow() {
    const QString typed = text_->currentText();
    if (typed.isEmpty()) {
        boxes_->Tell(this, Text(IDS_FIND_EMPTY), BoxIcon::Warning);
        text_->setFocus();
        return;
    }
    const size_t at = history_.Enter(typed.toStdString());
    text_->clear();
    for (const std::string& entry : history_.Entries())
        text_->addItem(QString::fromStdString(entry));
    text_->setCurrentIndex(static_cast<int>(at));
    // An entry found without regard to case is selected; the field keeps the text as typed.
    text_->setEditText(typed);
    emit findRequested(typed, matchCase_->isChecked());
}

void FindBar::TellNotFound(const QString& text) {
    boxes_->Tell(this, QString::fromStdString(FormatText(IDS_FIND_NOT_FOUND, {text.toStdString()})),
                 BoxIcon::Information);
    text_->setFocus();
    text_->lineEdit()->selectAll();
}

QStringList FindBar::History() const {
    QStringList entries;
    for (const std::string& entry : history_.Entries())
        entries << QString::fromStdString(entry);
    return entries;
}

} // namespace zm
