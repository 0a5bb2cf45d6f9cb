#include "ui/reminder/reminder_window.h"

#include "list/delete_question.h"
#include "model/amount_choices.h"
#include "model/describe.h"
#include "platform/memory_trim.h"
#include "platform/window_size.h"
#include "reminder/reminder_commands.h"
#include "reminder/reminder_size.h"
#include "reminder/snooze_check.h"
#include "res/strings.h"
#include "sound/sound_setting.h"
#include "ui/reminder/caption_bar.h"
#include "ui/reminder/reminder_accessible.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/reminder/snooze_label.h"
#include "ui/sound/qt_sound_timer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace zm {

namespace {

constexpr int kFrame = 4;
constexpr int kGrip = 8;

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QRect ToQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

// The dialog base units of a font: the average width of the letters and the line height.
ReminderMetrics MetricsOf(const QFont& font, int captionHeight) {
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    ReminderMetrics m;
    m.baseWidth = std::max(4, (letters / 26 + 1) / 2);
    // The template was drawn for a narrower font: widen the units until the snooze label's
    // text fits its 128 units.
    const int label = fm.horizontalAdvance(
        QString::fromUtf8(LoadString(IDS_REMINDER_SNOOZE_LABEL)).remove(QLatin1Char('&')));
    m.baseWidth = std::max(m.baseWidth, (4 * (label + 6) + 127) / 128);
    m.baseHeight = std::max(8, fm.height());
    m.frame = kFrame;
    m.caption = captionHeight;
    return m;
}

} // namespace

class ReminderWindow::ActionScope {
public:
    explicit ActionScope(ReminderWindow& w) : w_(w) { w_.life_.BeginAction(); }
    ~ActionScope() {
        if (w_.life_.EndAction()) w_.set_.Finish(&w_);
    }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    ReminderWindow& w_;
};

ReminderWindow::ReminderWindow(ReminderWindowSet& set, const EventRecord& event, Mode mode,
                               PreviewDone previewDone)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), set_(set), role_(RoleOf(mode)),
      previewDone_(std::move(previewDone)) {
    const ReminderEnvironment& env = set.Environment();
    const DateTime now = env.store.Now();
    content_ = role_.announces ? ReminderContentFor(event, now, env.store.Week(), env.formats,
                                                    env.settings.rememberSnooze)
                               : PreviewContentFor(event, now, env.formats);
    setObjectName(QStringLiteral("ReminderWindow"));
    setMouseTracking(true);
    InstallReminderAccessibility();

    BuildControls();
    ApplyLook(event);
    BuildMenu(event);

    const Rect work = PrimaryWorkArea(env.workArea);
    const Size open = ReminderOpenSize(event, base_.minimum, Size{work.width, work.height});
    openSize_ = QSize(open.width, open.height);
    setMinimumSize(base_.minimum.width, base_.minimum.height);
    resize(openSize_);
    if (role_.announces && env.settings.reminderOnTop) SetTopMost(true);

    player_ = std::make_unique<SoundPlayer>(env.sound, std::make_unique<QtSoundTimer>());
    Refresh();
}

ReminderWindow::~ReminderWindow() {
    player_.reset();
    ReleaseFreeMemory();
}

