#pragma once
// The log of a text import: one line for every record that was not imported as a new event.

#include "store/transfer/import_log.h"

#include <QDialog>

class QListWidget;

namespace zm {

class ImportLogDialog final : public QDialog {
    Q_OBJECT
public:
    ImportLogDialog(const ImportLog& log, QWidget* parent);
    QListWidget* Lines() const { return lines_; }

private:
    QListWidget* lines_;
};

} // namespace zm
