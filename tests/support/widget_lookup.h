#pragma once
// Window tests: a window's named children, and pictures of windows for the screenshot folder.

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace zm::testing {

// The child of that name and class; a failure when there is none.
template <typename W> W* Child(QWidget& parent, const char* name) {
    W* widget = parent.findChild<W*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

#ifdef ZM_SCREENSHOT_DIR
// Shows the widget at its natural size and saves its picture as `name`.
inline void SaveScreenshot(QWidget& widget, const char* name) {
    widget.adjustSize();
    widget.show();
    EXPECT_TRUE(widget.grab().save(QDir(ZM_SCREENSHOT_DIR).filePath(name)));
}
#endif

} // namespace zm::testing
