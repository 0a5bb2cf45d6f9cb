// The list's events on the clipboard and back.

#include "support/event_builders.h"
#include "support/window_fixture.h"
#include "ui/list/clipboard_data.h"

#include <QMimeData>
#include <memory>

namespace zm {
namespace {

TEST(ClipboardData, CarriesTextAndTheOwnFormatAndReadsBackOnlyThat) {
    testing::WindowFixture fx;
    EventRecord event = testing::OneTime(testing::At(2026, 12, 8, 10, 0));
    event.name = "Dentist";
    event.listOccurrence = event.start;
    ListViewState view;
    const std::unique_ptr<QMimeData> data(MakeClipboardData({event}, view, fx.Context()));
    EXPECT_TRUE(data->text().startsWith("Dentist\t"));
    EXPECT_TRUE(data->text().endsWith("\r\n"));
    ASSERT_TRUE(HoldsEvents(data.get()));
    const auto back = ClipboardEvents(data.get());
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(back.Value().front().name, "Dentist");

    QMimeData plain;
    plain.setText("Dentist");
    EXPECT_EQ(ClipboardEvents(&plain).Code(), LibraryResult::Reserved2);
    plain.setData("ZantimoreTransferData", QByteArray("\x01\0\0\0garbage", 11));
    EXPECT_EQ(ClipboardEvents(&plain).Code(), LibraryResult::Corrupted);
}

} // namespace
} // namespace zm
