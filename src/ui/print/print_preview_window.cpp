#include "ui/print/print_preview_window.h"

#include "platform/setting_table.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/print/preview_canvas.h"
#include "ui/print/preview_icons.h"
#include "ui/print/print_document.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace zm {
namespace {

// The share of the screen's free area the window takes.
constexpr double kScreenShare = 0.85;

} // namespace

PrintPreviewWindow::PrintPreviewWindow(Settings& settings,
                                       std::function<std::unique_ptr<PrintDocument>()> layOut,
                                       QWidget* parent)
    : QMainWindow(parent, Qt::Window), settings_(settings), layOut_(std::move(layOut)),
      document_(layOut_ ? layOut_() : nullptr),
      state_(document_ ? document_->PageCount() : 1,
             static_cast<int>(ReadInt(settings_, SettingId::PreviewPages))) {
    setObjectName(QStringLiteral("PrintPreviewWndClass"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(PlainText(IDS_MAIN_MENU_PRINT_PREVIEW));

    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    canvas_ = new PreviewCanvas(scroll_);
    canvas_->SetDocument(document_.get());
    scroll_->setWidget(canvas_);
    scroll_->viewport()->installEventFilter(this);
    setCentralWidget(scroll_);
    connect(canvas_, &PreviewCanvas::sheetClicked, this, &PrintPreviewWindow::ZoomInAt);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("previewStatus"));
    statusBar()->addWidget(status_, 1);
    CreateActions();

    if (const QScreen* screen = parent ? parent->screen() : QWidget::screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(static_cast<int>(area.width() * kScreenShare),
                         static_cast<int>(area.height() * kScreenShare));
        setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    }
    Refresh();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

void PrintPreviewWindow::CreateActions() {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [this, bar](const char* name, const QIcon& icon, int textId, int tipId) {
        QAction* action = bar->addAction(icon, Text(textId));
        action->setObjectName(QLatin1String(name));
        action->setToolTip(Text(tipId));
        return action;
    };
    QStyle* s = style();
    print_ = add("previewPrint", PrinterIcon(), IDS_PREVIEW_PRINT, IDS_PREVIEW_PRINT);
    bar->addSeparator();
    previous_ = add("previewPrevious", s->standardIcon(QStyle::SP_ArrowBack), IDS_PREVIEW_PREVIOUS,
                    IDS_PREVIEW_PREVIOUS);
    next_ = add("previewNext", s->standardIcon(QStyle::SP_ArrowForward), IDS_PREVIEW_NEXT,
                IDS_PREVIEW_NEXT);
    pageCount_ =
        add("previewPageCount", PagesIcon(2), IDS_PREVIEW_SHOW_TWO_PAGES, IDS_PREVIEW_PAGE_COUNT);
    pageCount_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));
    bar->addSeparator();
    zoomIn_ = add("previewZoomIn", MagnifierIcon(true), IDS_PREVIEW_ZOOM_IN, IDS_PREVIEW_ZOOM_IN);
    zoomOut_ =
        add("previewZoomOut", MagnifierIcon(false), IDS_PREVIEW_ZOOM_OUT, IDS_PREVIEW_ZOOM_OUT);
    bar->addSeparator();
    customize_ = add("previewCustomize", s->standardIcon(QStyle::SP_FileDialogDetailedView),
                     IDS_PREVIEW_CUSTOMIZE, IDS_PREVIEW_CUSTOMIZE);
    close_ = add("previewClose", s->standardIcon(QStyle::SP_DialogCloseButton), IDS_CLOSE,
                 IDS_PREVIEW_CANCEL);
    close_->setShortcut(QKeySequence(Qt::Key_Escape));
    // When the window is too narrow for the buttons, the rest sit behind the toolbar's own
    // extension button, which has no text of its own.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(Text(IDS_PREVIEW_MORE_BUTTONS));
        more->setToolTip(more->accessibleName());
    }

    connect(print_, &QAction::triggered, this, &PrintPreviewWindow::Print);
    connect(previous_, &QAction::triggered, this, [this] { Change(&PreviewState::GoPrevious); });
    connect(next_, &QAction::triggered, this, [this] { Change(&PreviewState::GoNext); });
    connect(pageCount_, &QAction::triggered, this,
            [this] { Change(&PreviewState::ChangePageCount); });
    connect(zoomIn_, &QAction::triggered, this, [this] { Change(&PreviewState::ZoomIn); });
    connect(zoomOut_, &QAction::triggered, this, [this] { Change(&PreviewState::ZoomOut); });
    connect(customize_, &QAction::triggered, this, &PrintPreviewWindow::Customize);
    connect(close_, &QAction::triggered, this, &QWidget::close);
}

