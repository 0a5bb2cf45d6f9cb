#pragma once
// The print preview: a window of its own that shows a print job's pages, one or two side by
// side, in three zoom steps, with a toolbar to page through them, print, customize the printing
// options and close. The rules live in PreviewState; the window only shows them.

#include "print/preview_state.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;

namespace zm {

class PreviewCanvas;
class PrintDocument;
class Settings;

class PrintPreviewWindow final : public QMainWindow {
    Q_OBJECT
public:
    // `layOut` begins the job: options, fonts and pages from the settings as they are now. It is
    // called once here and again after the printing options were customized.
    PrintPreviewWindow(Settings& settings, std::function<std::unique_ptr<PrintDocument>()> layOut,
                       QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    // Called after the preview closed itself on "Print", to start the print job.
    std::function<void()> print;
    // Shows the Printing page of the preferences alone; true when the user chose OK.
    std::function<bool(QWidget* parent)> customize;

    const PreviewState& State() const { return state_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void ZoomInAt(int sheet, QPointF where, QPoint point);
    void Print();
    void Customize();
    void Change(void (PreviewState::*step)());
    void Refresh();
    void LayOutSheets();

    Settings& settings_;
    std::function<std::unique_ptr<PrintDocument>()> layOut_;
    std::unique_ptr<PrintDocument> document_;
    PreviewState state_;
    QScrollArea* scroll_ = nullptr;
    PreviewCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QAction* print_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* pageCount_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* close_ = nullptr;
    QAction* customize_ = nullptr;
};

} // namespace zm
