#pragma once
// The recurrence editor's pattern fields: the four kind buttons, one panel per kind (daily;
// weekly with the weekday boxes; monthly on a day or an n-th weekday; yearly on a date or an
// n-th weekday), shown as plain values.

#include "edit/recurrence_panels.h"
#include "model/verdict.h"

#include <QObject>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QWidget;
class QBoxLayout;

namespace zm {

class LocaleNames;

class RecurrencePanelWidgets final : public QObject {
    Q_OBJECT
public:
    // Adds the kind buttons and the panels to `layout`; the weekday boxes start at
    // `firstDayOfWeek` (0 Monday ... 6 Sunday).
    RecurrencePanelWidgets(QWidget* owner, QBoxLayout* layout, const LocaleNames& names,
                           int firstDayOfWeek);

    void Show(const RecurrencePanels& panels);
    // The fields' values; start, range and options are left as in `base`.
    RecurrencePanels Read(RecurrencePanels base) const;
    // The field a refusal names, in the panel of the chosen kind.
    QWidget* FieldOf(EditField field) const;

signals:
    // Any field changed.
    void changed();

private:
    QLineEdit* NumberField(QWidget* parent, const char* name, int digits);
    QComboBox* ListField(QWidget* parent, const char* name);
    void ShowKind(int kind);

    int firstDayOfWeek_;
    QButtonGroup* kinds_;
    std::array<QRadioButton*, 4> kindButtons_{};
    QStackedWidget* stack_;
    QLineEdit* dailyN_;
    QLineEdit* weeklyN_;
    std::array<QCheckBox*, 7> dayBoxes_{};
    QRadioButton* monthByDay_;
    QRadioButton* monthByWeekday_;
    QLineEdit* monthDay_;
    QLineEdit* monthDayN_;
    QComboBox* monthOrdinal_;
    QComboBox* monthWeekday_;
    QLineEdit* monthNthN_;
    QRadioButton* yearByDate_;
    QRadioButton* yearByWeekday_;
    QComboBox* yearMonth_;
    QLineEdit* yearDay_;
    QComboBox* yearOrdinal_;
    QComboBox* yearWeekday_;
    QComboBox* yearNthMonth_;
};

} // namespace zm
