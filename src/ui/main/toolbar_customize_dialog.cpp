#include "ui/main/toolbar_customize_dialog.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
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
    auto* list = new QListWidget(&dialog);
    label->setBuddy(list);
    list->setAccessibleName(PlainText(IDS_TOOLBAR_CUSTOMIZE_LABEL));
    for (size_t i = 0; i < labels.size(); ++i) {
        auto* item = new QListWidgetItem(labels[i], list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(i < shown.size() && !shown[i] ? Qt::Unchecked : Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    shown.assign(labels.size(), true);
    for (int i = 0; i < list->count(); ++i)
        shown[static_cast<size_t>(i)] = list->item(i)->checkState() == Qt::Checked;
    return true;
}

} // namespace zm
