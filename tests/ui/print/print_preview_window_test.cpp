// The print preview window: the status text while paging with one and two pages, Alt+N and its
// refusal while zoomed, the remembered page count, Print and Customize, and screenshots.

#include "format/colour_contrast.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "support/gui/palettes.h"
#include "ui/print/preview_canvas.h"
#include "ui/print/preview_icons.h"
#include "ui/print/print_document.h"
#include "ui/print/print_preview_window.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace zm {
namespace {

const PaperGeometry kA4{{0, 0, 2100, 2970}, {0, 0, 2100, 2970}};

std::shared_ptr<PrintSource> Source(int rows) {
    auto source = std::make_shared<PrintSource>();
    source->timeSpan = "Week of 7 December 2026";
    source->date = "Monday, 7 December 2026";
    for (int i = 0; i < rows; ++i) {
        PrintRow row;
        row.cells = {"Event " + std::to_string(i + 1),
                     "12/7/2026 9:30",
                     "1 hour",
                     std::to_string(20 + i),
                     i % 2 ? "Birthday" : "Meeting",
                     i % 3 ? "Every week on Monday" : ""};
        row.notes = "First line of the notes\nSecond line\nThird line";
        row.colour = i % 2 ? 0x00C00000 : 0x00000080;
        source->rows.push_back(std::move(row));
    }
    return source;
}

class PrintPreviewWindowTest : public ::testing::Test {
protected:
    // A window on 40 rows with notes: five pages (two without the notes).
    QPointer<PrintPreviewWindow> Open(int pagesShown) {
        WriteInt(settings, SettingId::PreviewPages, pagesShown);
        auto* window = new PrintPreviewWindow(settings, [this] {
            ++layOuts;
            return std::make_unique<PrintDocument>(source, settings, true, kA4, false);
        });
        window->resize(1000, 800);
        return window;
    }
    static std::string Status(QWidget* window) {
        return window->findChild<QLabel*>("previewStatus")->text().toStdString();
    }
    static QAction* Action(QWidget* window, const char* name) {
        return window->findChild<QAction*>(name);
    }
    static void CloseAndDelete(QWidget* window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MemorySettings settings;
    std::shared_ptr<PrintSource> source = Source(40);
    int layOuts = 0;
};

TEST_F(PrintPreviewWindowTest, StatusFollowsPagingWithOneAndTwoPages) {
    QPointer<PrintPreviewWindow> window = Open(1);
    EXPECT_EQ(Status(window), "Page 1 of 5");
    EXPECT_FALSE(Action(window, "previewPrevious")->isEnabled());
    Action(window, "previewNext")->trigger();
    EXPECT_EQ(Status(window), "Page 2 of 5");
    EXPECT_EQ(Action(window, "previewPageCount")->toolTip().toStdString(),
              "Change Number Of Pages (Alt+N)");
    EXPECT_EQ(Action(window, "previewPageCount")->text().toStdString(), "&Two Pages");
    Action(window, "previewPageCount")->trigger();
    EXPECT_EQ(Status(window), "Page 2-3 of 5");
    EXPECT_EQ(Action(window, "previewPageCount")->text().toStdString(), "&One Page");
    Action(window, "previewNext")->trigger();
    EXPECT_EQ(Status(window), "Page 4-5 of 5");
    EXPECT_FALSE(Action(window, "previewNext")->isEnabled());
    EXPECT_EQ(window->findChild<PreviewCanvas*>()->Layout().sheets.size(), 2u);

    CloseAndDelete(window);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ReadInt(settings, SettingId::PreviewPages), 2);
}

TEST_F(PrintPreviewWindowTest, PageCountIsRefusedWhileZoomed) {
    QPointer<PrintPreviewWindow> window = Open(2);
    EXPECT_EQ(Status(window), "Page 1-2 of 5");
    QAction* pageCount = Action(window, "previewPageCount");
    Action(window, "previewZoomIn")->trigger();
    EXPECT_FALSE(pageCount->isEnabled());
    EXPECT_TRUE(Action(window, "previewZoomOut")->isEnabled());
    Action(window, "previewZoomIn")->trigger();
    EXPECT_FALSE(Action(window, "previewZoomIn")->isEnabled());
    Action(window, "previewZoomOut")->trigger();
    Action(window, "previewZoomOut")->trigger();
    EXPECT_TRUE(pageCount->isEnabled());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(Status(window), "Page 1 of 5");
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ReadInt(settings, SettingId::PreviewPages), 1);
}

