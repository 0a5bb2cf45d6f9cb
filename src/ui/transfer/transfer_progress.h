#pragma once
// The progress of an import or export: the wait cursor for the whole action, and a progress
// dialog once the action has taken longer than half a second. The file the action reads or
// writes tells how far it got; the store's notices keep the dialog alive meanwhile.

#include "store/io/store_file_system.h"
#include "store/store_change.h"

#include <QElapsedTimer>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

namespace zm {

class TransferProgress final : public StoreListener {
public:
    // Shows the wait cursor until destroyed.
    explicit TransferProgress(QWidget* owner,
                              std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~TransferProgress() override;
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

    // `done` of `total` bytes (total 0: unknown). Shows the dialog once the delay has passed.
    void Step(uint64_t done, uint64_t total);
    void OnStoreChange(const StoreChange&) override { Step(done_, total_); }
    // Whether the dialog has been shown.
    bool Shown() const { return shown_; }

private:
    QWidget* owner_;
    std::chrono::milliseconds delay_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
    uint64_t done_ = 0;
    uint64_t total_ = 0;
    bool shown_ = false;
};

// The files of an action, each read and write told to the progress.
class ProgressFiles final : public StoreFileSystem {
public:
    ProgressFiles(StoreFileSystem& files, TransferProgress& progress)
        : files_(files), progress_(progress) {}
    std::unique_ptr<File> Open(const std::string& path, FileMode mode,
                               FileFailure& failure) override;
    bool IsFolder(const std::string& path) override { return files_.IsFolder(path); }
    int CreateFolder(const std::string& path) override { return files_.CreateFolder(path); }
    int MoveNoReplace(const std::string& from, const std::string& to) override {
        return files_.MoveNoReplace(from, to);
    }
    int MoveReplacing(const std::string& from, const std::string& to) override {
        return files_.MoveReplacing(from, to);
    }
    int Remove(const std::string& path) override { return files_.Remove(path); }
    int FlushFolder(const std::string& folder) override { return files_.FlushFolder(folder); }

private:
    StoreFileSystem& files_;
    TransferProgress& progress_;
};

} // namespace zm
