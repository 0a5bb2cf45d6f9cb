#pragma once
// The crash report's window: the headline, the report in a read-only box whose text can be
// selected and copied, and OK.

#include <QDialog>

class QPlainTextEdit;

namespace zm {

class CrashReportDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CrashReportDialog(const QString& report, QWidget* parent = nullptr);

private:
    QPlainTextEdit* box_;
};

} // namespace zm