void ReminderWindow::BuildControls() {
    caption_ = new CaptionBar(set_.CaptionFont(), this);
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    name_->setFrame(false);
    nameSeparator_ = new QFrame(this);
    nameSeparator_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    notes_ = new QPlainTextEdit(this);
    notes_->setReadOnly(true);
    snoozeSeparator_ = new QFrame(this);
    snoozeSeparator_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    label_ = new SnoozeLabel(Text(IDS_REMINDER_SNOOZE_LABEL), this);
    amount_ = new QComboBox(this);
    amount_->setEditable(true);
    amount_->setInsertPolicy(QComboBox::NoInsert);
    label_->setBuddy(amount_);
    beforeStart_ = new QCheckBox(Text(IDS_REMINDER_BEFORE_START_BOX), this);
    snooze_ = new QPushButton(Text(IDS_REMINDER_SNOOZE), this);
    accept_ = new QPushButton(Text(role_.firstButtonText), this);
    open_ = new QPushButton(Text(IDS_REMINDER_OPEN), this);
    remove_ = new QPushButton(Text(IDS_REMINDER_DELETE), this);
    for (QPushButton* b : {snooze_, accept_, open_, remove_})
        b->setAutoDefault(false);

    // The tab order of the template.
    setTabOrder(name_, notes_);
    setTabOrder(notes_, label_);
    setTabOrder(label_, amount_);
    setTabOrder(amount_, beforeStart_);
    setTabOrder(beforeStart_, snooze_);
    setTabOrder(snooze_, accept_);
    setTabOrder(accept_, open_);
    setTabOrder(open_, remove_);

    connect(accept_, &QPushButton::clicked, this, &ReminderWindow::AcceptClicked);
    connect(snooze_, &QPushButton::clicked, this, &ReminderWindow::SnoozeClicked);
    connect(open_, &QPushButton::clicked, this, &ReminderWindow::OpenClicked);
    connect(remove_, &QPushButton::clicked, this, &ReminderWindow::DeleteClicked);
    connect(caption_, &CaptionBar::buttonClicked, this,
            [this](CaptionBar::Button b) { CaptionButton(static_cast<int>(b)); });
    connect(caption_, &CaptionBar::doubleClicked, this,
            [this] { RunCommand(kCommandCollapseExpand); });
    connect(caption_, &CaptionBar::menuRequested, this, [this](QPoint at) { menu_->popup(at); });
}

void ReminderWindow::ApplyTypeLook(int typeIndex) {
    const ReminderEnvironment& env = set_.Environment();
    const EventType* type = env.types.TypeAt(typeIndex);

    colours_ = ReminderColoursFor(type, QApplication::palette());
    const QPalette system = QApplication::palette();
    setPalette(ReminderPalette(colours_, system));
    for (QWidget* control :
         std::initializer_list<QWidget*>{snooze_, accept_, open_, remove_, amount_})
        control->setPalette(ReminderSystemPalette(system));
    beforeStart_->setPalette(ReminderCheckBoxPalette(colours_, system));
    setAutoFillBackground(true);
    caption_->SetColours(colours_.text, colours_.back, colours_.light, colours_.dark);

    const QIcon icon = ReminderIcon(env.types, typeIndex);
    setWindowIcon(icon);
    caption_->SetIcon(icon);

    const std::optional<QFont> typeFont = ReminderTypeFont(type, font());
    QFont nameFont = typeFont.value_or(font());
    nameFont.setBold(true);
    name_->setFont(nameFont);
    notes_->setFont(typeFont.value_or(font()));

    metrics_ = MetricsOf(font(), caption_->BarHeight());
    if (typeFont) metrics_.typeNameHeight = QFontMetrics(nameFont).height();
    base_ = BaseReminderLayout(metrics_);
}

void ReminderWindow::ApplyLook(const EventRecord& event) {
    const ReminderEnvironment& env = set_.Environment();
    typeName_ = event.typeName;
    eventName_ = event.name;
    const int typeIndex =
        event.typeIndex >= 0 ? event.typeIndex : env.types.FindType(event.typeName);
    ApplyTypeLook(typeIndex);
    caption_->SetRecurring(content_.recurring);
    caption_->SetCentred(env.settings.centerReminderTitle);
    caption_->SetRightToLeft(env.rightToLeft);
    caption_->SetText(Q(content_.caption));
    setWindowTitle(Q(content_.caption));

    name_->setText(Q(content_.nameLine));
    name_->setCursorPosition(0);
    notes_->setPlainText(Q(content_.notes));
    if (env.rightToLeft) {
        setLayoutDirection(Qt::RightToLeft);
        name_->setAlignment(Qt::AlignRight);
    }

    for (TimeAmount a : AmountChoices(false))
        amount_->addItem(Q(DescribeAmount(a)));
    const int offered = FindAmountChoice(content_.offeredSnooze, false);
    amount_->setCurrentIndex(offered);
    if (offered < 0) amount_->setEditText(Q(DescribeAmount(content_.offeredSnooze)));

    // The sound: the event's own, or its type's.
    const SoundSetting typeSound{env.types.TypeSound(typeIndex),
                                 env.types.TypeSoundPause(typeIndex),
                                 env.types.TypeSoundFile(typeIndex)};
    const SoundSetting sound = ReminderSoundOf(event, typeSound);
    sound_ = role_.announces ? RequestFor(sound) : std::nullopt;
    soundRepeats_ = KindOf(sound.sound) != SoundKind::None && RepeatsIn(sound.sound);
}

