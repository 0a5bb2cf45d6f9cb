// The main window's commands: their menu items and keys, the context menus, what each does,
// and when each can be used.

#include "frame/frame_commands.h"
#include "res/strings.h"
#include "store/types/type_list.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/type_menu.h"
#include "ui/filters/filter_dialogs.h"
#include "ui/list/clipboard_data.h"
#include "ui/list/event_list_view.h"
#include "ui/main/event_commands.h"
#include "ui/main/main_accessibility.h"
#include "ui/main/main_icons.h"
#include "ui/main/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace zm {
namespace {

// The accessible name of a menu text: without its mnemonic marks and dots.
QString Plain(QString text) {
    text = WithoutMnemonic(text);
    if (text.endsWith("...")) text.chop(3);
    return text;
}

// The type menus' commands, as the resident frame numbers them.
constexpr int kCmdFirstChangeType = 32914;

} // namespace

QAction* MainWindow::MakeAction(MainCommand command, int text, const QKeySequence& key) {
    auto* action = new QAction(CommandIcon(command), Text(text), this);
    if (!key.isEmpty()) action->setShortcut(key);
    action->setToolTip(Plain(Text(text)));
    action->setIconVisibleInMenu(true);
    // Chosen in a menu, the command runs once the menu has closed.
    OnChosen(action, this, [this, command] { Carry(command); });
    actions_[command] = action;
    return action;
}

