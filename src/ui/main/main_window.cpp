#include "ui/main/main_window.h"

#include "adapters/gui/qt_font.h"
#include "frame/frame_commands.h"
#include "list/period_caption.h"
#include "list/view_navigation.h"
#include "list/window_placement.h"
#include "platform/font_setting.h"
#include "platform/setting_table.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/common/program_dialog.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/event_editor.h"
#include "ui/filters/filter_dialogs.h"
#include "ui/filters/find_bar.h"
#include "ui/list/event_list_model.h"
#include "ui/list/event_list_view.h"
#include "ui/main/event_commands.h"
#include "ui/main/main_accessibility.h"
#include "ui/print/print_session.h"
#include "ui/properties/event_properties.h"
#include "ui/transfer/transfer_choices.h"
#include "ui/transfer/transfer_wizard.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace zm {
namespace {

QDate ToQDate(DateTime d) {
    return QDate(d.Year(), d.Month(), d.Day());
}

DateTime FromQDate(QDate d) {
    return DateTime::FromParts(d.year(), d.month(), d.day());
}

// Shows `text` in a status bar pane. The screen reader hears what the pane is (`what`, a
// string's number) and the `value` it shows, "Number of events listed: 4"; the name changes
// only when the text does (the clock's at most once a minute).
void ShowInPane(QLabel& pane, int what, const QString& text, const QString& value) {
    if (pane.text() != text) pane.setText(text);
    const QString name = value.isEmpty() ? PlainText(what) : PlainText(what) + ": " + value;
    if (pane.accessibleName() != name) pane.setAccessibleName(name);
}

} // namespace

MainWindow::MainWindow(WindowContext& context, UserBoxes& boxes, ProgramDialogGuard& dialogs,
                       QWidget* parent)
    : QMainWindow(parent), context_(context), boxes_(boxes), dialogs_(dialogs),
      dayWatch_(context.store.Now()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("zantimore_32_mainwnd");
    setWindowTitle(Text(IDS_APP_TITLE));
    setAccessibleName(Text(IDS_APP_TITLE));
    setMinimumSize(kMainWindowMinimum.width, kMainWindowMinimum.height);
    // No menu of the bars: the toolbar has its own ("Toolbar").
    setContextMenuPolicy(Qt::NoContextMenu);
    if (context_.rightToLeft) setLayoutDirection(Qt::RightToLeft);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    list_ = new EventListView(context_, boxes_, central);
    list_->setAccessibleName(Text(IDS_MAIN_EVENT_LIST));
    list_->installEventFilter(this);
    findBar_ = new FindBar(context_, boxes_, central);
    findBar_->hide();
    layout->addWidget(list_, 1);
    layout->addWidget(findBar_);
    setCentralWidget(central);
    selection_ = std::make_unique<EventListSelection>(*list_);
    commands_ = std::make_unique<EventCommands>(context_, boxes_, *selection_, this);
    print_ = std::make_unique<PrintSession>(context_, boxes_, *this);
    print_->customize = [this](QWidget* parent) {
        return customizePrinting && customizePrinting(parent);
    };
    print_->printFromPreview = [this](const auto& source) { PrintRows(source); };

    CreateActions();
    CreateMenus();
    list_->setFont(ScreenFont(context_.settings, SettingId::MainWindowFont));
    CreateToolBar();
    CreateStatusBar();

    connect(list_, &EventListView::rowCountChanged, this, &MainWindow::UpdateRowCount);
    connect(list_, &EventListView::selectedRowsChanged, this, &MainWindow::UpdateCommands);
    connect(list_, &EventListView::openRequested, this, [this](bool onRow) {
        if (onRow)
            Modify();
        else
            Carry(MainCommand::New);
    });
    connect(list_, &EventListView::contextMenuWanted, this, &MainWindow::ShowContextMenu);
    connect(findBar_, &FindBar::findRequested, this, &MainWindow::Find);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::UpdateCommands);

    list_->RestoreColumns();
    RestorePlacement();
    // A stored name that no filter has leaves the list unfiltered.
    if (ApplyStoredFilter(context_)) list_->FilterChanged();
    // Today, in the view chosen last anywhere in the program.
    list_->Refresh(context_.store.Now().Date(), ViewModeFromSetting(context_.options.mainView));
    UpdateCaption();
    UpdateRowCount(list_->RowCount());
    UpdateCommands();
    connect(&clock_, &QTimer::timeout, this, &MainWindow::UpdateClock);
    clock_.start(1000);
    UpdateClock();
}

