// The import and export wizard driven through its pages offscreen, on files in a temp folder.

#include "platform/setting_table.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/transfer/import_log.h"
#include "support/event_builders.h"
#include "support/gui/palettes.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_progress.h"
#include "ui/transfer/transfer_wizard_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zm {
namespace {

using testing::At;
using testing::TempFolder;
using testing::WindowFixture;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

class TransferWizardTest : public ::testing::Test {
protected:
    TransferWizardTest() {
        EventRecord e = EventRecord::NewEvent(At(2026, 12, 20, 10, 0));
        e.name = "Dentist";
        events_.all.push_back(f_.Put(e));
        wizard_ =
            std::make_unique<TransferWizard>(f_.Context(), f_.boxes_, files_, events_, nullptr);
        wizard_->showLog = [this](const ImportLog& log) { shownLog_ = log; };
        wizard_->restart();
    }

    // From the start page to the file page with `path` typed in; true when the page was left.
    bool ToFilePage(bool import, int kind, const std::string& path) {
        (import ? wizard_->StartPage()->ImportButton() : wizard_->StartPage()->ExportButton())
            ->setChecked(true);
        wizard_->next();
        wizard_->KindPage()->Kinds()->setCurrentRow(kind);
        wizard_->next();
        EXPECT_EQ(wizard_->currentId(), kFilePage);
        wizard_->FilePage()->PathEdit()->setText(QString::fromStdString(path));
        const size_t boxes = f_.boxes_.shown.size();
        if (import) {
            wizard_->next();
            return wizard_->currentId() != kFilePage;
        }
        // The file page is the last one of an export: leaving it is Finish.
        return wizard_->validateCurrentPage() && f_.boxes_.shown.size() == boxes;
    }

    WindowFixture f_;
    TempFolder folder_;
    PosixFileSystem files_;
    TransferEvents events_;
    std::unique_ptr<TransferWizard> wizard_;
    std::optional<ImportLog> shownLog_;
};

TEST_F(TransferWizardTest, LeavingTheExportFilePageKeepsAnExistingFileUntilTheExport) {
    const std::string path = folder_.File("keep.csv");
    WriteAll(path, "precious bytes\r\n");
    ASSERT_TRUE(ToFilePage(false, 1, path));
    EXPECT_EQ(ReadAll(path), "precious bytes\r\n"); // the user may still cancel
    wizard_->reject();
    EXPECT_EQ(ReadAll(path), "precious bytes\r\n");

    // Finish replaces it with the export.
    wizard_->restart();
    ASSERT_TRUE(ToFilePage(false, 1, path));
    wizard_->accept();
    const TransferOutcome out = wizard_->Perform();
    EXPECT_EQ(out.code, LibraryResult::Ok);
    EXPECT_EQ(ReadAll(path).rfind("\"Name\",\"Date\",\"Time\"", 0), 0u);
    EXPECT_NE(ReadAll(path).find("\"Dentist\""), std::string::npos);
}

TEST_F(TransferWizardTest, TheExportFilePageLeavesNoTrialFileAndRefusesAnUnwritableOne) {
    const std::string fresh = folder_.File("fresh.txt");
    EXPECT_TRUE(ToFilePage(false, 3, fresh));
    EXPECT_FALSE(std::filesystem::exists(fresh));

    wizard_->restart();
    const std::string nowhere = folder_.File("missing/out.txt");
    EXPECT_FALSE(ToFilePage(false, 3, nowhere));
    EXPECT_TRUE(f_.boxes_.LastText().startsWith(Text(IDS_IE_CANNOT_WRITE) +
                                                QString::fromStdString(nowhere)));
    EXPECT_EQ(wizard_->currentId(), kFilePage);
}

TEST_F(TransferWizardTest, AnExportNeverReplacesTheProgramsOwnFiles) {
    EventStore store(StoreSetup{nullptr, [this] { return f_.now_; }, {}, folder_.Path()});
    ASSERT_EQ(store.OpenDefaultLibrary(), LibraryResult::Ok);
    WindowContext context{
        store,        f_.types_, f_.quick_, f_.settings_, f_.options_, f_.formats_, f_.names_,
        f_.workArea_, f_.sound_, nullptr,   false,        {},          {}};
    const std::string types = folder_.File("Zantimo.VRT");
    WriteAll(types, "types");
    wizard_ = std::make_unique<TransferWizard>(context, f_.boxes_, files_, events_, nullptr);
    wizard_->restart();
    EXPECT_FALSE(ToFilePage(false, 4, types));
    EXPECT_EQ(f_.boxes_.LastText().toStdString(), FormatText(IDS_EXPORT_ONTO_OWN_FILE, {types}));
    EXPECT_EQ(ReadAll(types), "types");
}

TEST_F(TransferWizardTest, AFileToImportMustBeReadable) {
    EXPECT_FALSE(ToFilePage(true, 1, folder_.File("absent.csv")));
    EXPECT_TRUE(f_.boxes_.LastText().startsWith(Text(IDS_IE_CANNOT_READ)));
}

TEST_F(TransferWizardTest, ATextImportGoesThroughThePagesToTheSummaryAndTheLog) {
    const std::string path = folder_.File("in.csv");
    WriteAll(path, "Name,Date\r\nLunch,12/31/2030\r\nLate,31/12/2030\r\n\r\n");
    ASSERT_TRUE(ToFilePage(true, 1, path));
    ASSERT_EQ(wizard_->currentId(), kFieldsPage);
    QTreeWidget* rows = wizard_->FieldsPage()->Rows();
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(1)->text(0), "Date");
    EXPECT_EQ(rows->topLevelItem(1)->text(1), Text(IDS_IE_FIELD_DATE));
    EXPECT_EQ(rows->topLevelItem(1)->text(2), "12/31/2030");
    wizard_->FieldsPage()->OrderBox()->setCurrentIndex(0);
    wizard_->next();
    ASSERT_EQ(wizard_->currentId(), kDefaultsPage);
    wizard_->accept();
    EXPECT_EQ(wizard_->result(), QDialog::Accepted);