void ReminderWindow::BuildMenu(const EventRecord&) {
    menu_ = new QMenu(this);
    const auto add = [this](int text, int id, bool checkable) {
        QAction* a = menu_->addAction(Text(text));
        a->setData(id);
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, [this, id] { RunCommand(id); });
        return a;
    };
    if (soundRepeats_) {
        stopSound_ = add(IDS_REMINDER_STOP_SOUND, kCommandStopSound, false);
        stopSound_->setEnabled(set_.Environment().settings.reminderSound);
        menu_->addSeparator();
    }
    collapse_ = add(IDS_REMINDER_COLLAPSE_EXPAND, kCommandCollapseExpand, true);
    onTop_ = add(IDS_REMINDER_ALWAYS_ON_TOP_ITEM, kCommandAlwaysOnTop, true);
}

void ReminderWindow::ApplyLayout() {
    const Size size{width(), collapsed_ ? expandedHeight_ : height()};
    const ReminderLayout l = ResizedReminderLayout(base_, size);
    caption_->setGeometry(metrics_.frame, metrics_.frame, width() - 2 * metrics_.frame,
                          metrics_.caption);
    name_->setGeometry(ToQRect(l.name));
    nameSeparator_->setGeometry(ToQRect(l.nameSeparator));
    notes_->setGeometry(ToQRect(l.notes));
    snoozeSeparator_->setGeometry(ToQRect(l.snoozeSeparator));
    label_->setGeometry(ToQRect(l.snoozeLabel));
    amount_->setGeometry(ToQRect(l.amount));
    beforeStart_->setGeometry(ToQRect(l.beforeStart));
    snooze_->setGeometry(ToQRect(l.snooze));
    accept_->setGeometry(ToQRect(l.accept));
    open_->setGeometry(ToQRect(l.open));
    remove_->setGeometry(ToQRect(l.remove));
}

void ReminderWindow::Refresh() {
    const ReminderControls c =
        ControlsFor(set_.Gate(), Key(), content_.beforeStartAllowed, !role_.actsOnEvent);
    accept_->setEnabled(c.accept);
    snooze_->setEnabled(c.snooze);
    amount_->setEnabled(c.snooze);
    beforeStart_->setEnabled(c.beforeStart);
    if (!c.beforeStart && set_.Gate().openBoxes == 0 && !content_.beforeStartAllowed)
        beforeStart_->setChecked(false);
    open_->setEnabled(c.open);
    remove_->setEnabled(c.remove);
    name_->setEnabled(c.texts);
    notes_->setEnabled(c.texts);
    label_->setEnabled(c.texts);
    if (c.texts && isActiveWindow() && (!focusWidget() || !focusWidget()->isEnabled()))
        KeyCatcher()->setFocus();
}

void ReminderWindow::StartSound() {
    if (sound_ && set_.Environment().settings.reminderSound) player_->Play(*sound_);
}

void ReminderWindow::StopSoundRepetition() {
    player_->Stop();
    if (stopSound_) stopSound_->setEnabled(false);
}

void ReminderWindow::BringToTop() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void ReminderWindow::RelayoutTitle() {
    caption_->SetCentred(set_.Environment().settings.centerReminderTitle);
}