MainWindow::~MainWindow() {
    clock_.stop();
}

const ListViewState& MainWindow::View() const {
    return list_->View();
}

bool MainWindow::FindBarShown() const {
    return !findBar_->isHidden();
}

bool MainWindow::TodayIsViewed() const {
    return View().viewDate.Date() == context_.store.Now().Date();
}

QString MainWindow::PeriodText() const {
    return period_->text();
}

QString MainWindow::FilterText() const {
    return filterPane_->isHidden() ? QString() : filterPane_->text();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SavePlacement();
    list_->SaveColumns();
    if (calendar_) calendar_->hide();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    // The number pad's plus and minus step the view while the list has the focus. They are the
    // step commands' shortcuts too, but X11's key maps do not tell the number pad's keys apart
    // when they look a shortcut up, and the key comes here.
    if ((mods & Qt::KeypadModifier) &&
        (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus)) {
        const bool next = key->key() == Qt::Key_Plus;
        if ((mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier))
            Carry(next ? MainCommand::NextYear : MainCommand::PreviousYear);
        else if (mods & Qt::ControlModifier)
            Carry(next ? MainCommand::NextMonth : MainCommand::PreviousMonth);
        else
            Carry(next ? MainCommand::NextDay : MainCommand::PreviousDay);
        return true;
    }
    if (FindBarShown() && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        findBar_->FocusInto(key->key() == Qt::Key_Backtab);
        return true;
    }
    // Enter, Alt+Enter and Del are the commands' keys; while a command cannot be used its key
    // comes here and the command tells why (a beep).
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Carry((mods & Qt::AltModifier) ? MainCommand::Properties : MainCommand::Modify);
        return true;
    }
    if (key->key() == Qt::Key_Delete && mods == Qt::NoModifier) {
        Carry(MainCommand::Delete);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- the view ---

void MainWindow::ShowView(ViewMode mode, std::optional<DateTime> date) {
    HideFindBar();
    context_.options.mainView = ViewModeSetting(mode);
    list_->Refresh(date ? std::optional(date->Date()) : std::nullopt, mode);
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::Step(MainCommand command) {
    if (FindBarShown()) return;
    const DateTime from = View().viewDate;
    DateTime to = from;
    switch (command) {
    case MainCommand::PreviousDay:
    case MainCommand::NextDay:
        to = StepViewDays(from, command == MainCommand::NextDay ? 1 : -1);
        break;
    case MainCommand::PreviousMonth:
    case MainCommand::NextMonth:
        to = StepViewMonths(from, command == MainCommand::NextMonth ? 1 : -1);
        break;
    case MainCommand::PreviousYear:
    case MainCommand::NextYear:
        to = StepViewYears(from, command == MainCommand::NextYear ? 1 : -1);
        break;
    default:
        return;
    }
    list_->Refresh(to);
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::UpdateCaption() {
    ListViewState view = View();
    if (FindBarShown()) view.searching = true;
    if (browsedDate_) view.viewDate = *browsedDate_;
    const std::string longDate =
        QLocale().toString(ToQDate(view.viewDate), QLocale::LongFormat).toStdString();
    period_->setText(QString::fromStdString(PeriodCaption(view, context_.names, longDate)));
    KeepCaptionWhole();
    // The filter is named wherever the list follows it.
    const std::string filter = view.filterActive ? context_.types.ActiveFilterName() : "";
    ShowInPane(*filterPane_, IDS_MAIN_STATUS_FILTER, QString::fromStdString(FilterPaneText(filter)),
               QString::fromStdString(filter));
    filterPane_->setVisible(!filter.empty());
}

void MainWindow::UpdateClock() {
    const DateTime now = context_.store.Now();
    const QString time = QString::fromStdString(context_.formats.FormatDayDateTime(now, false));
    ShowInPane(*clockPane_, IDS_MAIN_STATUS_CLOCK, time, time);
    FollowTheDay();
}

void MainWindow::FollowTheDay() {
    const std::optional<DateTime> date = dayWatch_.Check(context_.store.Now(), View().viewDate);
    if (!date) return;
    // Search results stay until the find bar goes; the period it brings back follows the day.
    if (FindBarShown())
        list_->KeepViewDate(*date);
    else
        list_->Refresh(*date);
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::UpdateRowCount(int rows) {
    ShowInPane(*rowsPane_, IDS_MAIN_STATUS_ROWS, QString::number(rows), QString::number(rows));
    UpdateCommands();
}

void MainWindow::CreateStatusBar() {
    // Each pane is named by what it shows (ShowInPane).
    clockPane_ = new QLabel(this);
    clockPane_->setObjectName("clockPane");
    rowsPane_ = new QLabel(this);
    rowsPane_->setObjectName("rowsPane");
    rowsPane_->setMinimumWidth(fontMetrics().horizontalAdvance("00000"));
    rowsPane_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    filterPane_ = new QLabel(this);
    filterPane_->setObjectName("filterPane");
    filterPane_->hide();
    statusBar()->addWidget(clockPane_, 1);
    statusBar()->addPermanentWidget(filterPane_);
    statusBar()->addPermanentWidget(rowsPane_);
}

// --- placement ---

void MainWindow::RestorePlacement() {
    std::optional<Rect> stored;
    if (const auto bytes = ReadBytes(context_.settings, SettingId::MainWindowRect))
        stored = UnpackWindowRect(*bytes);
    const Rect r = PlaceMainWindow(stored, context_.workArea.Screens());
    setGeometry(r.x, r.y, r.width, r.height);
    if (ReadBool(context_.settings, SettingId::MainWindowMaximised))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::SavePlacement() {
    const bool maximised = isMaximized();
    const QRect normal = maximised ? normalGeometry() : geometry();
    if (normal.isValid()) {
        const auto bytes =
            PackWindowRect({normal.x(), normal.y(), normal.width(), normal.height()});
        WriteBytes(context_.settings, SettingId::MainWindowRect, bytes);
    }
    WriteBool(context_.settings, SettingId::MainWindowMaximised, maximised);
}

// --- filters and find ---

void MainWindow::ApplyFilter(int entry) {
    ApplyFilterEntry(context_, entry);
    HideFindBar();
    list_->FilterChanged();
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::DefineFilters() {
    bool changed = false;
    {
        const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
        if (!scope) return;
        changed = zm::DefineFilters(context_, boxes_, this);
    }
    if (!changed) return;
    // The filters were edited: the active one is selected again by its name.
    ApplyStoredFilter(context_);
    list_->FilterChanged();
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::ToggleFindBar() {
    if (FindBarShown()) {
        HideFindBar();
        list_->Refresh();
    } else {
        // The period's rows go: the list waits for the text to find.
        list_->Search({}, false);
        findBar_->show();
        findBar_->FocusInto();
    }
    UpdateCaption();
    UpdateCommands();
}

void MainWindow::OpenFindBar() {
    if (FindBarShown())
        findBar_->FocusInto();
    else
        ToggleFindBar();
}

void MainWindow::HideFindBar() {
    if (!FindBarShown()) return;
    const bool hadFocus = findBar_->isAncestorOf(QApplication::focusWidget());
    findBar_->hide();
    if (hadFocus) list_->setFocus();
}

void MainWindow::Find(const QString& text, bool matchCase) {
    list_->Search(text.toStdString(), matchCase);
    UpdateCaption();
    if (list_->RowCount() == 0) {
        boxes_.Tell(this, QString::fromUtf8(FormatText(IDS_FIND_NOT_FOUND, {text.toStdString()})),
                    BoxIcon::Information);
        findBar_->FocusInto();
    } else {
        list_->setFocus();
    }
    UpdateCommands();
}

// --- dialogs ---

void MainWindow::DropCalendar() {
    if (FindBarShown()) return;
    if (!calendar_) {
        // Without the today line and the menu of new events; browsing it shows the period of
        // the browsed day until a day is chosen or the calendar closes.
        calendar_ = new PopupCalendar(
            context_, FlatCalendarOptions{.todayLine = false, .newEventMenu = false}, this);
        connect(calendar_, &PopupCalendar::dateMoved, this, [this](QDate date) {
            browsedDate_ = FromQDate(date);
            UpdateCaption();
        });
        connect(calendar_, &PopupCalendar::dateChosen, this, [this](QDate date) {
            browsedDate_.reset();
            ShowView(View().mode, FromQDate(date));
        });
        connect(calendar_, &PopupCalendar::dismissed, this, [this] {
            browsedDate_.reset();
            UpdateCaption();
        });
    }
    calendar_->ShowAt(period_->mapToGlobal(QPoint(0, period_->height())), ToQDate(View().viewDate));
}

bool MainWindow::RunEditor(const EditorRequest& request) {
    const auto scope = dialogs_.TryOpen(ProgramDialog::EventEditor, request.event.key);
    if (!scope) return false;
    // The list follows the filter unless it shows search results: a saved event the filter
    // hides is followed by a warning.
    EditorRequest shown = request;
    shown.warnWhenFiltered = !FindBarShown() && !View().searching;
    if (!shown.customizeTypes) shown.customizeTypes = customizeTypes;
    return EditEvent(context_, boxes_, shown, this);
}

void MainWindow::Modify() {
    const std::optional<EventRecord> e = list_->FocusedSelectedEvent();
    if (!e) return boxes_.Beep();
    EditorRequest request;
    request.event = *e;
    request.isNew = false;
    RunEditor(request);
}

void MainWindow::ShowProperties() {
    const std::optional<EventRecord> e = list_->FocusedSelectedEvent();
    if (!e) return boxes_.Beep();
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    ShowEventProperties(context_, *e, this);
}

void MainWindow::ApplyFonts() {
    list_->setFont(ScreenFont(context_.settings, SettingId::MainWindowFont));
    period_->setFont(ScreenFont(context_.settings, SettingId::DatePanelFont));
    KeepCaptionWhole();
}

void MainWindow::KeepCaptionWhole() {
    if (!period_ || !periodBar_) return;
    // Never squeezed below its text's width; below the buttons when it does not fit beside them.
    period_->setMinimumWidth(period_->sizeHint().width());
    const bool below = toolBar_->sizeHint().width() + periodBar_->sizeHint().width() > width();
    if (below == (toolBarBreak(periodBar_))) return;
    if (below)
        insertToolBarBreak(periodBar_);
    else
        removeToolBarBreak(periodBar_);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    KeepCaptionWhole();
}

void MainWindow::OptionsChanged() {
    list_->viewport()->update();
}

void MainWindow::RunTransfer() {
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    // An export offers the listed events, or the selected ones.
    TransferEvents events;
    const EventListModel& model = list_->Model();
    for (int row = 0; row < model.rowCount(); ++row)
        events.all.push_back(model.RowAt(row).event.key);
    for (const EventRecord& e : list_->SelectedEvents())
        events.selected.push_back(e.key);
    RunTransferWizard(context_, boxes_, this, events);
}

void MainWindow::AddHolidays() {
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    RunHolidayMerge(context_, boxes_, this);
}

} // namespace zm