QAction* MainWindow::Action(MainCommand command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::CreateActions() {
    using C = MainCommand;
    MakeAction(C::New, IDS_MAIN_MENU_NEW_EVENT, QKeySequence(Qt::CTRL | Qt::Key_N));
    // Enter, Alt+Enter and Del act on the list only (the find bar keeps its own keys); the
    // number pad's Enter is taken as Enter.
    const auto onList = [this](QAction* action, const QList<QKeySequence>& keys) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        list_->addAction(action);
    };
    onList(MakeAction(C::Modify, IDS_MENU_MODIFY),
           {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    onList(MakeAction(C::Properties, IDS_MENU_PROPERTIES),
           {QKeySequence(Qt::ALT | Qt::Key_Enter), QKeySequence(Qt::ALT | Qt::Key_Return)});
    onList(MakeAction(C::Delete, IDS_MENU_DELETE), {QKeySequence(Qt::Key_Delete)});
    MakeAction(C::Enable, IDS_MENU_ENABLE);
    MakeAction(C::Disable, IDS_MENU_DISABLE);
    MakeAction(C::Accept, IDS_MENU_ACCEPT);
    MakeAction(C::WakeUp, IDS_MENU_WAKE_UP);
    MakeAction(C::Purge, IDS_MAIN_MENU_PURGE);
    MakeAction(C::Copy, IDS_MENU_COPY)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    MakeAction(C::Paste, IDS_MENU_PASTE)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    MakeAction(C::SelectAll, IDS_MENU_SELECT_ALL, QKeySequence(Qt::CTRL | Qt::Key_A));
    MakeAction(C::Today, IDS_MAIN_MENU_TODAY, QKeySequence(Qt::CTRL | Qt::Key_T));
    MakeAction(C::Day, IDS_MAIN_MENU_DAY, QKeySequence(Qt::CTRL | Qt::Key_D));
    MakeAction(C::Week, IDS_MAIN_MENU_WEEK, QKeySequence(Qt::CTRL | Qt::Key_W));
    MakeAction(C::Month, IDS_MAIN_MENU_MONTH, QKeySequence(Qt::CTRL | Qt::Key_M));
    MakeAction(C::All, IDS_MAIN_MENU_ALL, QKeySequence(Qt::CTRL | Qt::Key_L));
    // The modes are one choice, none while the find bar is shown; Today is checked beside Day
    // while the day shown is today.
    auto* modes = new QActionGroup(this);
    for (const C c : {C::Today, C::Day, C::Week, C::Month, C::All}) {
        Action(c)->setCheckable(true);
        if (c != C::Today) modes->addAction(Action(c));
    }
    // The number pad's keys, and Alt+Left and Alt+Right from the main keyboard for the day.
    const auto pad = [](Qt::KeyboardModifiers modifiers, Qt::Key key) {
        return QKeySequence(QKeyCombination(modifiers | Qt::KeypadModifier, key));
    };
    MakeAction(C::PreviousDay, IDS_MAIN_MENU_PREVIOUS_DAY)
        ->setShortcuts({pad({}, Qt::Key_Minus), QKeySequence(Qt::ALT | Qt::Key_Left)});
    MakeAction(C::NextDay, IDS_MAIN_MENU_NEXT_DAY)
        ->setShortcuts({pad({}, Qt::Key_Plus), QKeySequence(Qt::ALT | Qt::Key_Right)});
    MakeAction(C::PreviousMonth, IDS_MAIN_MENU_PREVIOUS_MONTH,
               pad(Qt::ControlModifier, Qt::Key_Minus));
    MakeAction(C::NextMonth, IDS_MAIN_MENU_NEXT_MONTH, pad(Qt::ControlModifier, Qt::Key_Plus));
    MakeAction(C::PreviousYear, IDS_MAIN_MENU_PREVIOUS_YEAR,
               pad(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Minus));
    MakeAction(C::NextYear, IDS_MAIN_MENU_NEXT_YEAR,
               pad(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus));
    MakeAction(C::Calendar, IDS_MAIN_MENU_CALENDAR)
        ->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Down), QKeySequence(Qt::Key_F4)});
    MakeAction(C::Find, IDS_MAIN_MENU_FIND, QKeySequence(Qt::ALT | Qt::Key_F3))->setCheckable(true);
    MakeAction(C::DefineFilters, IDS_FILTER_MENU_DEFINE,
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    MakeAction(C::RemoveFiltering, IDS_FILTER_REMOVE);
    MakeAction(C::Transfer, IDS_MAIN_MENU_TRANSFER);
    MakeAction(C::Holidays, IDS_MAIN_MENU_HOLIDAYS);
    MakeAction(C::Print, IDS_MENU_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P));
    MakeAction(C::PrintPreview, IDS_MAIN_MENU_PRINT_PREVIEW);
    MakeAction(C::PageSetup, IDS_MAIN_MENU_PAGE_SETUP);
    MakeAction(C::CloseWindow, IDS_MENU_CLOSE_WINDOW);
    MakeAction(C::Stopwatch, IDS_TRAY_STOPWATCH);
    MakeAction(C::Countdown, IDS_TRAY_COUNTDOWN);
    MakeAction(C::Preferences, IDS_TRAY_PREFERENCES);
    MakeAction(C::HelpTopics, IDS_TRAY_HELP_TOPICS);
    MakeAction(C::WebPage, IDS_TRAY_WEB);
    MakeAction(C::About, IDS_TRAY_ABOUT);
    auto* labels = new QActionGroup(this);
    for (const auto& [c, text] : {std::pair{C::ButtonsOnly, IDS_TOOLBAR_BUTTONS_ONLY},
                                  std::pair{C::TextOnly, IDS_TOOLBAR_TEXT_ONLY},
                                  std::pair{C::ButtonsAndText, IDS_TOOLBAR_BUTTONS_AND_TEXT}}) {
        QAction* a = MakeAction(c, text);
        a->setCheckable(true);
        labels->addAction(a);
    }
    MakeAction(C::CustomizeToolbar, IDS_MENU_CUSTOMIZE);
    for (const auto& [c, action] : actions_) {
        action->setObjectName(Plain(action->text()));
        // Its keys work wherever the focus is in the window, also for the commands that no
        // menu shows until it opens (New, Define Filters).
        addAction(action);
    }
    // Ctrl+F opens the find bar (or puts the focus back into it); Escape closes it.
    auto* openFind = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(openFind, &QShortcut::activated, this, &MainWindow::OpenFindBar);
    closeFind_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    closeFind_->setEnabled(false);
    connect(closeFind_, &QShortcut::activated, this, [this] {
        if (FindBarShown()) ToggleFindBar();
    });
}

