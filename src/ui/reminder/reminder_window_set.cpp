#include "ui/reminder/reminder_window_set.h"

#include "res/strings.h"
#include "store/store_messages.h"
#include "store/store_scopes.h"

#include <QDialog>
#include <QFontDatabase>

namespace zm {

ReminderWindowSet::ReminderWindowSet(ReminderEnvironment environment, QObject* parent)
    : QObject(parent), env_(std::move(environment)) {
    env_.store.AddListener(*this);
}

const QFont& ReminderWindowSet::CaptionFont() const {
    if (!captionFont_) captionFont_ = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    return *captionFont_;
}

ReminderWindowSet::~ReminderWindowSet() {
    env_.store.RemoveListener(*this);
    CloseAll();
}

std::vector<ReminderWindow*> ReminderWindowSet::Windows() const {
    std::vector<ReminderWindow*> open;
    for (const QPointer<ReminderWindow>& w : windows_)
        if (w) open.push_back(w.data());
    return open;
}

ReminderWindow* ReminderWindowSet::WindowOf(uint16_t key) const {
    for (ReminderWindow* w : Windows())
        if (w->Key() == key) return w;
    return nullptr;
}

PresentResult ReminderWindowSet::Present(const EventRecord& event) {
    if (ReminderWindow* open = WindowOf(event.key)) {
        open->BringToTop();
        return PresentResult::Shown;
    }
    const ReminderCreationScope creation(env_.store);
    if (creation.Nested()) return PresentResult::CreationInProgress;

    auto* window = new ReminderWindow(*this, event, ReminderWindow::Mode::Reminder);
    window->winId(); // creates the native window
    if (!window->windowHandle()) {
        delete window;
        return PresentResult::Failed;
    }
    const QSize size = window->OpenSize();
    const Point at =
        placement_.Place(Size{size.width(), size.height()}, PrimaryWorkArea(env_.workArea),
                         env_.settings.centerReminders);
    window->move(at.x, at.y);
    windows_.emplace_back(window);
    connect(window, &QObject::destroyed, this, [this] {
        if (windowClosed) windowClosed();
    });
    window->Refresh();
    window->show();
    window->StartSound();
    return PresentResult::Shown;
}

bool ReminderWindowSet::IsOpen(uint16_t key) const {
    return WindowOf(key) != nullptr;
}

LibraryResult ReminderWindowSet::CloseWindowsWhoseTimeIsOver() {
    LibraryResult first = LibraryResult::Ok;
    const DateTime now = env_.store.Now();
    for (ReminderWindow* w : Windows()) {
        const LibraryResult rc = w->AcceptIfTimeIsOver(now);
        if (rc != LibraryResult::Ok && first == LibraryResult::Ok) first = rc;
    }
    return first;
}

void ReminderWindowSet::StopSoundRepetition() {
    for (ReminderWindow* w : Windows())
        w->StopSoundRepetition();
}

void ReminderWindowSet::SetProgramDialog(ProgramDialog dialog, uint16_t editorKey) {
    gate_.dialog = dialog;
    gate_.editorKey = dialog == ProgramDialog::EventEditor ? editorKey : 0;
    RefreshAll();
}

void ReminderWindowSet::RelayoutTitles() {
    for (ReminderWindow* w : Windows())
        w->RelayoutTitle();
}

void ReminderWindowSet::CloseAll() {
    env_.boxes.CloseOpenBoxes();
    for (ReminderWindow* w : Windows())
        w->Dismiss();
    windows_.clear();
    if (preview_) preview_->Dismiss();
}

ReminderWindow* ReminderWindowSet::ShowSizePreview(const EventRecord& event,
                                                   ReminderWindow::PreviewDone done,
                                                   QWidget* owner) {
    if (preview_) preview_->Dismiss();
    auto* window =
        new ReminderWindow(*this, event, ReminderWindow::Mode::SizePreview, std::move(done));
    preview_ = window;
    if (owner) {
        window->setParent(owner, window->windowFlags());
        if (auto* dialog = qobject_cast<QDialog*>(owner))
            QObject::connect(dialog, &QDialog::finished, window, [window] { window->Dismiss(); });
    }
    const Rect work = PrimaryWorkArea(env_.workArea);
    const QSize size = window->OpenSize();
    window->move(work.x + (work.width - size.width()) / 2,
                 work.y + (work.height - size.height()) / 2);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ReminderWindowSet::BoxScope::BoxScope(ReminderWindowSet& set) : set_(&set) {
    ++set.gate_.openBoxes;
    set.RefreshAll();
}

ReminderWindowSet::BoxScope::~BoxScope() {
    if (!set_) return;
    --set_->gate_.openBoxes;
    set_->RefreshAll();
}

void ReminderWindowSet::RunBox(const std::function<void()>& box) {
    const BoxScope scope(*this);
    box();
}

void ReminderWindowSet::Warn(QWidget* owner, int message) {
    env_.sound.PlaySystemSound(SystemSound::Exclamation);
    RunBox([&] { env_.boxes.Warn(owner, QString::fromUtf8(LoadString(message))); });
}

bool ReminderWindowSet::AskYesNo(QWidget* owner, int message) {
    return AskYesNo(owner, LoadString(message));
}

bool ReminderWindowSet::AskYesNo(QWidget* owner, const std::string& question) {
    bool yes = false;
    env_.sound.PlaySystemSound(SystemSound::Exclamation);
    RunBox([&] { yes = env_.boxes.AskYesNo(owner, QString::fromStdString(question)); });
    return yes;
}

void ReminderWindowSet::ReportError(QWidget* owner, LibraryResult code) {
    const std::optional<LibraryErrorBox> box = ReportLibraryError(code);
    if (!box) return;
    if (box->sound == ResultSound::Beep) env_.sound.PlaySystemSound(SystemSound::DefaultBeep);
    if (box->sound == ResultSound::Stop) env_.sound.PlaySystemSound(SystemSound::Error);
    RunBox([&] { env_.boxes.ShowError(owner, QString::fromStdString(box->text)); });
}

void ReminderWindowSet::Finish(ReminderWindow* window) {
    const uint16_t key = window->Key();
    if (window == preview_) preview_ = nullptr;
    std::erase_if(windows_,
                  [window](const QPointer<ReminderWindow>& w) { return !w || w.data() == window; });
    window->Dismiss();
    // Another reminder comes forward, so the user sees what is still waiting.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (*it && (*it)->Key() != key) {
            (*it)->BringToTop();
            break;
        }
    }
}

void ReminderWindowSet::RefreshAll() {
    for (ReminderWindow* w : Windows())
        w->Refresh();
    if (preview_) preview_->Refresh();
}

void ReminderWindowSet::OnStoreChange(const StoreChange& change) {
    for (ReminderWindow* w : Windows())
        w->OnStoreChange(change);
}

} // namespace zm