TEST_F(PrintPreviewWindowTest, CustomizeLaysOutAgainAndPrintClosesFirst) {
    QPointer<PrintPreviewWindow> window = Open(1);
    Action(window, "previewNext")->trigger();
    Action(window, "previewNext")->trigger();
    bool answer = false;
    window->customize = [&](QWidget* parent) {
        EXPECT_EQ(parent, window.data());
        WriteInt(settings, SettingId::PrintNotes, 0);
        return answer;
    };
    Action(window, "previewCustomize")->trigger(); // cancelled: nothing laid out again
    EXPECT_EQ(layOuts, 1);
    EXPECT_EQ(Status(window), "Page 3 of 5");
    answer = true;
    Action(window, "previewCustomize")->trigger();
    EXPECT_EQ(layOuts, 2);
    EXPECT_EQ(Status(window), "Page 2 of 2");

    bool closedFirst = false;
    window->print = [&] { closedFirst = !window->isVisible(); };
    window->show();
    Action(window, "previewPrint")->trigger();
    EXPECT_TRUE(closedFirst);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PrintPreviewWindowTest, WheelTurnsPagesAndAClickZoomsInAtThatSpot) {
    QPointer<PrintPreviewWindow> window = Open(1);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QWidget* viewport = window->findChild<QScrollArea*>()->viewport();
    QWheelEvent down(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {}, {0, -120},
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &down);
    EXPECT_EQ(Status(window), "Page 2 of 5");

    auto* canvas = window->findChild<PreviewCanvas*>();
    const PreviewSheet sheet = canvas->Layout().sheets[0];
    const QPoint corner(sheet.left + canvas->Layout().sheetWidth - 5,
                        sheet.top + canvas->Layout().sheetHeight - 5);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, corner);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->State().Zoom(), PreviewZoom::Middle);
    // The page's lower right corner is still near the mouse, so the view scrolled there.
    EXPECT_GT(window->findChild<QScrollArea*>()->verticalScrollBar()->value(), 0);
    CloseAndDelete(window);
}

// The magnifier's handle is drawn in the palette's ink: it stands out from the toolbar in a light
// and a dark palette (3:1, the least for the parts of a picture).
TEST(PreviewIcons, OutlinesReadOnALightAndADarkToolbar) {
    testing::InEachPalette([](const testing::NamedPalette& palette) {
        const QImage icon = MagnifierIcon(true).pixmap(32, 32).toImage();
        const uint32_t handle = icon.pixel(25, 25) & 0xFFFFFF;
        const uint32_t bar = QApplication::palette().color(QPalette::Window).rgb() & 0xFFFFFF;
        EXPECT_GE(ContrastRatio(handle, bar), 3.0) << palette.name;
    });
}

TEST(Screenshots, PrintPreview) {
    MemorySettings settings;
    const std::shared_ptr<PrintSource> source = Source(40);
    const auto open = [&](int pages) {
        WriteInt(settings, SettingId::PreviewPages, pages);
        auto* window = new PrintPreviewWindow(settings, [&] {
            return std::make_unique<PrintDocument>(source, settings, true, kA4, false);
        });
        window->resize(1100, 850);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    };
    const auto close = [](QWidget* window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    testing::InEachPalette([&](const testing::NamedPalette& palette) {
        PrintPreviewWindow* window = open(1);
        testing::SavePicture(*window, QStringLiteral("print-preview"), palette);
        close(window);
    });
    const testing::NamedPalette light = testing::LightAndDarkPalettes().front();
    PrintPreviewWindow* window = open(2);
    testing::SavePicture(*window, QStringLiteral("print-preview-two-pages"), light);
    close(window);
    window = open(1);
    window->findChild<QAction*>("previewZoomIn")->trigger();
    window->findChild<QAction*>("previewZoomIn")->trigger();
    QCoreApplication::processEvents(); // the scroll bars show after a queued call
    EXPECT_TRUE(window->findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
    testing::SavePicture(*window, QStringLiteral("print-preview-full"), light);
    close(window);
}

} // namespace
} // namespace zm
