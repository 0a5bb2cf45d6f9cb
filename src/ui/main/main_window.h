#pragma once
// The program's visible window: the menus, the toolbar with the period caption beside it, the
// event list, the find bar shown on demand and the status bar with a clock and the row count.
// It exists only while it is shown; closing it destroys it.

#include "list/command_states.h"
#include "list/list_view_state.h"
#include "list/view_navigation.h"
#include "model/event_record.h"

#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QActionGroup;
class QLabel;
class QMenu;
class QShortcut;
class QToolBar;
class QToolButton;

namespace zm {

struct WindowContext;
struct EditorRequest;
class UserBoxes;
class EventListView;
class EventCommands;
class EventListSelection;
class FindBar;
class PeriodTitle;
class PopupCalendar;
class ProgramDialogGuard;
class PrintSession;
struct PrintSource;

// The commands of the menus, the toolbar and the keys.
enum class MainCommand : uint8_t {
    New,
    Modify,
    Properties,
    Delete,
    Enable,
    Disable,
    Accept,
    WakeUp,
    Purge,
    Copy,
    Paste,
    SelectAll,
    Today,
    Day,
    Week,
    Month,
    All,
    PreviousDay,
    NextDay,
    PreviousMonth,
    NextMonth,
    PreviousYear,
    NextYear,
    Calendar,
    Find,
    DefineFilters,
    RemoveFiltering,
    Transfer,
    Holidays,
    Print,
    PrintPreview,
    PageSetup,
    CloseWindow,
    Stopwatch,
    Countdown,
    Preferences,
    HelpTopics,
    WebPage,
    About,
    ButtonsOnly,
    TextOnly,
    ButtonsAndText,
    CustomizeToolbar,
};

// The toolbar's label modes, as the settings store them.
enum class ToolbarLabels : uint8_t { ButtonsOnly, TextOnly, ButtonsAndText };

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(WindowContext& context, UserBoxes& boxes, ProgramDialogGuard& dialogs,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    EventListView& List() { return *list_; }
    // The list and the date panel take their fonts from the settings again.
    void ApplyFonts();
    // The options changed: the list is drawn again (its gridlines).
    void OptionsChanged();
    const ListViewState& View() const;
    // Shows the mode (the find bar goes) on the view date, or on `date` when given.
    void ShowView(ViewMode mode, std::optional<DateTime> date = std::nullopt);
    // Runs the event editor owned by this window; true when it stored the event. A saved event
    // the active filter hides is followed by a warning unless the list shows search results.
    bool RunEditor(const EditorRequest& request);

    QAction* Action(MainCommand command) const;
    CommandStates States() const;
    QString PeriodText() const;
    // The status bar's sign of the active filter; empty while none is applied.
    QString FilterText() const;
    // The drop-down calendar of the date panel once it has been opened, else null.
    PopupCalendar* DropDownCalendar() const { return calendar_; }
    QToolBar& ToolBar() { return *toolBar_; }
    bool FindBarShown() const;

    // Carried out by the program: a new event of the type (-1 none) on a day (none: the view's
    // day, or today in the All view), and the resident frame's commands.
    std::function<void(int typeIndex, std::optional<DateTime> day)> newEvent;
    std::function<void(uint32_t command)> frameCommand;
    // The preferences with the Event Types page alone, over the editor; true on OK.
    std::function<bool(QWidget* editor)> customizeTypes;
    // The preferences with the Printing page alone, for the print preview; true on OK.
    std::function<bool(QWidget* parent)> customizePrinting;

    PrintSession& Printing() { return *print_; }
    // The listed rows as a print job takes them: their texts, notes, colours and selection, the
    // columns on screen, the period caption and today's date.
    std::shared_ptr<const PrintSource> CopyListForPrinting() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // main_window_menus.cpp
    void CreateActions();
    QAction* MakeAction(MainCommand command, int text, const QKeySequence& key = {});
    void CreateMenus();
    void FillTypeMenu(QMenu& menu, bool changeType);
    void FillFilterMenu(QMenu& menu);
    void ShowContextMenu(QPoint globalPos, bool onRow);
    void Carry(MainCommand command);
    void UpdateCommands();

    // main_window_toolbar.cpp
    void CreateToolBar();
    void ApplyToolbarLabels(ToolbarLabels labels);
    void ApplyHiddenButtons();
    void CustomizeToolbar();
    void ShowToolbarMenu(QPoint globalPos);

    void CreateStatusBar();
    void RestorePlacement();
    void SavePlacement();
    // A filter menu entry: a filter's index, or kRemoveFilteringEntry.
    void ApplyFilter(int entry);
    void WatchFilterMenu(QMenu& menu);
    void DefineFilters();
    // Previous or next day, month or year.
    void Step(MainCommand command);
    void ToggleFindBar();
    // Shows the find bar, or puts the focus back into it when it is shown.
    void OpenFindBar();
    void HideFindBar();
    void Find(const QString& text, bool matchCase);
    void DropCalendar();
    void Modify();
    void ShowProperties();
    void RunTransfer();
    // Merges a holiday file the user chooses.
    void AddHolidays();
    // main_window_print.cpp
    void CarryPrinting(MainCommand command);
    // The print job over rows already copied (from the list, or from the preview).
    void PrintRows(const std::shared_ptr<const PrintSource>& source);
    void UpdateCaption();
    void KeepCaptionWhole();
    void UpdateClock();
    // At the change of the day a view of today moves to the new today; every view is built
    // again.
    void FollowTheDay();
    void UpdateRowCount(int rows);
    bool TodayIsViewed() const;

    WindowContext& context_;
    UserBoxes& boxes_;
    ProgramDialogGuard& dialogs_;
    EventListView* list_ = nullptr;
    FindBar* findBar_ = nullptr;
    QShortcut* closeFind_ = nullptr; // Escape, enabled while the find bar is shown
    QToolBar* toolBar_ = nullptr;
    QToolBar* periodBar_ = nullptr;
    PeriodTitle* period_ = nullptr;
    QLabel* clockPane_ = nullptr;
    QLabel* rowsPane_ = nullptr;
    QLabel* filterPane_ = nullptr; // the active filter's name, shown while one is applied
    PopupCalendar* calendar_ = nullptr;
    // The day the drop-down calendar shows while the user browses it.
    std::optional<DateTime> browsedDate_;
    QMenu* toolbarMenu_ = nullptr;
    QMenu* newMenu_ = nullptr;
    QMenu* changeTypeMenu_ = nullptr;
    QMenu* filterMenu_ = nullptr;
    std::vector<QAction*> toolbarButtons_;
    std::map<MainCommand, QAction*> actions_;
    std::unique_ptr<EventListSelection> selection_;
    std::unique_ptr<EventCommands> commands_;
    std::unique_ptr<PrintSession> print_;
    QTimer clock_;
    DayWatch dayWatch_;
};

} // namespace zm