void ReminderWindow::OnStoreChange(const StoreChange& change) {
    if (!role_.announces) return;
    switch (life_.NoticeFor(change, Key())) {
    case ReminderNotice::Close:
        RequestClose();
        break;
    case ReminderNotice::Restyle:
        ApplyTypeLook(set_.Environment().types.FindType(typeName_));
        setMinimumSize(base_.minimum.width, base_.minimum.height);
        ApplyLayout();
        update();
        break;
    case ReminderNotice::FollowKey:
        content_.key = change.newKey;
        if (change.event) content_.id = change.event->id;
        break;
    case ReminderNotice::None:
        break;
    }
}

void ReminderWindow::RequestClose() {
    if (life_.AskClose()) set_.Finish(this);
}

LibraryResult ReminderWindow::AcceptIfTimeIsOver(DateTime now) {
    if (!life_.MayAct() || !role_.announces) return LibraryResult::Ok;
    if (!IsTimeOverAt(content_, now) || !MayCloseForTimeOver(set_.Gate(), Key()))
        return LibraryResult::Ok;
    ActionScope scope(*this);
    life_.BeginStoreCall();
    const LibraryResult rc =
        set_.Environment().store.AcceptStored(Key(), content_.id, false, content_.occurrence);
    life_.EndStoreCall(rc == LibraryResult::Ok);
    return rc;
}

void ReminderWindow::AcceptClicked() {
    // The one button a collapsed window still shows.
    if (!life_.MayAct()) return;
    if (!role_.actsOnEvent) return FinishPreview(CustomSize());
    ActionScope scope(*this);
    life_.BeginStoreCall();
    const LibraryResult rc =
        set_.Environment().store.AcceptStored(Key(), content_.id, false, content_.occurrence);
    life_.EndStoreCall(rc == LibraryResult::Ok);
    if (rc != LibraryResult::Ok)
        set_.ReportError(this, rc); // the window stays, so the reminder is not lost
}

void ReminderWindow::SnoozeClicked() {
    if (collapsed_ || !life_.MayAct()) return;
    if (!role_.actsOnEvent) return FinishPreview(CustomSize());
    ActionScope scope(*this);
    EventStore& store = set_.Environment().store;
    const SnoozeCheck check =
        CheckSnooze(amount_->currentIndex(), amount_->currentText().toStdString(),
                    beforeStart_->isChecked(), content_.occurrence, store.Now(), CustomSize());
    if (!check.Ok()) {
        set_.Warn(this, check.message);
        if (!life_.ClosePending()) amount_->setFocus();
        return;
    }
    amount_->setEditText(Q(check.boxText));
    Verdict verdict;
    life_.BeginStoreCall();
    const LibraryResult rc = store.SnoozeStored(Key(), content_.id, check.request, verdict);
    life_.EndStoreCall(rc == LibraryResult::Ok && verdict.Ok());
    if (rc != LibraryResult::Ok) {
        set_.ReportError(this, rc);
        return;
    }
    if (!verdict.Ok()) {
        set_.Warn(this, verdict.message);
        if (!life_.ClosePending()) amount_->setFocus();
        return;
    }
}

void ReminderWindow::OpenClicked() {
    if (collapsed_ || !life_.MayAct()) return;
    if (!role_.actsOnEvent) return FinishPreview(CustomSize());
    ActionScope scope(*this);
    const ReminderEnvironment& env = set_.Environment();
    ReadResult<EventRecord> read = env.store.ReadStored(Key());
    if (!read.Ok()) {
        set_.ReportError(this, read.Code());
        return;
    }
    EventRecord event = std::move(read).Value();
    KeepCustomSize(event, CustomSize());
    if (env.openEditor)
        env.openEditor(event, topMost_);
    else
        env.sound.PlaySystemSound(SystemSound::Exclamation);
}

