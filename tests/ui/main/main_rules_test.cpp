// The main window's rules that need no window: the toolbar's hidden buttons.

#include "ui/main/toolbar_customize_dialog.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(ToolbarButtons, HiddenPositionsRoundTripAndIgnoreJunk) {
    EXPECT_EQ(ParseShownButtons("", 3), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(ParseShownButtons("2,0", 3), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(ParseShownButtons("x,7,-1,1", 3), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(FormatShownButtons({false, true, false}), "0,2");
}

} // namespace
} // namespace zm::testing
