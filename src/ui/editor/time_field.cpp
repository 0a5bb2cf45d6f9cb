#include "ui/editor/time_field.h"

#include "edit/typed_time.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace zm {
namespace {

DayHalfNames HalvesOf(const LocaleFormats& formats) {
    return {formats.Locale().amDesignator, formats.Locale().pmDesignator};
}

std::string SeparatorOf(const LocaleFormats& formats) {
    const std::string& s = formats.Locale().compactTimeSeparator;
    return s.empty() ? std::string(":") : s;
}

// The half-hour list: opening it marks the last entry not later than the typed time (or now).
class HalfHourList final : public QComboBox {
public:
    HalfHourList(const WindowContext& context, std::function<DateTime()> now, QWidget* parent)
        : QComboBox(parent), context_(context), now_(std::move(now)) {}

    void showPopup() override {
        const auto typed = ParseTimeOfDay(currentText().toStdString(), HalvesOf(context_.formats),
                                          SeparatorOf(context_.formats));
        const int seconds = typed ? *typed : static_cast<int>(now_().SecondsOfDay());
        QComboBox::showPopup();
        view()->setCurrentIndex(model()->index(HalfHourEntryAtOrBefore(seconds), 0));
    }

private:
    const WindowContext& context_;
    std::function<DateTime()> now_;
};

// The time picker. Typing over a selection that reaches beyond one field (after Ctrl+A) reads
// the characters together as one time (see TimeTyping) until another key, a click or the
// focus leaving ends it; a field selected alone takes the keys field by field as usual.
class TimePicker final : public QTimeEdit {
public:
    TimePicker(const LocaleFormats& formats, QWidget* parent)
        : QTimeEdit(parent), formats_(formats) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (IsModifierKey(event->key())) {
            // Shift for ":" or "P" is part of typing, not the end of it.
            QTimeEdit::keyPressEvent(event);
            return;
        }
        const QString text = event->text();
        const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing_ && event->key() == Qt::Key_Backspace) {
            Show(typing_->Erase());
            event->accept();
            return;
        }
        if (printable && (typing_ || SelectionBeyondOneField())) {
            if (!typing_) typing_.emplace(HalvesOf(formats_), SeparatorOf(formats_));
            Show(typing_->Type(text.toStdString()));
            event->accept();
            return;
        }
        typing_.reset();
        QTimeEdit::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        typing_.reset();
        QTimeEdit::mousePressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        typing_.reset();
        QTimeEdit::focusOutEvent(event);
    }

private:
    static bool IsModifierKey(int key) {
        switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
        }
    }
    bool SelectionBeyondOneField() const {
        const QString selected = lineEdit()->selectedText();
        return !selected.isEmpty() && selected.size() > sectionText(currentSection()).size();
    }
    void Show(std::optional<int> seconds) {
        if (seconds) setTime(QTime(*seconds / 3600, *seconds / 60 % 60));
        lineEdit()->deselect();
        lineEdit()->setCursorPosition(static_cast<int>(lineEdit()->text().size()));
    }

    const LocaleFormats& formats_;
    std::optional<TimeTyping> typing_;
};

} // namespace

TimeField::TimeField(const WindowContext& context, bool pickerStyle, std::function<DateTime()> now,
                     QWidget* parent)
    : QWidget(parent), context_(context), now_(std::move(now)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (pickerStyle) {
        picker_ = new TimePicker(context.formats, this);
        picker_->setObjectName(QStringLiteral("timePicker"));
        picker_->setDisplayFormat(
            QString::fromStdString(ToolkitTimeFormat(context.formats.PickerTime())));
        connect(picker_, &QTimeEdit::timeChanged, this, &TimeField::userEdited);
        picker_->setAccessibleName(PlainText(IDS_COLUMN_TIME));
        layout->addWidget(picker_);
        setFocusProxy(picker_);
        return;
    }
    list_ = new HalfHourList(context, now_, this);
    list_->setObjectName(QStringLiteral("timeList"));
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMaxVisibleItems(12);
    list_->setAccessibleName(PlainText(IDS_COLUMN_TIME));
    for (int entry = 0; entry < 48; ++entry) {
        const int hour = entry / 2;
        const int minute = entry % 2 * 30;
        const DateTime at =
            DateTime::FromDayNumber(0) + DateTimeSpan::Hours(hour) + DateTimeSpan::Minutes(minute);
        list_->addItem(QString::fromStdString(context.formats.FormatCompactTime(at)),
                       hour * 65536 + minute);
    }
    connect(list_->lineEdit(), &QLineEdit::textEdited, this, &TimeField::userEdited);
    connect(list_, &QComboBox::activated, this, &TimeField::userEdited);
    connect(list_->lineEdit(), &QLineEdit::editingFinished, this, &TimeField::ResolveTyped);
    layout->addWidget(list_);
    setFocusProxy(list_);
}

QWidget* TimeField::Editor() const {
    return picker_ ? static_cast<QWidget*>(picker_) : list_;
}

void TimeField::SetTime(DateTime moment) {
    if (picker_) {
        const QSignalBlocker hold(picker_);
        picker_->setTime(QTime(moment.Hour(), moment.Minute()));
        return;
    }
    const QSignalBlocker hold(list_);
    const int data = moment.Hour() * 65536 + moment.Minute();
    const int entry = list_->findData(data);
    if (entry >= 0) {
        list_->setCurrentIndex(entry);
    } else {
        list_->setCurrentIndex(-1);
        list_->setEditText(QString::fromStdString(context_.formats.FormatCompactTime(moment)));
    }
}

void TimeField::ResolveTyped() {
    const TypedTime typed =
        ReadTypedTime(list_->currentText().toStdString(), now_(), HalvesOf(context_.formats),
                      SeparatorOf(context_.formats));
    if (!typed.ok || !typed.relative) return;
    SetTime(typed.moment);
    const YearMonthDay d = typed.moment.Ymd();
    emit dateMoved(QDate(d.year, d.month, d.day));
}

std::optional<int> TimeField::SecondsOfDay() {
    if (list_) ResolveTyped();
    return ShownSecondsOfDay();
}

std::optional<int> TimeField::ShownSecondsOfDay() const {
    if (picker_) {
        const QTime t = picker_->time();
        if (!t.isValid()) return std::nullopt;
        return t.hour() * 3600 + t.minute() * 60;
    }
    const int entry = list_->currentIndex();
    if (entry >= 0 && list_->currentText() == list_->itemText(entry)) {
        const int data = list_->itemData(entry).toInt();
        return (data >> 16) * 3600 + (data & 0xFFFF) * 60;
    }
    return ParseTimeOfDay(list_->currentText().toStdString(), HalvesOf(context_.formats),
                          SeparatorOf(context_.formats));
}

} // namespace zm