void ReminderWindow::DeleteClicked() {
    if (collapsed_ || !life_.MayAct()) return;
    if (!role_.actsOnEvent) return FinishPreview(CustomSize());
    ActionScope scope(*this);
    // A recurring event asks its own question; a one-time event the list's.
    const bool yes = content_.recurring ? set_.AskYesNo(this, IDS_ASK_DELETE_RECURRING)
                                        : set_.AskYesNo(this, DeleteQuestion(1, eventName_));
    if (!yes) return;
    // Dealt with elsewhere, or the program ends.
    if (life_.ClosePending() || life_.Dismissed()) return;
    life_.BeginStoreCall();
    const LibraryResult rc = set_.Environment().store.DeleteStored(Key(), content_.id);
    life_.EndStoreCall(rc == LibraryResult::Ok);
    if (rc != LibraryResult::Ok) set_.ReportError(this, rc);
}

void ReminderWindow::FinishPreview(std::optional<uint32_t> customSize) {
    if (life_.Dismissed()) return;
    PreviewDone done = std::move(previewDone_);
    set_.Finish(this);
    if (done) done(customSize);
}

void ReminderWindow::CaptionButton(int button) {
    switch (static_cast<CaptionBar::Button>(button)) {
    case CaptionBar::Button::Minimise:
        if (role_.windowCommands) showMinimized();
        break;
    case CaptionBar::Button::Pin:
        RunCommand(kCommandAlwaysOnTop);
        break;
    case CaptionBar::Button::Collapse:
        RunCommand(kCommandCollapseExpand);
        break;
    case CaptionBar::Button::None:
        break;
    }
}

void ReminderWindow::RunCommand(int id) {
    const ReminderDispatch d = DispatchReminderCommand(id);
    switch (d.command) {
    case ReminderCommand::StopSound:
        StopSoundRepetition();
        break;
    case ReminderCommand::AlwaysOnTop:
        if (role_.windowCommands) SetTopMost(!topMost_);
        break;
    case ReminderCommand::CollapseExpand:
        if (role_.windowCommands) ToggleCollapsed();
        break;
    case ReminderCommand::Close:
        set_.Environment().sound.PlaySystemSound(SystemSound::DefaultBeep);
        break;
    case ReminderCommand::None:
        break; // a quick reminder's number never acts in a reminder window
    }
}

void ReminderWindow::SetTopMost(bool on) {
    topMost_ = on;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();
    caption_->SetPinned(on);
    if (onTop_) onTop_->setChecked(on);
}

