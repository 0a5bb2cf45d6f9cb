#include "shell/stand_in_reminders.h"

#include "res/strings.h"
#include "store/event_store.h"

#include <QApplication>
#include <QMessageBox>

namespace zm {

PresentResult StandInReminders::Present(const EventRecord& event) {
    if (IsOpen(event.key)) {
        open_[event.key]->raise();
        return PresentResult::Shown;
    }
    auto* box =
        new QMessageBox(QMessageBox::Information, QString::fromUtf8(LoadString(IDS_APP_TITLE)),
                        QString::fromStdString(event.name), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setModal(false);
    const uint16_t key = event.key;
    QObject::connect(box, &QMessageBox::finished, box, [this, key] {
        open_.erase(key);
        (void)store_.AcceptStored(key);
    });
    open_[key] = box;
    box->show();
    QApplication::beep();
    return PresentResult::Shown;
}

bool StandInReminders::IsOpen(uint16_t key) const {
    const auto it = open_.find(key);
    return it != open_.end() && it->second;
}

void StandInReminders::CloseAll() {
    for (auto& [key, box] : open_)
        if (box) box->deleteLater();
    open_.clear();
}

} // namespace zm
