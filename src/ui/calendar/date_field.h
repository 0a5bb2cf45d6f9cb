#pragma once
// The dialogs' date field: the date in the locale's short form, with the month calendar as its
// drop-down.

#include <QDateEdit>

namespace zm {

struct WindowContext;
class PopupCalendar;

class DateField final : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(WindowContext& context, QWidget* parent = nullptr);
    ~DateField() override;

    // Drops the calendar down under the field (the arrow button, F4 or Alt+Down).
    void ShowCalendar();
    // The drop-down, created on first use.
    PopupCalendar& Calendar();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool OnArrow(QPoint p) const;

    WindowContext& context_;
    PopupCalendar* calendar_ = nullptr;
};

// The Qt display format of a date format in the intermediate form ("%d/%m/%Y" becomes
// "dd/MM/yyyy"); other characters stand quoted.
QString QtDateFormat(const std::string& intermediate);

} // namespace zm
