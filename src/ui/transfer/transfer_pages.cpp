#include "ui/transfer/transfer_pages.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/private_files.h"
#include "store/store_paths.h"
#include "store/text_import.h"
#include "store/transfer/transfer_file_check.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zm {

namespace {

QRadioButton* Radio(int id, QWidget* parent, QLayout* layout) {
    auto* button = new QRadioButton(Text(id), parent);
    layout->addWidget(button);
    return button;
}

} // namespace

TransferStartPage::TransferStartPage(TransferPageEnv& env) : env_(env) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(IDS_IE_CHOOSE_ACTION), this));
    import_ = Radio(IDS_IE_IMPORT, this, layout);
    export_ = Radio(IDS_IE_EXPORT, this, layout);
    layout->addStretch();
    (env_.choices.import ? import_ : export_)->setChecked(true);
    connect(import_, &QRadioButton::toggled, this, [this](bool on) { env_.choices.import = on; });
}

TransferKindPage::TransferKindPage(TransferPageEnv& env) : env_(env) {
    auto* layout = new QVBoxLayout(this);
    kinds_ = new QListWidget(this);
    for (int i = 0; i < kTransferKindCount; ++i)
        kinds_->addItem(Text(KindInfo(KindAt(i)).captionId));
    kinds_->setCurrentRow(env_.choices.kind);
    kinds_->setAccessibleName(Text(IDS_IE_TITLE));
    layout->addWidget(kinds_);
    connect(kinds_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) env_.choices.kind = row;
    });
}

TransferFilePage::TransferFilePage(TransferPageEnv& env) : env_(env) {
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    layout->addWidget(label_);
    auto* line = new QHBoxLayout;
    path_ = new QLineEdit(this);
    label_->setBuddy(path_);
    auto* browse = new QPushButton(Text(IDS_BROWSE), this);
    line->addWidget(path_);
    line->addWidget(browse);
    layout->addLayout(line);

    range_ = new QGroupBox(this);
    auto* rangeLayout = new QVBoxLayout(range_);
    all_ = Radio(IDS_IE_RANGE_ALL, range_, rangeLayout);
    selection_ = Radio(IDS_IE_RANGE_SELECTION, range_, rangeLayout);
    all_->setChecked(true);
    layout->addWidget(range_);

    duplicates_ = new QGroupBox(this);
    auto* dupLayout = new QVBoxLayout(duplicates_);
    replace_ = Radio(IDS_IE_DUPLICATES_REPLACE, duplicates_, dupLayout);
    allow_ = Radio(IDS_IE_DUPLICATES_ALLOW, duplicates_, dupLayout);
    skip_ = Radio(IDS_IE_DUPLICATES_SKIP, duplicates_, dupLayout);
    DuplicateButton(env_.choices.duplicates)->setChecked(true);
    layout->addWidget(duplicates_);
    layout->addStretch();

    connect(browse, &QPushButton::clicked, this, &TransferFilePage::Browse);
}

QRadioButton* TransferFilePage::DuplicateButton(DuplicateMode mode) const {
    switch (mode) {
    case DuplicateMode::Skip:
        return skip_;
    case DuplicateMode::Replace:
        return replace_;
    case DuplicateMode::None:
        break;
    }
    return allow_;
}

void TransferFilePage::initializePage() {
    const bool import = env_.choices.import;
    label_->setText(Text(import ? IDS_IE_FILE_TO_IMPORT : IDS_IE_SAVE_EXPORTED_AS));
    path_->setAccessibleName(label_->text().remove('&'));
    range_->setVisible(!import);
    duplicates_->setVisible(import);
    selection_->setEnabled(env_.hasSelection);
    if (!env_.hasSelection) all_->setChecked(true);
}

void TransferFilePage::Browse() {
    const TransferKindInfo& kind = env_.choices.Kind();
    QFileDialog dialog(this, Text(IDS_BROWSE));
    dialog.setNameFilter(QString::fromStdString(DialogFilterOf(LoadString(kind.filterId))));
    dialog.setDefaultSuffix(QString::fromLatin1(kind.extension).toLower());
    dialog.setDirectory(QString::fromStdString(FolderOf(env_.context.store.LibraryPath())));
    if (env_.choices.import) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // The dialog asks before an existing file is chosen to be replaced.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!path_->text().isEmpty()) dialog.selectFile(path_->text());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        path_->setText(dialog.selectedFiles().constFirst());
}

bool TransferFilePage::validatePage() {
    TransferChoices& c = env_.choices;
    c.path = path_->text().trimmed().toStdString();
    c.selectionOnly = !c.import && selection_->isChecked();
    c.duplicates = replace_->isChecked() ? DuplicateMode::Replace
                   : skip_->isChecked()  ? DuplicateMode::Skip
                                         : DuplicateMode::None;
    TransferProblem problem;
    if (c.import) {
        problem = CheckReadable(env_.files, c.path);
        if (!problem && c.Kind().text) {
            // The fields page shows the first records; a file that holds none is told here.
            c.sampleRecords.clear();
            (void)ReadSampleRecords(env_.files, c.path, c.Kind().separator, c.Kind().dos,
                                    c.oemCodePage, c.sampleRecords, problem);
        }
    } else {
        const std::string& library = env_.context.store.LibraryPath();
        if (!library.empty() && IsProgramDataFile(c.path, FolderOf(library), kArchiveFolderName)) {
            env_.boxes.Tell(this,
                            QString::fromStdString(FormatText(IDS_EXPORT_ONTO_OWN_FILE, {c.path})),
                            BoxIcon::Warning);
            path_->setFocus();
            return false;
        }
        problem = CheckWritable(env_.files, c.path);
    }
    if (!problem) return true;
    env_.boxes.Tell(this, QString::fromStdString(problem.Message()), BoxIcon::Error);
    path_->setFocus();
    return false;
}

int TransferFilePage::nextId() const {
    return env_.choices.TextImport() ? kFieldsPage : -1;
}

} // namespace zm