    f_.boxes_.Answer(BoxAnswer::Yes);
    const TransferOutcome out = wizard_->Perform();
    EXPECT_EQ(out.code, LibraryResult::Ok);
    EXPECT_EQ(out.imported, 1);
    EXPECT_EQ(f_.boxes_.LastText(), QString::fromStdString(ImportSummary(1, 1)));
    ASSERT_TRUE(shownLog_);
    EXPECT_EQ(*shownLog_, (ImportLog{{3, kReasonInvalidDate}}));
    EXPECT_EQ(ReadInt(f_.settings_, SettingId::ImportDateOrder), 0);
    int lunches = 0;
    (void)f_.store_.ForEachStored([&](uint16_t key) {
        lunches += f_.store_.ReadStored(key).Value().name == "Lunch";
        return LibraryResult::Ok;
    });
    EXPECT_EQ(lunches, 1);
}

TEST_F(TransferWizardTest, AHeaderThatNamesTheFieldsBindsThemAndACleanImportOffersNoLog) {
    const std::string path = folder_.File("in.csv");
    WriteAll(path, "Name,Date,Time,Notes\r\nLunch,12/31/2030,12:30,with Ann\r\n");
    ASSERT_TRUE(ToFilePage(true, 1, path));
    ASSERT_EQ(wizard_->currentId(), kFieldsPage);
    TransferFieldsPage* page = wizard_->FieldsPage();
    QTreeWidget* rows = page->Rows();
    const auto boundTo = [&](int row) { return rows->topLevelItem(row)->text(1); };
    ASSERT_EQ(rows->topLevelItemCount(), 4);
    EXPECT_TRUE(page->HeaderBox()->isChecked());
    EXPECT_EQ(boundTo(3), Text(IDS_IE_FIELD_NOTES));
    EXPECT_EQ(rows->topLevelItem(3)->text(2), "with Ann");

    // Without the header line the fields go by position; with it again, by name.
    page->HeaderBox()->setChecked(false);
    EXPECT_EQ(boundTo(3), Text(IDS_IE_FIELD_DURATION));
    page->HeaderBox()->setChecked(true);
    EXPECT_EQ(boundTo(3), Text(IDS_IE_FIELD_NOTES));
    // The user can still bind a field otherwise.
    page->BindRow(3, -1);
    EXPECT_EQ(boundTo(3), "");
    page->BindRow(3, kFieldNotes);

    page->OrderBox()->setCurrentIndex(0);
    wizard_->next();
    ASSERT_EQ(wizard_->currentId(), kDefaultsPage);
    wizard_->accept();
    const TransferOutcome out = wizard_->Perform();
    EXPECT_EQ(out.imported, 1);
    ASSERT_FALSE(f_.boxes_.shown.empty());
    EXPECT_EQ(f_.boxes_.shown.back().text, QString::fromStdString(ImportSummary(1, 0)));
    EXPECT_EQ(f_.boxes_.shown.back().icon, BoxIcon::Information);
    EXPECT_FALSE(shownLog_);
    bool found = false;
    (void)f_.store_.ForEachStored([&](uint16_t key) {
        const EventRecord e = f_.store_.ReadStored(key).Value();
        if (e.name == "Lunch") {
            found = true;
            EXPECT_EQ(e.notes, "with Ann");
            EXPECT_EQ(e.duration, TimeAmount(30));
        }
        return LibraryResult::Ok;
    });
    EXPECT_TRUE(found);
}

