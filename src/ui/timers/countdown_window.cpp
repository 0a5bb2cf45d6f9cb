#include "ui/timers/countdown_window.h"

#include "res/strings.h"
#include "timers/countdown_sound.h"
#include "timers/timer_display.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/sound/qt_sound_timer.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>

namespace zm {
namespace {

// The display area: both displays inside a double dark-grey frame.
const QRect kDisplayArea(1, 2, 90, 50);
const QColor kFrameGrey(128, 128, 128);
const QColor kDisplayGround(36, 36, 36);
const SegmentColours kRemainingColours{{36, 36, 36}, {255, 0, 0}, {255, 128, 128}};

constexpr SetupField kFields[] = {SetupField::Hours, SetupField::Minutes, SetupField::Seconds};

} // namespace

CountdownWindow::CountdownWindow(TimerEnvironment& env)
    : TimerWindowBase(env.boxes, kCountdownWindowSize), env_(env), countdown_(env.ticks),
      duration_(new SegmentDisplay(this)), remaining_(new SegmentDisplay(this)),
      setup_(new ImageButton(TimerImage::Setup, Text(IDS_TIP_SETUP), this)),
      ok_(new ImageButton(TimerImage::Ok, Text(IDS_OK), this)),
      cancel_(new ImageButton(TimerImage::Cancel, Text(IDS_CANCEL), this)),
      setupPanel_(new QWidget(this)) {
    setWindowTitle(Text(IDS_COUNTDOWN_NAME));
    duration_->setGeometry(3, 4, 86, 23);
    duration_->setToolTip(Text(IDS_TIP_COUNTDOWN_TIME));
    duration_->setAccessibleName(Text(IDS_TIP_COUNTDOWN_TIME));
    remaining_->setGeometry(3, 27, 86, 23);
    remaining_->setToolTip(Text(IDS_TIP_COUNTDOWN_REMAINING));
    remaining_->setAccessibleName(Text(IDS_COUNTDOWN_NAME));
    remaining_->SetColours(kRemainingColours);
    StartButton().setGeometry(94, 2, 38, 12);
    StopButton().setGeometry(94, 15, 38, 12);
    ResetButton().setGeometry(94, 28, 38, 12);
    setup_->setGeometry(94, 41, 38, 12);
    setup_->setAccessibleName(Text(IDS_COUNTDOWN_SETUP_BUTTON));
    ok_->setGeometry(94, 2, 38, 12);
    cancel_->setGeometry(94, 15, 38, 12);
    connect(setup_, &QAbstractButton::clicked, this, &CountdownWindow::ShowSetup);
    connect(ok_, &QAbstractButton::clicked, this, &CountdownWindow::ApplySetup);
    connect(cancel_, &QAbstractButton::clicked, this, &CountdownWindow::CancelSetup);

    // The setup panel: the hint above, "H:", "M:" and "S:" with their edits below.
    setupPanel_->setGeometry(1, 2, 91, 57);
    QFont small = font();
    small.setPointSizeF(std::min(small.pointSizeF(), 7.0));
    setupPanel_->setFont(small);
    auto* grid = new QGridLayout(setupPanel_);
    grid->setContentsMargins(2, 0, 2, 2);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    auto* hint = new QLabel(Text(IDS_COUNTDOWN_SETUP_HINT), setupPanel_);
    grid->addWidget(hint, 0, 0, 1, 6);
    const int labels[] = {IDS_COUNTDOWN_HOURS, IDS_COUNTDOWN_MINUTES, IDS_COUNTDOWN_SECONDS};
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(setupPanel_);
        edit->setMaxLength(kSetupFieldLength);
        edit->setFixedWidth(16);
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid gray; padding: 0px; }"));
        edit->setAlignment(Qt::AlignRight);
        edit->setCursor(Qt::IBeamCursor);
        const SetupField field = kFields[i];
        connect(edit, &QLineEdit::editingFinished, this, [edit, field] {
            edit->setText(QString::number(ClampSetupField(field, edit->text().toStdString())));
        });
        auto* label = new QLabel(Text(labels[i]), setupPanel_);
        label->setBuddy(edit);
        grid->addWidget(label, 1, i * 2, Qt::AlignRight);
        grid->addWidget(edit, 1, i * 2 + 1);
        edits_[i] = edit;
    }
    SetSetupShown(false);
    ShowTime();
}

CountdownWindow::~CountdownWindow() {
    if (player_) player_->Stop();
}

