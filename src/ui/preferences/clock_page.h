#pragma once
// The "Clock" page: the floating clock's format with its builder menus, alignment, colours,
// font, tooltip, border, margins and chimes.

#include "format/format_elements.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;

namespace zm {

struct WindowContext;
struct PreferencesHooks;
class FontChooser;

class ClockPage final : public QWidget {
    Q_OBJECT
public:
    ClockPage(WindowContext& context, PreferencesHooks& hooks, QWidget* parent);

    // Writes the page's values into the settings.
    void Save() const;
    bool ShowChanged() const;
    bool ShowClock() const;

    QCheckBox* ShowBox() const { return show_; }
    QLineEdit* FormatEdit() const { return format_; }
    // The pop-up menu of a builder button (Date, Time, Samples, Separator, Alignment).
    QMenu* Menu(FormatMenu menu) const { return menus_[static_cast<size_t>(menu)]; }
    // Inserts a menu's row at the format's selection, as choosing it does.
    void InsertRow(FormatMenu menu, size_t row);
    int Alignment() const { return alignment_; }
    void SetAlignment(int alignment);
    QPushButton* ResetButton() const { return reset_; }
    std::array<QPushButton*, 2> TestButtons() const { return tests_; }

private:
    QPushButton* NewMenuButton(int textId, FormatMenu menu);
    QPushButton* NewColourButton(int textId, int64_t& colour, bool text);
    void ShowColour(QPushButton* button, int64_t colour, bool text);
    void Enable();

    WindowContext& context_;
    PreferencesHooks& hooks_;
    bool shownAtOpen_;
    QCheckBox* show_;
    QLineEdit* format_;
    std::array<QMenu*, 5> menus_{};
    QPushButton* reset_;
    QPushButton* alignButton_;
    int alignment_ = 0;
    QCheckBox* customColours_;
    int64_t textColour_;       // 0x00BBGGRR; -1 the system's
    int64_t backgroundColour_; // 0x00BBGGRR; -1 the system's
    QPushButton* textButton_;
    QPushButton* backButton_;
    QCheckBox* customFont_;
    FontChooser* font_;
    QCheckBox* tooltip_;
    QCheckBox* border_;
    QSpinBox* margins_;
    std::array<QCheckBox*, 2> chimes_{};
    std::array<QPushButton*, 2> tests_{};
    std::vector<QWidget*> dependents_; // enabled only while the clock shows
};

} // namespace zm