TEST_F(TransferWizardTest, TheFieldsPageNeedsNameAndDateAndAsksAboutAMismatchedDate) {
    const std::string path = folder_.File("in.txt");
    WriteAll(path, "Lunch\t12/31/2030\tnotes\r\n");
    WriteInt(f_.settings_, SettingId::ImportDateOrder, 1);
    wizard_ = std::make_unique<TransferWizard>(f_.Context(), f_.boxes_, files_, events_, nullptr);
    wizard_->restart();
    ASSERT_TRUE(ToFilePage(true, 3, path));
    TransferFieldsPage* page = wizard_->FieldsPage();
    page->HeaderBox()->setChecked(false);
    ASSERT_EQ(page->Rows()->topLevelItemCount(), 3);
    EXPECT_EQ(page->Rows()->topLevelItem(0)->text(0), "Field 0");
    EXPECT_EQ(page->OrderBox()->currentIndex(), 1);

    // The bind menu checks the row's binding; skipping Date leaves it unbound.
    std::unique_ptr<QMenu> menu(page->BindMenu(1));
    ASSERT_EQ(menu->actions().size(), 7);
    EXPECT_TRUE(menu->actions()[2]->isChecked());
    menu->actions()[0]->trigger();
    EXPECT_EQ(page->Rows()->topLevelItem(1)->text(1), "");
    wizard_->next();
    EXPECT_EQ(wizard_->currentId(), kFieldsPage);
    EXPECT_EQ(f_.boxes_.LastText(), Text(IDS_IE_BIND_NAME_AND_DATE));

    // Bound again: 12/31/2030 is no day-month-year date.
    page->BindRow(1, kFieldDate);
    wizard_->next(); // answered No
    EXPECT_EQ(wizard_->currentId(), kFieldsPage);
    EXPECT_EQ(f_.boxes_.LastText(), Text(IDS_IE_ASK_DATE_MISMATCH));
    f_.boxes_.Answer(BoxAnswer::Yes);
    wizard_->next();
    EXPECT_EQ(wizard_->currentId(), kDefaultsPage);
}

struct DefaultsCase {
    const char* reminder;
    const char* duration;
    int recurrence; // 0 none ... 4 yearly
    int message;    // 0: accepted
};

class DefaultsPageTest : public TransferWizardTest,
                         public ::testing::WithParamInterface<DefaultsCase> {};

