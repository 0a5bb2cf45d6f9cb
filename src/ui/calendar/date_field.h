#pragma once
// The dialogs' date field: the date in the locale's short form, with the month calendar as its
// drop-down.

#include <QDateEdit>

namespace zm {

struct WindowContext;

class DateField final : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(WindowContext& context, QWidget* parent = nullptr);
    ~DateField() override;
};

} // namespace zm