void PrintPreviewWindow::Change(void (PreviewState::*step)()) {
    (state_.*step)();
    Refresh();
}

void PrintPreviewWindow::ZoomInAt(int sheet, QPointF where, QPoint point) {
    if (state_.Zoom() != PreviewZoom::WholePage) return;
    const QPoint inViewport = canvas_->mapTo(scroll_->viewport(), point);
    Change(&PreviewState::ZoomIn);
    // The clicked spot of the page stays under the mouse.
    const PreviewLayout& layout = canvas_->Layout();
    if (sheet >= static_cast<int>(layout.sheets.size())) return;
    const PreviewSheet& s = layout.sheets[static_cast<size_t>(sheet)];
    scroll_->horizontalScrollBar()->setValue(
        s.left + static_cast<int>(where.x() * layout.sheetWidth) - inViewport.x());
    scroll_->verticalScrollBar()->setValue(
        s.top + static_cast<int>(where.y() * layout.sheetHeight) - inViewport.y());
}

void PrintPreviewWindow::Print() {
    const std::function<void()> startJob = print; // the window goes away on closing
    if (!close()) return;
    if (startJob) startJob();
}

void PrintPreviewWindow::Customize() {
    if (!customize || !customize(this) || !layOut_) return;
    std::unique_ptr<PrintDocument> document = layOut_();
    canvas_->SetDocument(document.get());
    document_ = std::move(document);
    state_.SetPageCount(document_ ? document_->PageCount() : 1);
    Refresh();
}

void PrintPreviewWindow::Refresh() {
    status_->setText(QString::fromStdString(state_.StatusText()));
    previous_->setEnabled(state_.CanGoPrevious());
    next_->setEnabled(state_.CanGoNext());
    pageCount_->setEnabled(state_.CanChangePageCount());
    const bool two = state_.TwoPageMode();
    pageCount_->setText(Text(two ? IDS_PREVIEW_SHOW_ONE_PAGE : IDS_PREVIEW_SHOW_TWO_PAGES));
    pageCount_->setIcon(PagesIcon(two ? 1 : 2));
    zoomIn_->setEnabled(state_.CanZoomIn());
    zoomOut_->setEnabled(state_.CanZoomOut());
    LayOutSheets();
}

void PrintPreviewWindow::LayOutSheets() {
    const QSize viewport = scroll_->viewport()->size();
    const PageRect paper = document_ ? document_->Paper() : PageRect{0, 0, 2100, 2970};
    canvas_->SetLayout(LayOutPreview(state_, paper.Width(), paper.Height(), viewport.width(),
                                     viewport.height(), canvas_->logicalDpiX(),
                                     canvas_->logicalDpiY()));
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != scroll_->viewport()) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) LayOutSheets();
    // The wheel turns the pages while they are shown whole.
    if (event->type() == QEvent::Wheel && state_.Zoom() == PreviewZoom::WholePage) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta < 0) Change(&PreviewState::GoNext);
        if (delta > 0) Change(&PreviewState::GoPrevious);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void PrintPreviewWindow::closeEvent(QCloseEvent* event) {
    WriteInt(settings_, SettingId::PreviewPages, state_.TwoPageMode() ? 2 : 1);
    QMainWindow::closeEvent(event);
}

} // namespace zm