TEST_P(DefaultsPageTest, ChecksTheAmountsAgainstTheRecurrence) {
    const DefaultsCase c = GetParam();
    const std::string path = folder_.File("in.csv");
    WriteAll(path, "Name,Date\r\nLunch,12/31/2030\r\n");
    ASSERT_TRUE(ToFilePage(true, 1, path));
    wizard_->next();
    TransferDefaultsPage* page = wizard_->DefaultsPage();
    ASSERT_EQ(wizard_->currentId(), kDefaultsPage);
    page->ReminderBox()->setEditText(c.reminder);
    page->DurationBox()->setEditText(c.duration);
    page->TypeBox()->setCurrentIndex(2);
    page->RecurrenceButton(c.recurrence)->setChecked(true);
    const size_t boxes = f_.boxes_.shown.size();
    EXPECT_EQ(page->validatePage(), c.message == 0);
    if (c.message != 0) {
        EXPECT_EQ(f_.boxes_.LastText(), Text(c.message));
    } else {
        EXPECT_EQ(f_.boxes_.shown.size(), boxes);
        const TextImportDefaults& d = wizard_->Choices().defaults;
        EXPECT_EQ(d.advance, TimeAmount::Of(AmountUnit::Minute, 15));
        EXPECT_EQ(d.duration, TimeAmount::Of(AmountUnit::Hour, 2));
        EXPECT_EQ(d.recurrence, static_cast<uint32_t>(kKindWeekly));
        EXPECT_EQ(d.typeName, page->TypeBox()->itemText(2).toStdString());
        EXPECT_EQ(page->DurationBox()->currentText(), "2 hours");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultsPageTest,
    ::testing::Values(DefaultsCase{"40000", "30 minutes", 0, IDS_DURATION_TOO_LARGE},
                      DefaultsCase{"0", "soon", 0, IDS_DURATION_NOT_VALID},
                      DefaultsCase{"1 day", "30 minutes", 1, IDS_ADVANCE_BEFORE_PREVIOUS},
                      DefaultsCase{"0", "1 week", 2, IDS_DURATION_TOO_LONG_FOR_PATTERN},
                      DefaultsCase{"15", "2 h", 2, 0}));

class Screenshots : public TransferWizardTest {};

TEST_F(Screenshots, Wizard) {
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    const auto save = [](QWidget* w, const char* name) {
        w->grab().save(QString(ZM_SCREENSHOT_DIR) + "/" + name);
    };
    const std::string path = folder_.File("in.csv");
    WriteAll(path, "Name,Date,Time,Notes\r\nLunch,12/31/2030,12:30,with Ann\r\nLate,31/12/2030,"
                   "9:00,\r\n");
    wizard_->show();
    save(wizard_.get(), "wizard-page-1.png");
    wizard_->next();
    wizard_->KindPage()->Kinds()->setCurrentRow(1);
    save(wizard_.get(), "wizard-page-2.png");
    wizard_->next();
    wizard_->FilePage()->PathEdit()->setText(QString::fromStdString(path));
    save(wizard_.get(), "wizard-page-3.png");
    wizard_->next();
    testing::InEachPalette([&](const testing::NamedPalette& palette) {
        testing::SavePicture(*wizard_, QStringLiteral("wizard-page-4"),
                             palette); // the fields' binding
    });
    wizard_->next();
    save(wizard_.get(), "wizard-page-5.png");
    EXPECT_EQ(wizard_->currentId(), kDefaultsPage);

    ImportLogDialog log({{3, kReasonInvalidDate}, {5, kReasonDuplicateSkipped}}, nullptr);
    ASSERT_EQ(log.Lines()->count(), 2);
    EXPECT_EQ(log.Lines()->item(0)->text(), "The record 3 is not imported. Reason: invalid date.");
    EXPECT_EQ(log.windowTitle(), "Imort Log");
    log.show();
    save(&log, "import-log.png");
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(TransferProgress, ShowsItsDialogOnlyAfterTheDelay) {
    testing::TempFolder folder;
    WriteAll(folder.File("big.txt"), std::string(100000, 'x'));
    PosixFileSystem posix;
    for (const auto& [delay, shown] : {std::pair{std::chrono::milliseconds(0), true},
                                       std::pair{std::chrono::milliseconds(60000), false}}) {
        TransferProgress progress(nullptr, delay);
        ProgressFiles files(posix, progress);
        FileFailure failure;
        std::unique_ptr<File> file =
            files.Open(folder.File("big.txt"), FileMode::ReadOnly, failure);
        ASSERT_TRUE(file);
        uint64_t size = 0;
        char buffer[4096];
        ASSERT_EQ(file->Size(size), LibraryResult::Ok);
        ASSERT_EQ(file->ReadAt(0, buffer, sizeof buffer), LibraryResult::Ok);
        EXPECT_EQ(progress.Shown(), shown);
        EXPECT_EQ(QApplication::overrideCursor() != nullptr, true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace zm
