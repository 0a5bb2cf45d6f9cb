#pragma once
// The "Other" page: the shortcut key that starts a new event.

#include <QWidget>
#include <cstdint>

namespace zm {

class HotKeyField;

class OtherPage final : public QWidget {
    Q_OBJECT
public:
    OtherPage(uint16_t newEventKey, QWidget* parent);
    HotKeyField* NewEventKey() const { return key_; }

private:
    HotKeyField* key_;
};

} // namespace zm
