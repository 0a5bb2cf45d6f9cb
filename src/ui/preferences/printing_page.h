#pragma once
// The "Printing" page: what the printed list shows in its header, text and footer, and their
// fonts. The page keeps the options; the printing reads them.

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace zm {

class Settings;
class FontChooser;

class PrintingPage final : public QWidget {
    Q_OBJECT
public:
    PrintingPage(Settings& settings, QWidget* parent);

    // Writes the options and the fonts that changed.
    void Save() const;

private:
    Settings& settings_;
    QCheckBox* title_;
    QCheckBox* timeSpan_;
    FontChooser* headerFont_;
    QRadioButton* colour_;
    QRadioButton* blackAndWhite_;
    QCheckBox* notes_;
    FontChooser* textFont_;
    QCheckBox* dateTime_;
    QCheckBox* pageNumber_;
    FontChooser* footerFont_;
};

} // namespace zm
