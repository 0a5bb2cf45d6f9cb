// Print jobs written to PDF files and read back: what each page shows, which rows and pages a
// choice gives, where the page starts on the paper, and the page-setup margins.

#include "platform/setting_table.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/print/print_job.h"
#include "ui/print/print_session.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

QString RowName(int i) {
    return QString("Row %1").arg(i, 3, 10, QChar('0'));
}

std::shared_ptr<PrintSource> Rows(int count) {
    auto source = std::make_shared<PrintSource>();
    for (int i = 0; i < count; ++i) {
        PrintRow row;
        row.cells[kColumnName] = RowName(i).toStdString();
        row.cells[kColumnType] = "Meeting";
        source->rows.push_back(row);
    }
    source->timeSpan = "December 2026";
    source->date = "Monday, 7 December 2026";
    return source;
}

constexpr PaperGeometry kA4{{0, 0, 2100, 2970}, {0, 0, 2100, 2970}};

// The first page on white paper at a resolution.
QImage FirstPage(const PrintDocument& document, double dotsPerInch) {
    QImage page(qRound(210 / 25.4 * dotsPerInch), qRound(297 / 25.4 * dotsPerInch),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    MapToPageUnits(painter, dotsPerInch, dotsPerInch);
    document.DrawPage(painter, 0);
    return page;
}

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() {
        session_.metric = true;
        session_.printDialog = [this](QPrinter& printer, int pages, bool hasSelection, QWidget*) {
            offeredPages_ = pages;
            offeredSelection_ = hasSelection;
            printer.setOutputFileName(pdf_);
            return choice_;
        };
        session_.Printer().setPageSize(QPageSize(QPageSize::A4));
    }

    std::vector<QString> Print(const std::shared_ptr<PrintSource>& source) {
        session_.Print(source);
        return PdfPages(pdf_);
    }

    WindowFixture f_;
    QWidget window_;
    PrintSession session_{f_.Context(), f_.boxes_, window_};
    TempFolder folder_;
    QString pdf_ = QString::fromStdString(folder_.File("events.pdf"));
    std::optional<PrintChoice> choice_ = PrintChoice{};
    int offeredPages_ = 0;
    bool offeredSelection_ = true;
};

TEST_F(PrintJobTest, APageShowsTheHeaderTheRowsInOrderTheirNotesAndTheFooter) {
    auto source = Rows(3);
    source->rows[1].notes = "Bring the insurance card";
    const std::vector<QString> pages = Print(source);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(offeredPages_, 1);
    EXPECT_FALSE(offeredSelection_);
    const QString& page = pages[0];
    for (const char* text : {"Events", "December 2026", "Name", "Type", "Meeting",
                             "Bring the insurance card", "Monday, 7 December 2026", "Page 1"})
        EXPECT_TRUE(page.contains(text)) << text;
    EXPECT_LT(page.indexOf("Events"), page.indexOf("Row 000"));
    EXPECT_LT(page.indexOf("Row 000"), page.indexOf("Row 001"));
    EXPECT_LT(page.indexOf("Row 001"), page.indexOf("insurance"));
    EXPECT_LT(page.indexOf("insurance"), page.indexOf("Row 002"));
    EXPECT_LT(page.indexOf("Row 002"), page.indexOf("Page 1"));
}

TEST_F(PrintJobTest, TheSelectionAndPageRangesAreLaidOutAfterTheDialog) {
    auto source = Rows(100);
    source->rows[10].selected = source->rows[80].selected = true;
    choice_ = PrintChoice{true};
    std::vector<QString> pages = Print(source);
    EXPECT_GE(offeredPages_, 3); // all the rows
    EXPECT_TRUE(offeredSelection_);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages[0].indexOf("Row 010"), pages[0].indexOf("Row 080"));
    EXPECT_GE(pages[0].indexOf("Row 010"), 0);
    EXPECT_FALSE(pages[0].contains("Row 011"));

    struct Case {
        int first, last;
        std::vector<QString> numbers;
    } const cases[] = {{2, 2, {"Page 2"}}, {2, 3, {"Page 2", "Page 3"}}, {1, 1, {"Page 1"}}};
    for (const Case& c : cases) {
        choice_ = PrintChoice{false, c.first, c.last};
        pages = Print(source);
        ASSERT_EQ(pages.size(), c.numbers.size()) << c.first;
        for (size_t i = 0; i < pages.size(); ++i)
            EXPECT_TRUE(pages[i].contains(c.numbers[i])) << c.first << " " << i;
        EXPECT_EQ(pages[0].contains("Row 000"), c.first == 1);
    }
}

