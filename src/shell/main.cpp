// The program's entry point. Until the resident frame is built this shows a window that says so.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvendal");
    QApplication::setApplicationName("Zantimore Pro");
    QLabel label(QStringLiteral("Zantimore is not finished yet: its reminder windows, main window "
                                "and tray icon are still being built."));
    label.setWindowTitle(QStringLiteral("Zantimore"));
    label.setMargin(24);
    label.setWordWrap(true);
    label.resize(420, 120);
    label.show();
    return app.exec();
}
