#pragma once
// The small window a running print job shows: the document, the printer, where it prints to and
// the page being printed, with Cancel.

#include <QDialog>

class QLabel;

namespace zm {

class PrintStatusDialog final : public QDialog {
    Q_OBJECT
public:
    // `document` is cut to 31 characters; `port` is the "on ..." or "to ..." line.
    PrintStatusDialog(const QString& document, const QString& printer, const QString& port,
                      QWidget* parent);

    void ShowPage(int number);
    bool Cancelled() const { return cancelled_; }

protected:
    void reject() override;

private:
    QLabel* page_ = nullptr;
    bool cancelled_ = false;
};

} // namespace zm
