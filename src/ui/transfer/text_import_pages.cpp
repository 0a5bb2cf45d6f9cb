// The two pages of a text import: the binding of the file's fields and the defaults.

#include "model/amount_choices.h"
#include "model/describe.h"
#include "res/strings.h"
#include "store/text_import.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/transfer/transfer_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zm {

namespace {

constexpr int kFieldNameIds[kImportFieldCount] = {IDS_IE_FIELD_NAME, IDS_IE_FIELD_DATE,
                                                  IDS_IE_FIELD_TIME, IDS_IE_FIELD_DURATION,
                                                  IDS_IE_FIELD_TYPE, IDS_IE_FIELD_NOTES};
constexpr int kBindIds[kImportFieldCount + 1] = {
    IDS_IE_BIND_SKIP,     IDS_IE_BIND_NAME, IDS_IE_BIND_DATE, IDS_IE_BIND_TIME,
    IDS_IE_BIND_DURATION, IDS_IE_BIND_TYPE, IDS_IE_BIND_NOTES};
constexpr uint32_t kRecurrenceKinds[] = {0, kKindDaily, kKindWeekly, kKindMonthly, kKindYearly};
constexpr int kRecurrenceIds[] = {IDS_IE_RECURRENCE_NONE, IDS_IE_RECURRENCE_DAILY,
                                  IDS_IE_RECURRENCE_WEEKLY, IDS_IE_RECURRENCE_MONTHLY,
                                  IDS_IE_RECURRENCE_YEARLY};

// An amount choice box: the fixed amounts, editable, showing `amount`.
QComboBox* AmountBox(QWidget* parent, TimeAmount amount, bool withZero) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (TimeAmount a : AmountChoices(withZero))
        box->addItem(QString::fromStdString(DescribeAmount(a)));
    box->setCurrentIndex(FindAmountChoice(amount, withZero));
    box->setEditText(QString::fromStdString(DescribeAmount(amount)));
    return box;
}

} // namespace

// --- the fields page ---

TransferFieldsPage::TransferFieldsPage(TransferPageEnv& env) : env_(env) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(IDS_IE_BIND_HINT), this));
    header_ = new QCheckBox(Text(IDS_IE_HEADER_LINE), this);
    layout->addWidget(header_);
    order_ = new QComboBox(this);
    for (int id : {IDS_IE_ORDER_MDY, IDS_IE_ORDER_DMY, IDS_IE_ORDER_YMD})
        order_->addItem(Text(id));
    order_->setAccessibleName(Text(IDS_IE_FIELD_DATE));
    layout->addWidget(order_);
    rows_ = new QTreeWidget(this);
    rows_->setRootIsDecorated(false);
    rows_->setHeaderLabels({Text(IDS_IE_COLUMN_FILE_FIELD), Text(IDS_IE_COLUMN_ZANTIMORE_FIELD),
                            Text(IDS_IE_COLUMN_VALUE)});
    // 90, 90 and 190 pixels, or as wide as a column's caption needs.
    const int widths[] = {90, 90, 190};
    for (int column = 0; column < 3; ++column)
        rows_->setColumnWidth(
            column, std::max(widths[column], rows_->header()->fontMetrics().horizontalAdvance(
                                                 rows_->headerItem()->text(column)) +
                                                 16));
    rows_->setContextMenuPolicy(Qt::CustomContextMenu);
    rows_->setAccessibleName(Text(IDS_IE_BIND_HINT));
    layout->addWidget(rows_);

    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        env_.choices.headerLine = on;
        // A header line that names the fields binds them by name, else they go by position.
        const auto& records = env_.choices.sampleRecords;
        env_.choices.bindings =
            InitialBindings(records.empty() ? std::vector<std::string>() : records[0], on);
        Fill();
    });
    connect(order_, &QComboBox::currentIndexChanged, this,
            [this](int index) { env_.choices.dateOrder = std::clamp(index, 0, 2); });
    connect(rows_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // A right click makes its row current; the menu key acts on the current row.
        QTreeWidgetItem* item = rows_->currentItem();
        if (!item) return;
        std::unique_ptr<QMenu> menu(BindMenu(rows_->indexOfTopLevelItem(item)));
        menu->exec(rows_->viewport()->mapToGlobal(at));
    });
}

std::vector<FieldSample> TransferFieldsPage::Samples() const {
    const auto& records = env_.choices.sampleRecords;
    if (records.empty()) return {};
    return FieldSamples(records[0], records.size() > 1 ? &records[1] : nullptr,
                        env_.choices.headerLine);
}

void TransferFieldsPage::initializePage() {
    const auto& records = env_.choices.sampleRecords;
    env_.choices.bindings = InitialBindings(
        records.empty() ? std::vector<std::string>() : records[0], env_.choices.headerLine);
    QSignalBlocker blockHeader(header_);
    QSignalBlocker blockOrder(order_);
    header_->setChecked(env_.choices.headerLine);
    order_->setCurrentIndex(env_.choices.dateOrder);
    Fill();
}