void MainWindow::CreateMenus() {
    using C = MainCommand;
    auto menu = [this](int title) {
        QMenu* m = menuBar()->addMenu(Text(title));
        m->setAccessibleName(Plain(Text(title)));
        WatchMenu(*m);
        connect(m, &QMenu::aboutToShow, this, &MainWindow::UpdateCommands);
        return m;
    };
    QMenu* file = menu(IDS_MAIN_MENU_FILE);
    newMenu_ = file->addMenu(CommandIcon(C::New), Text(IDS_TRAY_NEW));
    newMenu_->setAccessibleName(Plain(Text(IDS_TRAY_NEW)));
    WatchMenu(*newMenu_);
    connect(newMenu_, &QMenu::aboutToShow, this, [this] { FillTypeMenu(*newMenu_, false); });
    file->addActions({Action(C::Modify), Action(C::Properties), Action(C::Delete)});
    file->addSeparator();
    file->addAction(Action(C::Transfer));
    file->addAction(Action(C::Holidays));
    file->addSeparator();
    file->addActions({Action(C::Print), Action(C::PrintPreview), Action(C::PageSetup)});
    file->addSeparator();
    file->addAction(Action(C::CloseWindow));

    QMenu* edit = menu(IDS_MAIN_MENU_EDIT);
    edit->addActions({Action(C::Copy), Action(C::Paste), Action(C::SelectAll)});
    edit->addSeparator();
    edit->addActions({Action(C::Enable), Action(C::Disable), Action(C::Accept), Action(C::WakeUp)});
    changeTypeMenu_ = edit->addMenu(Text(IDS_MENU_CHANGE_TYPE));
    changeTypeMenu_->setAccessibleName(Plain(Text(IDS_MENU_CHANGE_TYPE)));
    WatchMenu(*changeTypeMenu_);
    connect(changeTypeMenu_, &QMenu::aboutToShow, this,
            [this] { FillTypeMenu(*changeTypeMenu_, true); });
    edit->addSeparator();
    edit->addAction(Action(C::Purge));

    QMenu* view = menu(IDS_MAIN_MENU_VIEW);
    view->addAction(Action(C::Today));
    view->addSeparator();
    view->addActions({Action(C::Day), Action(C::Week), Action(C::Month), Action(C::All)});
    view->addSeparator();
    view->addActions({Action(C::PreviousDay), Action(C::NextDay), Action(C::PreviousMonth),
                      Action(C::NextMonth), Action(C::PreviousYear), Action(C::NextYear)});
    view->addSeparator();
    view->addActions({Action(C::Calendar), Action(C::Find)});
    filterMenu_ = view->addMenu(Text(IDS_FILTER_MENU_CURRENT));
    filterMenu_->setAccessibleName(Plain(Text(IDS_FILTER_MENU_CURRENT)));
    WatchFilterMenu(*filterMenu_);
    view->addSeparator();
    toolbarMenu_ = view->addMenu(Text(IDS_MAIN_MENU_TOOLBAR));
    toolbarMenu_->setAccessibleName(Plain(Text(IDS_MAIN_MENU_TOOLBAR)));
    WatchMenu(*toolbarMenu_);
    toolbarMenu_->addActions(
        {Action(C::ButtonsOnly), Action(C::TextOnly), Action(C::ButtonsAndText)});
    toolbarMenu_->addSeparator();
    toolbarMenu_->addAction(Action(C::CustomizeToolbar));

    QMenu* tools = menu(IDS_MAIN_MENU_TOOLS);
    tools->addActions({Action(C::Stopwatch), Action(C::Countdown)});
    tools->addSeparator();
    tools->addAction(Action(C::Preferences));

    QMenu* help = menu(IDS_TRAY_HELP);
    help->addAction(Action(C::HelpTopics));
    help->addSeparator();
    help->addAction(Action(C::WebPage));
    help->addSeparator();
    help->addAction(Action(C::About));
    NameMoreButton(*menuBar());
}

