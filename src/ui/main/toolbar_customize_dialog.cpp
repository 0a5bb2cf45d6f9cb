#include "ui/main/toolbar_customize_dialog.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <charconv>

namespace zm {
std::vector<bool> ParseShownButtons(const std::string& hidden, size_t count) {
    std::vector<bool> shown(count, true);
    size_t at = 0;
    while (at <= hidden.size()) {
        const size_t comma = std::min(hidden.find(',', at), hidden.size());
        size_t position = 0;
        const char* first = hidden.data() + at;
        const char* last = hidden.data() + comma;
        const auto [end, error] = std::from_chars(first, last, position);
        if (error == std::errc() && end == last && position < count) shown[position] = false;
        at = comma + 1;
    }
    return shown;
}

std::string FormatShownButtons(const std::vector<bool>& shown) {
    std::string text;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i]) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(i);
    }
    return text;
}

bool ChooseToolbarButtons(const std::vector<QString>& labels, std::vector<bool>& shown,
                          QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(IDS_TOOLBAR_CUSTOMIZE_CAPTION));
    dialog.setAccessibleName(Text(IDS_TOOLBAR_CUSTOMIZE_CAPTION));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(Text(IDS_TOOLBAR_CUSTOMIZE_LABEL), &dialog);
    // One check box a button: a reader's toggle checks it as a click does.
    auto* boxes = new QWidget(&dialog);
    boxes->setAccessibleName(PlainText(IDS_TOOLBAR_CUSTOMIZE_LABEL));
    auto* column = new QVBoxLayout(boxes);
    column->setContentsMargins(0, 0, 0, 0);
    std::vector<QCheckBox*> checks;
    for (size_t i = 0; i < labels.size(); ++i) {
        auto* box = new QCheckBox(labels[i], boxes);
        box->setChecked(i >= shown.size() || shown[i]);
        column->addWidget(box);
        checks.push_back(box);
    }
    if (!checks.empty()) label->setBuddy(checks.front());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(boxes);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    shown.assign(labels.size(), true);
    for (size_t i = 0; i < checks.size(); ++i)
        shown[i] = checks[i]->isChecked();
    return true;
}

} // namespace zm
