#pragma once
// Window tests in the system's light palette and in a dark one: the palettes, a scope that sets
// one on the application, and pictures named after the palette they were taken in.

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace zm::testing {

// A dark palette as a desktop's dark theme gives it: light texts on dark faces, dimmed texts
// for what is disabled, a blue highlight.
inline QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2A, 0x2A, 0x2A);
    const QColor text(0xF0, 0xF0, 0xF0);
    const QColor dimmed(0x8C, 0x8C, 0x8C);
    QPalette p(text, window, QColor(0x50, 0x50, 0x50), QColor(0x1E, 0x1E, 0x1E),
               QColor(0x28, 0x28, 0x28), text, QColor(0xFF, 0xFF, 0xFF), base, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::AlternateBase, QColor(0x3A, 0x3A, 0x3A));
    p.setColor(QPalette::Shadow, QColor(0x10, 0x10, 0x10));
    p.setColor(QPalette::Highlight, QColor(0x1F, 0x5F, 0xA8));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6C, 0xB4, 0xFF));
    p.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dimmed);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    return p;
}

// The palettes windows are checked and pictured in; the suffix goes into a picture's name.
struct NamedPalette {
    const char* name;
    const char* suffix;
    QPalette palette;
};

inline std::vector<NamedPalette> LightAndDarkPalettes() {
    return {{"light", "", QApplication::style()->standardPalette()},
            {"dark", "-dark", DarkPalette()}};
}

// Sets the application's palette for a test and puts the old one back.
class PaletteScope {
public:
    explicit PaletteScope(const QPalette& p) : old_(QApplication::palette()) { Set(p); }
    ~PaletteScope() { Set(old_); }
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;

private:
    // The application tells its widgets of a new palette only once its event loop runs; the
    // tests run without one, so the widgets already made are told here.
    static void Set(const QPalette& p) {
        QApplication::setPalette(p);
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent changed(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(widget, &changed);
        }
    }

    QPalette old_;
};

// Runs `body(palette)` once with each palette set on the application.
template <typename Body> void InEachPalette(Body&& body) {
    for (const NamedPalette& p : LightAndDarkPalettes()) {
        const PaletteScope scope(p.palette);
        body(p);
    }
}

#ifdef ZM_SCREENSHOT_DIR
// The widget's picture saved as `<stem><palette's suffix>.png` in the screenshot folder.
inline void SavePicture(QWidget& widget, const QString& stem, const NamedPalette& palette) {
    QDir().mkpath(QStringLiteral(ZM_SCREENSHOT_DIR));
    const QString name = stem + QLatin1String(palette.suffix) + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(QDir(QStringLiteral(ZM_SCREENSHOT_DIR)).filePath(name)))
        << name.toStdString();
}
#endif

} // namespace zm::testing
