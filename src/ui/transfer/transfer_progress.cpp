#include "ui/transfer/transfer_progress.h"

#include <QApplication>
#include <QCursor>
#include <QProgressDialog>
#include <algorithm>

namespace zm {

namespace {

constexpr int kScale = 1000;

// A file whose reads and writes move the progress; a read file tells its length as the total.
class ProgressFile final : public File {
public:
    ProgressFile(std::unique_ptr<File> file, TransferProgress& progress, bool reading)
        : file_(std::move(file)), progress_(progress), reading_(reading) {}
    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override {
        const LibraryResult r = file_->ReadAt(offset, data, size);
        progress_.Step(offset + size, total_);
        return r;
    }
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override {
        const LibraryResult r = file_->WriteAt(offset, data, size);
        progress_.Step(offset + size, 0);
        return r;
    }
    LibraryResult Size(uint64_t& size) override {
        const LibraryResult r = file_->Size(size);
        if (r == LibraryResult::Ok && reading_) total_ = size;
        return r;
    }
    LibraryResult Flush() override { return file_->Flush(); }

private:
    std::unique_ptr<File> file_;
    TransferProgress& progress_;
    bool reading_;
    uint64_t total_ = 0;
};

} // namespace

TransferProgress::TransferProgress(QWidget* owner, std::chrono::milliseconds delay)
    : owner_(owner), delay_(delay) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clock_.start();
}

TransferProgress::~TransferProgress() {
    dialog_.reset();
    QApplication::restoreOverrideCursor();
}

void TransferProgress::Step(uint64_t done, uint64_t total) {
    done_ = done;
    total_ = total;
    if (!dialog_) {
        if (clock_.elapsed() < delay_.count()) return;
        dialog_ = std::make_unique<QProgressDialog>(owner_);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setCancelButton(nullptr);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
        shown_ = true;
    }
    if (total > 0) {
        dialog_->setRange(0, kScale);
        dialog_->setValue(static_cast<int>(std::min<uint64_t>(done, total) * kScale / total));
    } else {
        dialog_->setRange(0, 0);
    }
    // The dialog is drawn; the user's input waits until the action is done.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::unique_ptr<File> ProgressFiles::Open(const std::string& path, FileMode mode,
                                          FileFailure& failure) {
    std::unique_ptr<File> file = files_.Open(path, mode, failure);
    if (!file) return nullptr;
    return std::make_unique<ProgressFile>(std::move(file), progress_, mode == FileMode::ReadOnly);
}

} // namespace zm