TEST_F(PrintJobTest, WithEveryOptionOffTheFrameAndTheColumnTitlesRemain) {
    for (SettingId id :
         {SettingId::PrintTitle, SettingId::PrintTimeSpan, SettingId::PrintColour,
          SettingId::PrintNotes, SettingId::PrintDateTime, SettingId::PrintPageNumber})
        WriteBool(f_.settings_, id, false);
    auto source = Rows(1);
    source->rows[0].notes = "Hidden note";
    const std::vector<QString> pages = Print(source);
    ASSERT_EQ(pages.size(), 1u);
    for (const char* text : {"Events", "December 2026", "Page", "Hidden note", "2026"})
        EXPECT_FALSE(pages[0].contains(text)) << text;
    EXPECT_TRUE(pages[0].contains("Name"));
    EXPECT_TRUE(pages[0].contains("Row 000"));
}

TEST_F(PrintJobTest, ARowTallerThanThePageIsPrintedClippedOnAPageOfItsOwn) {
    auto source = Rows(3);
    for (int line = 0; line < 300; ++line)
        source->rows[1].notes += "Note line " + std::to_string(line) + "\n";
    const std::vector<QString> pages = Print(source);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[0].contains("Row 000"));
    EXPECT_FALSE(pages[0].contains("Row 001"));
    EXPECT_TRUE(pages[1].contains("Row 001"));
    EXPECT_TRUE(pages[1].contains("Note line 0"));
    EXPECT_FALSE(pages[1].contains("Note line 299"));
    EXPECT_TRUE(pages[2].contains("Row 002"));
    EXPECT_TRUE(pages[2].contains("Page 3"));
}

TEST_F(PrintJobTest, CellTextsArePrintedWholeOrMarkedAsCut) {
    auto source = Rows(3);
    PrintRow& row = source->rows[1];
    row.cells[kColumnName] = "Payment of the yearly insurance premium for the house and the car, "
                             "with the receipt from last year";
    row.cells[kColumnTime] = "Mon 7 12 2026 10:00";
    row.cells[kColumnDuration] = "30 minutes";
    row.cells[kColumnAge] = "12";
    row.cells[kColumnType] = "Payment";
    row.cells[kColumnRecurrence] = "Every week on Monday";
    const std::vector<QString> pages = Print(source);
    ASSERT_EQ(pages.size(), 1u);
    const QString& page = pages[0];
    for (const char* text : {"Mon 7 12 2026 10:00", "30 minutes", "Payment", "Recurrence",
                             "Every week on Monday", "Duration"})
        EXPECT_TRUE(page.contains(text)) << text << "\n" << page.toStdString();
    // The name wraps in its column: every word is there, none is cut.
    for (const QString& word : QString::fromStdString(row.cells[kColumnName]).split(' '))
        EXPECT_TRUE(page.contains(word)) << word.toStdString();
    EXPECT_FALSE(page.contains(QChar(0x2026)));

    // A text longer than the page can give its column ends in an ellipsis; the others stay.
    row.cells[kColumnRecurrence] = "Monthly";
    row.cells[kColumnType] = std::string(80, 'T');
    const QString cut = Print(source).at(0);
    EXPECT_TRUE(cut.contains(QChar(0x2026))) << cut.toStdString();
    for (const char* text : {"Mon 7 12 2026 10:00", "30 minutes", "Monthly", "Recurrence"})
        EXPECT_TRUE(cut.contains(text)) << text << "\n" << cut.toStdString();
}

TEST_F(PrintJobTest, AnEmptyListPrintsOnePageWithTheHeader) {
    const std::vector<QString> pages = Print(Rows(0));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].contains("Events"));
    EXPECT_TRUE(pages[0].contains("Name"));
}

TEST_F(PrintJobTest, AJobThatCannotStartSaysSoAndGivesTheWindowBack) {
    pdf_ = QString::fromStdString(folder_.File("missing/events.pdf"));
    Print(Rows(2));
    EXPECT_EQ(f_.boxes_.LastText(), "Could not start print job.");
    EXPECT_TRUE(window_.isEnabled());
    // Cancelled by the dialog: nothing at all.
    choice_.reset();
    f_.boxes_.shown.clear();
    Print(Rows(2));
    EXPECT_TRUE(f_.boxes_.shown.empty());
}