void TransferFieldsPage::Fill() {
    const std::vector<FieldSample> samples = Samples();
    const int current = rows_->currentIndex().row();
    rows_->clear();
    for (size_t i = 0; i < samples.size(); ++i) {
        const int field = env_.choices.bindings.FieldAt(static_cast<int>(i));
        auto* item = new QTreeWidgetItem(rows_);
        item->setText(0, QString::fromStdString(samples[i].name));
        item->setText(1, field >= 0 ? Text(kFieldNameIds[field]) : QString());
        item->setText(2, QString::fromStdString(samples[i].value));
    }
    if (rows_->topLevelItemCount() > 0)
        rows_->setCurrentItem(
            rows_->topLevelItem(std::clamp(current, 0, rows_->topLevelItemCount() - 1)));
}

QMenu* TransferFieldsPage::BindMenu(int row) {
    auto* menu = new QMenu(this);
    WatchMenu(*menu);
    const int bound = env_.choices.bindings.FieldAt(row);
    for (int field = -1; field < kImportFieldCount; ++field) {
        QAction* action = menu->addAction(Text(kBindIds[field + 1]));
        action->setCheckable(true);
        action->setChecked(field == bound);
        OnChosen(action, this, [this, row, field] { BindRow(row, field); });
    }
    return menu;
}

void TransferFieldsPage::BindRow(int row, int field) {
    if (row < 0) return;
    env_.choices.bindings.Bind(row, field);
    Fill();
}

bool TransferFieldsPage::validatePage() {
    if (!env_.choices.bindings.Ready()) {
        env_.boxes.Tell(this, Text(IDS_IE_BIND_NAME_AND_DATE), BoxIcon::Warning);
        rows_->setFocus();
        return false;
    }
    if (!SampleDateMatches(Samples(), env_.choices.bindings, env_.choices.dateOrder))
        return env_.boxes.AskYesNo(this, Text(IDS_IE_ASK_DATE_MISMATCH), BoxIcon::Question);
    return true;
}

// --- the defaults page ---

TransferDefaultsPage::TransferDefaultsPage(TransferPageEnv& env) : env_(env) {
    const TextImportDefaults& d = env_.choices.defaults;
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    reminder_ = AmountBox(this, d.advance, true);
    form->addRow(Text(IDS_IE_DEFAULT_REMINDER), reminder_);
    type_ = new QComboBox(this);
    type_->addItem(QString()); // no type: the events are of the undefined type
    type_->setItemData(0, Text(IDS_TYPE_UNDEFINED_NAME), Qt::AccessibleTextRole);
    const TypeList& types = env_.context.types;
    for (size_t i = 0; i < types.TypeCount(); ++i)
        type_->addItem(QString::fromStdString(types.TypeAt(static_cast<int>(i))->name));
    type_->setCurrentIndex(std::max(0, type_->findText(QString::fromStdString(d.typeName))));
    form->addRow(Text(IDS_IE_DEFAULT_TYPE), type_);
    duration_ = AmountBox(this, d.duration, false);
    form->addRow(Text(IDS_IE_DEFAULT_DURATION), duration_);
    for (int row = 0; row < form->rowCount(); ++row)
        if (auto* label =
                qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())) {
            form->itemAt(row, QFormLayout::FieldRole)
                ->widget()
                ->setAccessibleName(WithoutMnemonic(label->text()));
        }
    layout->addLayout(form);

    auto* group = new QGroupBox(Text(IDS_IE_DEFAULT_RECURRENCE), this);
    auto* groupLayout = new QVBoxLayout(group);
    recurrence_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(Text(kRecurrenceIds[i]), group);
        groupLayout->addWidget(button);
        recurrence_->addButton(button, i);
        button->setChecked(kRecurrenceKinds[i] == d.recurrence);
    }
    layout->addWidget(group);
    layout->addStretch();
}

QRadioButton* TransferDefaultsPage::RecurrenceButton(int index) const {
    return qobject_cast<QRadioButton*>(recurrence_->button(index));
}

bool TransferDefaultsPage::validatePage() {
    TextImportDefaults d = env_.choices.defaults;
    // Each amount as the box reads it: a listed entry, or the typed text.
    const auto read = [this](QComboBox* box, bool withZero, TimeAmount& out) {
        const AmountChoiceResult r =
            ReadAmountChoice(box->currentIndex(), box->currentText().toStdString(), withZero);
        if (r.code != kAmountOk) {
            env_.boxes.Tell(
                this,
                Text(r.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID),
                BoxIcon::Warning);
            box->setFocus();
            return false;
        }
        box->setEditText(QString::fromStdString(r.text));
        out = r.amount;
        return true;
    };
    if (!read(reminder_, true, d.advance) || !read(duration_, false, d.duration)) return false;
    d.recurrence = kRecurrenceKinds[std::max(0, recurrence_->checkedId())];
    if (const int problem = ImportDefaultsProblem(d); problem != 0) {
        env_.boxes.Tell(this, Text(problem), BoxIcon::Warning);
        (problem == IDS_ADVANCE_BEFORE_PREVIOUS ? reminder_ : duration_)->setFocus();
        return false;
    }
    d.typeName = type_->currentText().toStdString();
    env_.choices.defaults = d;
    return true;
}

} // namespace zm
