// The file dialog's filters of the import and export wizard.

#include "res/strings.h"
#include "store/transfer/transfer_file_check.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(TransferFileCheck, TableFiltersBecomeDialogFilters) {
    EXPECT_EQ(DialogFilterOf(LoadString(IDS_IE_FILTER_CSV_DOS)),
              "Comma Separated Values (DOS) (*.csv *.CSV);;All Files (*)");
    EXPECT_EQ(DialogFilterOf(LoadString(IDS_HOLIDAY_FILE_FILTER)),
              "Zantimore Holiday File (*.vrh *.VRH)");
}

} // namespace
} // namespace zm
