#pragma once
// The pages of the import and export wizard: the action, the kind of file, the file, and for a
// text import the binding of its fields and the defaults for what it does not give.

#include "store/text_import.h"
#include "ui/transfer/transfer_choices.h"

#include <QWizardPage>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
class QTreeWidget;

namespace zm {

struct WindowContext;
class UserBoxes;
class StoreFileSystem;

enum TransferPageId : int {
    kStartPage = 0,
    kKindPage,
    kFilePage,
    kFieldsPage,
    kDefaultsPage,
};

// What every page works with; all of it outlives the wizard.
struct TransferPageEnv {
    WindowContext& context;
    UserBoxes& boxes;
    StoreFileSystem& files;
    TransferChoices& choices;
    bool hasSelection = false;
};

class TransferStartPage final : public QWizardPage {
    Q_OBJECT
public:
    explicit TransferStartPage(TransferPageEnv& env);
    QRadioButton* ImportButton() const { return import_; }
    QRadioButton* ExportButton() const { return export_; }

private:
    TransferPageEnv& env_;
    QRadioButton* import_;
    QRadioButton* export_;
};

class TransferKindPage final : public QWizardPage {
    Q_OBJECT
public:
    explicit TransferKindPage(TransferPageEnv& env);
    QListWidget* Kinds() const { return kinds_; }

private:
    TransferPageEnv& env_;
    QListWidget* kinds_;
};

class TransferFilePage final : public QWizardPage {
    Q_OBJECT
public:
    explicit TransferFilePage(TransferPageEnv& env);
    void initializePage() override;
    bool validatePage() override;
    int nextId() const override;
    QLineEdit* PathEdit() const { return path_; }
    QRadioButton* DuplicateButton(DuplicateMode mode) const;

private:
    void Browse();

    TransferPageEnv& env_;
    QLabel* label_;
    QLineEdit* path_;
    QGroupBox* range_;
    QRadioButton* all_;
    QRadioButton* selection_;
    QGroupBox* duplicates_;
    QRadioButton* replace_;
    QRadioButton* allow_;
    QRadioButton* skip_;
};

class TransferFieldsPage final : public QWizardPage {
    Q_OBJECT
public:
    explicit TransferFieldsPage(TransferPageEnv& env);
    void initializePage() override;
    bool validatePage() override;
    // The bind menu of a row, with the row's binding checked; choosing an entry binds it.
    QMenu* BindMenu(int row);
    // What choosing an entry of the bind menu does: -1 skips the field.
    void BindRow(int row, int field);
    QTreeWidget* Rows() const { return rows_; }
    QCheckBox* HeaderBox() const { return header_; }
    QComboBox* OrderBox() const { return order_; }

private:
    std::vector<FieldSample> Samples() const;
    void Fill();

    TransferPageEnv& env_;
    QCheckBox* header_;
    QComboBox* order_;
    QTreeWidget* rows_;
};

class TransferDefaultsPage final : public QWizardPage {
    Q_OBJECT
public:
    explicit TransferDefaultsPage(TransferPageEnv& env);
    bool validatePage() override;
    QComboBox* ReminderBox() const { return reminder_; }
    QComboBox* DurationBox() const { return duration_; }
    QComboBox* TypeBox() const { return type_; }
    // 0 none, 1 daily, 2 weekly, 3 monthly, 4 yearly.
    QRadioButton* RecurrenceButton(int index) const;

private:
    TransferPageEnv& env_;
    QComboBox* reminder_;
    QComboBox* type_;
    QComboBox* duration_;
    QButtonGroup* recurrence_;
};

} // namespace zm
