// The first start's information box, pictured while it is up in a light and a dark palette.

#include "store/store_messages.h"
#include "support/gui/palettes.h"
#include "ui/frame/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(Screenshots, FirstStartBox) {
    testing::InEachPalette([](const testing::NamedPalette& palette) {
        QtStorePrompts prompts;
        bool pictured = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                testing::SavePicture(*box, QStringLiteral("first-start-box"), palette);
                pictured = true;
                box->accept();
            }
        });
        closer.start(20);
        prompts.TellLibraryCreated(LibraryCreatedText(
            "/home/ann/.local/share/Zantimore/Zantimo.VR0", "/home/ann/.local/share/Zantimore/"));
        EXPECT_TRUE(pictured);
    });
}

} // namespace
} // namespace zm