QLineEdit& CountdownWindow::SetupEdit(SetupField field) {
    return *edits_[static_cast<int>(field)];
}

void CountdownWindow::ShowTime() {
    // Whole seconds only: the displays and their values change at most once a second.
    const auto show = [](SegmentDisplay& display, int64_t seconds) {
        const QString text = QString::fromStdString(CountdownText(seconds));
        display.SetText(text);
        display.SetValue(text, static_cast<double>(seconds));
    };
    show(*duration_, countdown_.DurationSeconds());
    show(*remaining_, countdown_.RemainingSeconds());
}

void CountdownWindow::Ticked() {
    if (!countdown_.Ended()) return;
    Stop();
    Finish();
}

void CountdownWindow::Finish() {
    if (const auto request = CountdownSoundRequest(env_.settings)) {
        if (!player_) {
            player_ = std::make_unique<SoundPlayer>(env_.sound, std::make_unique<QtSoundTimer>());
        }
        player_->Play(*request);
    }
    const QString text = Text(IDS_COUNTDOWN_FINISHED_AT) +
                         QString::fromStdString(env_.formats.FormatShortTime(env_.now()));
    QPointer<CountdownWindow> alive(this);
    inFinishBox_ = true;
    env_.boxes.Tell(this, text, BoxIcon::Information);
    if (!alive) return;
    inFinishBox_ = false;
    if (player_) player_->Stop();
    if (closePending_) close();
}

void CountdownWindow::CloseAfterFinishBox() {
    closePending_ = true;
    hide();
}

void CountdownWindow::SetSetupShown(bool shown) {
    setupShown_ = shown;
    for (QWidget* w : {static_cast<QWidget*>(duration_), static_cast<QWidget*>(remaining_),
                       static_cast<QWidget*>(&StartButton()), static_cast<QWidget*>(&StopButton()),
                       static_cast<QWidget*>(&ResetButton()), static_cast<QWidget*>(setup_)}) {
        w->setVisible(!shown);
    }
    setupPanel_->setVisible(shown);
    ok_->setVisible(shown);
    cancel_->setVisible(shown);
    update();
}

void CountdownWindow::ShowSetup() {
    if (setupShown_) return;
    const DurationParts parts = SplitSeconds(countdown_.DurationSeconds());
    edits_[0]->setText(QString::number(parts.hours));
    edits_[1]->setText(QString::number(parts.minutes));
    edits_[2]->setText(QString::number(parts.seconds));
    SetSetupShown(true);
    edits_[0]->setFocus();
    edits_[0]->selectAll();
}

void CountdownWindow::ApplySetup() {
    if (!setupShown_) return;
    const int seconds =
        SetupDuration(edits_[0]->text().toStdString(), edits_[1]->text().toStdString(),
                      edits_[2]->text().toStdString());
    SetSetupShown(false);
    if (countdown_.Run().Started()) Stop();
    countdown_.ApplySetup(seconds);
    ShowTime();
    StartButton().setFocus();
}

void CountdownWindow::CancelSetup() {
    if (!setupShown_) return;
    SetSetupShown(false);
    setup_->setFocus();
}

std::unique_ptr<QMenu> CountdownWindow::ContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    if (setupShown_) {
        OnChosen(menu->addAction(TimerImageIcon(TimerImage::Ok), Text(IDS_TIMER_MENU_OK)), this,
                 [this] { ApplySetup(); });
        OnChosen(menu->addAction(TimerImageIcon(TimerImage::Cancel), Text(IDS_TIMER_MENU_CANCEL)),
                 this, [this] { CancelSetup(); });
    } else {
        AddRunActions(*menu);
        menu->addSeparator();
        OnChosen(menu->addAction(TimerImageIcon(TimerImage::Setup), Text(IDS_TIMER_MENU_SETUP)),
                 this, [this] { ShowSetup(); });
    }
    menu->addSeparator();
    AddCloseAction(*menu);
    return menu;
}

void CountdownWindow::paintEvent(QPaintEvent*) {
    if (setupShown_) return;
    QPainter p(this);
    p.fillRect(kDisplayArea, kDisplayGround);
    p.setPen(kFrameGrey);
    p.drawRect(kDisplayArea.adjusted(0, 0, -1, -1));
    p.drawRect(kDisplayArea.adjusted(1, 1, -2, -2));
}

void CountdownWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ApplySetup();
        return;
    case Qt::Key_Escape:
        CancelSetup();
        return;
    default:
        TimerWindowBase::keyPressEvent(event);
    }
}

} // namespace zm
