#pragma once
// The editors' time of day: a time picker, or (the old style) an editable list of the half
// hours that also takes "+2 hours" and the like, counted from now.

#include "model/date_time.h"

#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QDate;
class QTimeEdit;

namespace zm {

struct WindowContext;

class TimeField final : public QWidget {
    Q_OBJECT
public:
    // pickerStyle: the time picker; otherwise the list of half hours.
    TimeField(const WindowContext& context, bool pickerStyle, std::function<DateTime()> now,
              QWidget* parent = nullptr);

    // Shows the time of day of `moment`; not a change of the user's.
    void SetTime(DateTime moment);
    // The time of day shown, in seconds; none when the field holds no time. A typed "+amount"
    // is worked out first.
    std::optional<int> SecondsOfDay();
    // The same without working out a typed "+amount" (none then): for a look while typing.
    std::optional<int> ShownSecondsOfDay() const;
    // What takes the focus and the keys.
    QWidget* Editor() const;
    QComboBox* List() const { return list_; }

signals:
    // The user changed the time.
    void userEdited();
    // A typed "+amount" led to another day.
    void dateMoved(const QDate& date);

private:
    void ResolveTyped();

    const WindowContext& context_;
    std::function<DateTime()> now_;
    QTimeEdit* picker_ = nullptr;
    QComboBox* list_ = nullptr;
};

} // namespace zm
