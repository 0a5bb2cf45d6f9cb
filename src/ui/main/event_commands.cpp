#include "ui/main/event_commands.h"

#include "list/delete_question.h"
#include "list/list_inclusion.h"
#include "list/paste_rule.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/list/clipboard_data.h"
#include "ui/list/event_list_view.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <vector>

namespace zm {
namespace {

// The list's drawing held while a loop changes many rows, and a wait cursor.
class HeldDrawing {
public:
    explicit HeldDrawing(QWidget& widget) : widget_(widget) {
        widget_.setUpdatesEnabled(false);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~HeldDrawing() {
        QGuiApplication::restoreOverrideCursor();
        widget_.setUpdatesEnabled(true);
    }
    HeldDrawing(const HeldDrawing&) = delete;
    HeldDrawing& operator=(const HeldDrawing&) = delete;

private:
    QWidget& widget_;
};

} // namespace

std::vector<EventRecord> EventListSelection::SelectedEvents() const {
    return list_.SelectedEvents();
}

std::optional<EventRecord> EventListSelection::FocusedSelectedEvent() const {
    return list_.FocusedSelectedEvent();
}

const ListViewState& EventListSelection::View() const {
    return list_.View();
}

int EventListSelection::DropExcludedRows() {
    return list_.DropExcludedRows();
}

QWidget& EventListSelection::Widget() {
    return *list_.viewport();
}

void EventCommands::Delete() {
    const std::vector<EventRecord> selected = list_.SelectedEvents();
    if (selected.empty()) return boxes_.Beep();
    const QString question =
        QString::fromStdString(DeleteQuestion(selected.size(), selected.front().name));
    if (!boxes_.AskYesNo(owner_, question, BoxIcon::Warning)) return;
    HeldDrawing held(list_.Widget());
    for (const EventRecord& e : selected) {
        const LibraryResult rc = context_.store.RemoveEvent(e.key, e.id);
        if (rc != LibraryResult::Ok) return boxes_.ReportLibraryError(owner_, rc);
    }
}

void EventCommands::SetDisabled(bool on) {
    std::vector<EventRecord> selected = list_.SelectedEvents();
    if (selected.empty()) return boxes_.Beep();
    {
        HeldDrawing held(list_.Widget());
        for (EventRecord& e : selected) {
            if (e.Has(kDisabled) == on) continue;
            const LibraryResult rc = context_.store.SetDisabled(e, on);
            if (rc != LibraryResult::Ok) {
                boxes_.ReportLibraryError(owner_, rc);
                break;
            }
        }
    }
    list_.DropExcludedRows();
    list_.Widget().update();
}

void EventCommands::Accept() {
    const std::optional<EventRecord> e = list_.FocusedSelectedEvent();
    if (!e) return boxes_.Beep();
    // As the reminder window's Accept: its window closes and the pending entry follows.
    const LibraryResult rc = context_.store.AcceptListed(e->key, e->id);
    if (rc != LibraryResult::Ok) boxes_.ReportLibraryError(owner_, rc);
}

void EventCommands::WakeUp() {
    const std::optional<EventRecord> e = list_.FocusedSelectedEvent();
    if (!e) return boxes_.Beep();
    const LibraryResult rc = context_.store.UnsnoozeStored(e->key, e->id);
    if (rc != LibraryResult::Ok) boxes_.ReportLibraryError(owner_, rc);
}

void EventCommands::ChangeType(int typeIndex) {
    const EventType* type = context_.types.TypeAt(typeIndex);
    if (!type) return;
    std::vector<EventRecord> selected = list_.SelectedEvents();
    if (selected.empty()) return boxes_.Beep();
    const std::string name = type->name;
    if (!boxes_.AskYesNo(owner_, QString::fromUtf8(FormatText(IDS_ASK_CHANGE_TYPE, {name})),
                         BoxIcon::Question))
        return;
    {
        HeldDrawing held(list_.Widget());
        for (EventRecord& e : selected) {
            const LibraryResult rc = context_.store.ChangeType(e, typeIndex, name);
            if (rc != LibraryResult::Ok) {
                boxes_.ReportLibraryError(owner_, rc);
                break;
            }
        }
    }
    if (list_.DropExcludedRows() > 0)
        boxes_.Tell(owner_, Text(IDS_FILTER_HIDES_SOME), BoxIcon::Information);
}

void EventCommands::Purge() {
    if (!boxes_.AskYesNo(owner_, Text(IDS_ASK_DELETE_ACCEPTED), BoxIcon::Warning)) return;
    LibraryResult rc;
    {
        HeldDrawing held(list_.Widget());
        // Through the store's deletion that closes each event's reminder window.
        rc = context_.store.DeleteAccepted();
    }
    if (rc != LibraryResult::Ok) boxes_.ReportLibraryError(owner_, rc);
}

void EventCommands::Copy() {
    const std::vector<EventRecord> selected = list_.SelectedEvents();
    if (selected.empty()) return boxes_.Beep();
    QApplication::clipboard()->setMimeData(MakeClipboardData(selected, list_.View(), context_));
}

void EventCommands::Paste() {
    ReadResult<std::vector<EventRecord>> read =
        ClipboardEvents(QApplication::clipboard()->mimeData());
    if (!read.Ok()) return boxes_.ReportLibraryError(owner_, read.Code());
    std::vector<EventRecord> events = std::move(read).Value();
    const DateTime now = context_.store.Now();
    const ListViewState& view = list_.View();
    const ListFilter filter = ListFilter::FromTypes(context_.types, view.filterActive);
    bool hidden = false;
    {
        HeldDrawing held(list_.Widget());
        for (EventRecord& e : events) {
            PreparePastedEvent(e, context_.types, view, now, context_.store.Week());
            const LibraryResult rc = context_.store.StoreNew(e);
            if (rc != LibraryResult::Ok) return boxes_.ReportLibraryError(owner_, rc);
            hidden = hidden || !filter.Passes(e);
        }
    }
    // Pasted events the active filter hides are not listed: the user is told so.
    if (hidden && !view.searching)
        boxes_.Tell(owner_, Text(IDS_FILTER_HIDES_SOME), BoxIcon::Information);
}

} // namespace zm