void MainWindow::FillTypeMenu(QMenu& menu, bool changeType) {
    menu.clear();
    const bool enabled = !changeType || States().remove;
    for (size_t i = 0; i < context_.types.TypeCount(); ++i) {
        const int index = static_cast<int>(i);
        QAction* a = menu.addAction(TypeIcon(context_.types, index),
                                    QString::fromStdString(context_.types.Types()[i].name));
        a->setObjectName(QString::number(
            (changeType ? kCmdFirstChangeType : static_cast<int>(kCmdFirstNewOfType)) + index));
        a->setEnabled(enabled);
        if (changeType)
            OnChosen(a, this, [this, index] { commands_->ChangeType(index); });
        else
            OnChosen(a, this, [this, index] {
                if (newEvent) newEvent(index, std::nullopt);
            });
    }
    menu.addSeparator();
    QAction* customize = menu.addAction(Text(IDS_MENU_CUSTOMIZE));
    OnChosen(customize, this, [this] {
        if (frameCommand) frameCommand(kCmdCustomizeTypes);
    });
}

void MainWindow::FillFilterMenu(QMenu& menu) {
    zm::FillFilterMenu(menu, context_.types, Action(MainCommand::DefineFilters));
    UpdateCommands();
}

void MainWindow::WatchFilterMenu(QMenu& menu) {
    WatchMenu(menu);
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu] { FillFilterMenu(menu); });
    connect(&menu, &QMenu::triggered, this, [this](QAction* chosen) {
        bool isEntry = false;
        const int entry = chosen->data().toInt(&isEntry);
        if (!isEntry) return;
        if (MenuClosing())
            RunAfterMenu(this, [this, entry] { ApplyFilter(entry); });
        else
            ApplyFilter(entry);
    });
}

void MainWindow::ShowContextMenu(QPoint globalPos, bool onRow) {
    using C = MainCommand;
    UpdateCommands();
    QMenu menu(this);
    menu.setAccessibleName(Text(IDS_MAIN_EVENT_LIST));
    WatchMenu(menu);
    if (!onRow) {
        // "Sel No": a new event of each type, then paste and select all.
        FillTypeMenu(menu, false);
        menu.addSeparator();
        menu.addActions({Action(C::Paste), Action(C::SelectAll)});
    } else {
        menu.addActions({Action(C::Modify), Action(C::Properties), Action(C::Delete),
                         Action(C::Enable), Action(C::Disable), Action(C::Accept),
                         Action(C::WakeUp)});
        QMenu* types = menu.addMenu(Text(IDS_MENU_CHANGE_TYPE));
        types->setAccessibleName(Plain(Text(IDS_MENU_CHANGE_TYPE)));
        WatchMenu(*types);
        FillTypeMenu(*types, true);
        menu.addSeparator();
        menu.addActions({Action(C::Copy), Action(C::Paste), Action(C::SelectAll)});
    }
    menu.exec(globalPos);
}