TEST_F(PrintJobTest, ACancelBeforeAPageAbandonsTheDocument) {
    session_.Printer().setOutputFileName(pdf_);
    const PrintDocument document(Rows(100), f_.settings_, true,
                                 GeometryOf(session_.Printer().pageLayout()), false);
    std::vector<int> asked;
    const PrintResult result = PrintPages(document, session_.Printer(), 1, 3, [&](int page) {
        asked.push_back(page);
        return page < 2;
    });
    EXPECT_EQ(result, PrintResult::Aborted);
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
}

TEST_F(PrintJobTest, TheMarginsAreMeasuredFromThePapersCorner) {
    struct Case {
        bool metric;
        double mm; // the default margin
    } const cases[] = {{true, 25.0}, {false, 25.4}};
    for (const Case& c : cases) {
        session_.metric = c.metric;
        Print(Rows(1));
        const std::vector<PdfWord> words = PdfWords(pdf_);
        const auto title = std::find_if(words.begin(), words.end(),
                                        [](const PdfWord& w) { return w.text == "Events"; });
        ASSERT_NE(title, words.end());
        EXPECT_NEAR(title->xMin, c.mm * kPointsPerMm, 2.0) << c.metric;
        EXPECT_NEAR(title->yMin, c.mm * kPointsPerMm, 3.0) << c.metric;
    }
}

TEST_F(PrintJobTest, PageSetupStartsFromTheStoredMarginsAndWritesThemBack) {
    QMarginsF shown;
    std::optional<QMarginsF> chosen;
    session_.pageSetupDialog = [&](QPrinter& printer, QWidget*) {
        shown = printer.pageLayout().margins(QPageLayout::Millimeter);
        if (!chosen) return false;
        printer.setPageMargins(*chosen, QPageLayout::Millimeter);
        return true;
    };
    session_.PageSetup();
    EXPECT_EQ(shown, QMarginsF(25, 25, 25, 25));
    EXPECT_FALSE(ReadEdges(f_.settings_, SettingId::PageMargins)); // cancelled: nothing stored

    chosen = QMarginsF(25, 25, 25, 25);
    for (int save = 0; save < 3; ++save)
        session_.PageSetup();
    EXPECT_EQ(ReadPageMargins(f_.settings_, true), (Edges{2500, 2500, 2500, 2500}));
    chosen = QMarginsF(12.5, 20, 30, 7);
    session_.PageSetup();
    EXPECT_EQ(ReadPageMargins(f_.settings_, true), (Edges{1250, 2000, 3000, 700}));
}

TEST_F(PrintJobTest, TextIsPrintedReadablyOnWhiteWhateverTheTypeColour) {
    auto source = Rows(1);
    source->rows[0].cells[kColumnName] = "WWWWWWWWWWWWWWWW";
    source->rows[0].colour = 0xFFFFFF; // white, unreadable on paper
    const QImage page = FirstPage(PrintDocument(source, f_.settings_, true, kA4, false), 50.8);
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 160;
    EXPECT_GT(dark, 200);
}

TEST(Screenshots, PrintedPage) {
    WindowFixture f;
    auto source = Rows(12);
    const char* types[] = {"Birthday", "Meeting", "Bill", "Appointment"};
    const uint32_t colours[] = {0xC00000, 0x0000C0, 0x008000, 0xFFFF00};
    for (size_t i = 0; i < source->rows.size(); ++i) {
        PrintRow& row = source->rows[i];
        row.cells[kColumnTime] = "Mon 7 Dec 2026 " + std::to_string(8 + i) + ":00";
        row.cells[kColumnDuration] = "1 hour";
        row.cells[kColumnType] = types[i % 4];
        row.colour = colours[i % 4];
        if (i % 3 == 0) row.cells[kColumnRecurrence] = "Every week on Monday";
        if (i % 5 == 1)
            row.notes = "Bring the papers for the quarterly review and the new budget "
                        "figures; ask about the room for next month.";
    }
    const QImage page = FirstPage(PrintDocument(source, f.settings_, true, kA4, false), 100);
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    EXPECT_TRUE(page.save(QString(ZM_SCREENSHOT_DIR) + "/printed-page.png"));
}

} // namespace
} // namespace zm::testing