void ReminderWindow::ToggleCollapsed() {
    collapsed_ = !collapsed_;
    const int collapsedHeight = CollapsedReminderHeight(base_, metrics_);
    if (collapsed_) {
        expandedHeight_ = height();
        setMinimumHeight(collapsedHeight);
        setMaximumHeight(collapsedHeight);
        resize(width(), collapsedHeight);
    } else {
        setMaximumHeight(QWIDGETSIZE_MAX);
        setMinimumHeight(base_.minimum.height);
        resize(width(), expandedHeight_);
    }
    // The caption and the name line swap texts: a collapsed window shows the name on top.
    const QString caption = Q(collapsed_ ? content_.nameLine : content_.caption);
    caption_->SetText(caption);
    setWindowTitle(caption);
    name_->setText(Q(collapsed_ ? content_.caption : content_.nameLine));
    name_->setCursorPosition(0);
    caption_->SetCollapsed(collapsed_);
    collapse_->setChecked(collapsed_);
    // A screen reader reads the swapped texts and the button's new name.
    for (QObject* renamed : std::initializer_list<QObject*>{caption_, name_}) {
        QAccessibleEvent event(renamed, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(caption_))
            if (QAccessibleInterface* button = bar->child(0)) {
                QAccessibleEvent event(button, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
    }
    // Only the caption, the name line and Accept show while collapsed: the other buttons do
    // nothing then, and the rest lies below the window's edge, where a screen reader must not
    // find it either. The focus goes where keys still do no harm.
    const bool hadFocus = focusWidget() && focusWidget() != name_ && focusWidget() != accept_;
    for (QWidget* part :
         std::initializer_list<QWidget*>{nameSeparator_, notes_, snoozeSeparator_, label_, amount_,
                                         beforeStart_, snooze_, open_, remove_})
        part->setVisible(!collapsed_);
    if ((hadFocus || focusWidget() == name_) && KeyCatcher()->isEnabled()) KeyCatcher()->setFocus();
    ApplyLayout();
    update();
}

QWidget* ReminderWindow::KeyCatcher() const {
    if (collapsed_) return name_;
    return label_;
}

std::optional<uint32_t> ReminderWindow::CustomSize() const {
    const QSize normal(width(), collapsed_ ? expandedHeight_ : height());
    return PackWindowSize(Size{normal.width(), normal.height()}, base_.minimum);
}

void ReminderWindow::Dismiss() {
    if (!life_.Dismiss()) return;
    player_->Stop();
    hide();
    deleteLater();
}

void ReminderWindow::closeEvent(QCloseEvent* event) {
    if (life_.Dismissed()) {
        event->accept();
        return;
    }
    event->ignore();
    if (role_.actsOnEvent)
        RunCommand(kCommandClose); // only beeps
    else
        FinishPreview(std::nullopt);
}

void ReminderWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colours_.back);
    // The sizing frame, raised: light at the top and left, dark at the bottom and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    for (int i = 0; i < 2; ++i) {
        const QRect f = r.adjusted(i, i, -i, -i);
        p.setPen(colours_.light);
        p.drawLine(f.topLeft(), f.topRight());
        p.drawLine(f.topLeft(), f.bottomLeft());
        p.setPen(colours_.dark);
        p.drawLine(f.bottomLeft(), f.bottomRight());
        p.drawLine(f.topRight(), f.bottomRight());
    }
    if (collapsed_) return;
    // The size grip: three diagonal ridges in the lower-right corner.
    const QPoint corner = rect().bottomRight() - QPoint(kFrame / 2, kFrame / 2);
    for (int i = 1; i <= 3; ++i) {
        const int d = i * 3;
        p.setPen(colours_.dark);
        p.drawLine(corner.x() - d, corner.y(), corner.x(), corner.y() - d);
        p.setPen(colours_.light);
        p.drawLine(corner.x() - d + 1, corner.y(), corner.x(), corner.y() - d + 1);
    }
}

void ReminderWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayout();
}

void ReminderWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    ApplyLayout();
    if (label_->isEnabled()) label_->setFocus();
}

Qt::Edges ReminderWindow::EdgesAt(QPoint p) const {
    if (collapsed_) return {};
    if (p.x() >= width() - kGrip && p.y() >= height() - kGrip)
        return Qt::RightEdge | Qt::BottomEdge;
    Qt::Edges edges;
    if (p.x() < kFrame) edges |= Qt::LeftEdge;
    if (p.x() >= width() - kFrame) edges |= Qt::RightEdge;
    if (p.y() < kFrame) edges |= Qt::TopEdge;
    if (p.y() >= height() - kFrame) edges |= Qt::BottomEdge;
    return edges;
}

void ReminderWindow::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = EdgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle()) {
        windowHandle()->startSystemResize(edges);
        return;
    }
    QWidget::mousePressEvent(event);
}

void ReminderWindow::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges e = EdgesAt(event->position().toPoint());
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (e == (Qt::RightEdge | Qt::BottomEdge) || e == (Qt::LeftEdge | Qt::TopEdge))
        shape = Qt::SizeFDiagCursor;
    else if (e == (Qt::RightEdge | Qt::TopEdge) || e == (Qt::LeftEdge | Qt::BottomEdge))
        shape = Qt::SizeBDiagCursor;
    else if (e & (Qt::LeftEdge | Qt::RightEdge))
        shape = Qt::SizeHorCursor;
    else if (e & (Qt::TopEdge | Qt::BottomEdge))
        shape = Qt::SizeVerCursor;
    setCursor(shape);
    QWidget::mouseMoveEvent(event);
}

} // namespace zm