void MainWindow::Carry(MainCommand command) {
    using C = MainCommand;
    const CommandStates can = States();
    auto frame = [this](uint32_t c) {
        if (frameCommand) frameCommand(c);
    };
    switch (command) {
    case C::New:
        if (newEvent) newEvent(-1, std::nullopt);
        break;
    case C::Modify:
        Modify();
        break;
    case C::Properties:
        ShowProperties();
        break;
    case C::Delete:
        commands_->Delete();
        break;
    case C::Enable:
        if (can.enable) commands_->SetDisabled(false);
        break;
    case C::Disable:
        if (can.disable) commands_->SetDisabled(true);
        break;
    case C::Accept:
        if (can.accept) commands_->Accept();
        break;
    case C::WakeUp:
        if (can.wakeUp) commands_->WakeUp();
        break;
    case C::Purge:
        commands_->Purge();
        break;
    case C::Copy:
        commands_->Copy();
        break;
    case C::Paste:
        commands_->Paste();
        break;
    case C::SelectAll:
        list_->selectAll();
        break;
    case C::Today:
        ShowView(ViewMode::Day, context_.store.Now().Date());
        break;
    case C::Day:
        ShowView(ViewMode::Day);
        break;
    case C::Week:
        ShowView(ViewMode::Week);
        break;
    case C::Month:
        ShowView(ViewMode::Month);
        break;
    case C::All:
        ShowView(ViewMode::All);
        break;
    case C::PreviousDay:
    case C::NextDay:
    case C::PreviousMonth:
    case C::NextMonth:
    case C::PreviousYear:
    case C::NextYear:
        Step(command);
        break;
    case C::Calendar:
        DropCalendar();
        break;
    case C::Find:
        ToggleFindBar();
        break;
    case C::DefineFilters:
        if (can.navigate) DefineFilters();
        break;
    case C::RemoveFiltering:
        ApplyFilter(kRemoveFilteringEntry);
        break;
    case C::Transfer:
        RunTransfer();
        break;
    case C::Holidays:
        AddHolidays();
        break;
    case C::Print:
    case C::PrintPreview:
    case C::PageSetup:
        CarryPrinting(command);
        break;
    case C::CloseWindow:
        close();
        break;
    case C::Stopwatch:
        frame(kCmdStopwatch);
        break;
    case C::Countdown:
        frame(kCmdCountdown);
        break;
    case C::Preferences:
        frame(kCmdPreferences);
        break;
    case C::HelpTopics:
        frame(kCmdHelpTopics);
        break;
    case C::WebPage:
        frame(kCmdWebPage);
        break;
    case C::About:
        frame(kCmdAbout);
        break;
    case C::ButtonsOnly:
        ApplyToolbarLabels(ToolbarLabels::ButtonsOnly);
        break;
    case C::TextOnly:
        ApplyToolbarLabels(ToolbarLabels::TextOnly);
        break;
    case C::ButtonsAndText:
        ApplyToolbarLabels(ToolbarLabels::ButtonsAndText);
        break;
    case C::CustomizeToolbar:
        CustomizeToolbar();
        break;
    }
    UpdateCommands();
}

CommandStates MainWindow::States() const {
    const std::vector<EventRecord> selected = list_->SelectedEvents();
    const std::optional<EventRecord> focused = list_->FocusedSelectedEvent();
    CommandFacts facts;
    facts.rows = list_->RowCount();
    facts.selected = &selected;
    facts.focused = focused ? &*focused : nullptr;
    facts.clipboardHasEvents = HoldsEvents(QApplication::clipboard()->mimeData());
    facts.findBarShown = FindBarShown();
    facts.mode = View().mode;
    facts.viewIsToday = TodayIsViewed();
    return EvaluateCommands(facts);
}

void MainWindow::UpdateCommands() {
    if (!list_ || actions_.empty()) return;
    using C = MainCommand;
    const CommandStates s = States();
    const std::pair<C, bool> enabling[] = {
        {C::Delete, s.remove},
        {C::Copy, s.copy},
        {C::Paste, s.paste},
        {C::SelectAll, s.selectAll},
        {C::Modify, s.modify},
        {C::Properties, s.modify},
        {C::Accept, s.accept},
        {C::WakeUp, s.wakeUp},
        {C::Enable, s.enable},
        {C::Disable, s.disable},
        {C::PreviousDay, s.navigate},
        {C::NextDay, s.navigate},
        {C::PreviousMonth, s.navigate},
        {C::NextMonth, s.navigate},
        {C::PreviousYear, s.navigate},
        {C::NextYear, s.navigate},
        {C::Calendar, s.navigate},
        {C::DefineFilters, s.navigate},
        {C::RemoveFiltering, !context_.types.ActiveFilterName().empty()},
    };
    for (const auto& [c, on] : enabling)
        Action(c)->setEnabled(on);
    if (changeTypeMenu_) changeTypeMenu_->setEnabled(s.remove);
    const std::pair<C, bool> checks[] = {{C::Today, s.checkToday}, {C::Day, s.checkDay},
                                         {C::Week, s.checkWeek},   {C::Month, s.checkMonth},
                                         {C::All, s.checkAll},     {C::Find, s.checkFind}};
    for (const auto& [c, on] : checks)
        Action(c)->setChecked(on);
    if (closeFind_) closeFind_->setEnabled(s.checkFind);
}

} // namespace zm
