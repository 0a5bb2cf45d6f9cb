// Every control of every page of a text import, and of the import log, has a name a screen
// reader can read.

#include "store/io/store_file_system.h"
#include "store/transfer/import_log.h"
#include "support/nameless_controls.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_choices.h"
#include "ui/transfer/transfer_pages.h"
#include "ui/transfer/transfer_wizard_window.h"

#include <QListWidget>
#include <QRadioButton>
#include <fstream>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(ControlNames, EveryPageOfATextImportAndTheImportLog) {
    WindowFixture rig;
    TempFolder folder;
    PosixFileSystem files;
    TransferEvents events;
    const std::string path = folder.File("in.csv");
    std::ofstream(path, std::ios::binary) << "Name,Date,Time,Notes\r\nLunch,12/31/2030,12:30,\r\n";
    TransferWizard wizard(rig.Context(), rig.boxes_, files, events, nullptr);
    wizard.restart();
    wizard.show();
    EXPECT_EQ(NamelessControls(wizard), "") << "start page";
    wizard.StartPage()->ImportButton()->setChecked(true);
    wizard.next();
    wizard.KindPage()->Kinds()->setCurrentRow(1);
    EXPECT_EQ(NamelessControls(wizard), "") << "kind page";
    wizard.next();
    wizard.FilePage()->PathEdit()->setText(QString::fromStdString(path));
    EXPECT_EQ(NamelessControls(wizard), "") << "file page";
    wizard.next();
    EXPECT_EQ(NamelessControls(wizard), "") << "fields page";
    wizard.next();
    ASSERT_EQ(wizard.currentId(), kDefaultsPage);
    EXPECT_EQ(NamelessControls(wizard), "") << "defaults page";

    ImportLogDialog log({{3, kReasonInvalidDate}}, nullptr);
    EXPECT_EQ(NamelessControls(log), "");
}

} // namespace
} // namespace zm::testing
