// The help window as a screen reader sees it.

#include "ui/frame/help_window.h"

#include <QAccessible>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(HelpWindow, ReadsAsAWindowWithItsTitleAroundThePage) {
    HelpWindow w;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Zantimore Pro Help");

    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(w.Browser());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->parent()->object(), &w);
    EXPECT_FALSE(w.Browser()->toPlainText().isEmpty());
}

} // namespace
} // namespace zm
