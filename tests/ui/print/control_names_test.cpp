// Every control of the print preview, in both layouts, and of the print status window has a
// name a screen reader can read.

#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "support/nameless_controls.h"
#include "ui/print/print_document.h"
#include "ui/print/print_preview_window.h"
#include "ui/print/print_status_dialog.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ControlNames, PrintPreviewWithOneAndTwoPagesAndThePrintStatus) {
    MemorySettings settings;
    auto source = std::make_shared<PrintSource>();
    source->timeSpan = "Week of 7 December 2026";
    source->rows.resize(3);
    for (PrintRow& row : source->rows)
        row.cells = {"Dentist", "12/7/2026 9:30", "1 hour", "", "Meeting", ""};
    for (int pages : {1, 2}) {
        WriteInt(settings, SettingId::PreviewPages, pages);
        auto* window = new PrintPreviewWindow(settings, [&] {
            return std::make_unique<PrintDocument>(
                source, settings, true, PaperGeometry{{0, 0, 2100, 2970}, {0, 0, 2100, 2970}},
                false);
        });
        window->show();
        EXPECT_EQ(testing::NamelessControls(*window), "") << pages;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    PrintStatusDialog status(QStringLiteral("Events"), QStringLiteral("Office"),
                             QStringLiteral("on /dev/lp0"), nullptr);
    EXPECT_EQ(testing::NamelessControls(status), "");
}

} // namespace
} // namespace zm
