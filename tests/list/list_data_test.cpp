// What the list keeps and exchanges: its column settings, the clipboard data, pasted events,
// the delete question and readable type colours.

#include "format/colour_contrast.h"
#include "list/column_settings.h"
#include "list/delete_question.h"
#include "list/list_clipboard.h"
#include "list/paste_rule.h"
#include "platform/memory_settings.h"
#include "store/library/event_serializer.h"
#include "store/types/predefined_types.h"
#include "store/types/type_list.h"
#include "support/event_builders.h"

#include <cctype>
#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

TEST(ColumnSettings, AnOrderThatIsNoPermutationReadsAsTheDefault) {
    using Order = std::array<int, kListColumnCount>;
    EXPECT_EQ(ColumnOrderFromBlock(ColumnOrderBlock({5, 4, 3, 2, 1, 0})),
              (Order{5, 4, 3, 2, 1, 0}));
    EXPECT_FALSE(ColumnOrderFromBlock(ColumnOrderBlock({0, 0, 1, 2, 3, 4})));
    EXPECT_FALSE(ColumnOrderFromBlock(ColumnOrderBlock({0, 1, 2, 3, 4, 6})));
    EXPECT_FALSE(ColumnOrderFromBlock(ColumnOrderBlock({0, 1, 2, 3, 4, -1})));
    auto block = ColumnOrderBlock({0, 1, 2, 3, 4, 5});
    block.pop_back();
    EXPECT_FALSE(ColumnOrderFromBlock(block));

    MemorySettings settings;
    settings.Write("MainWindow/ColumnOrder", "000000000000000000000000000000000000000000000000");
    settings.Write("MainWindow/Sort", "9");
    settings.Write("MainWindow/Columns/Age", "-4");
    settings.Write("MainWindow/Columns/Type", "77");
    ColumnLayout layout = ReadColumnLayout(settings);
    EXPECT_EQ(layout.order, kDefaultColumnOrder);
    EXPECT_EQ(layout.sort, (SortOrder{kColumnKey, false}));
    EXPECT_EQ(layout.widths[kColumnAge], 50);
    EXPECT_EQ(layout.widths[kColumnType], 77);

    layout.order = {3, 0, 1, 2, 4, 5};
    layout.sort = {kColumnName, true};
    EXPECT_EQ(layout.userWidths, 0u) << "none stored: every column follows its content";
    layout.userWidths = 0b100010;
    WriteColumnLayout(settings, layout);
    const ColumnLayout back = ReadColumnLayout(settings);
    EXPECT_EQ(back.userWidths, 0b100010u);
    EXPECT_EQ(back.order, layout.order);
    EXPECT_EQ(back.sort, layout.sort);
    EXPECT_EQ(SortWord(back.sort), 0x10000u);
    EXPECT_EQ(ReadColumnLayout(MemorySettings{}).sort, (SortOrder{kColumnTime, false}));
}

TEST(ColumnSettings, ADoubleClickedDividerFitsTheWiderOfTitleAndCellsWithTheIconsFirst) {
    EXPECT_EQ(FittingColumnWidth(40, 100, false), 108);
    EXPECT_EQ(FittingColumnWidth(40, 20, false), 54);
    EXPECT_EQ(FittingColumnWidth(40, 100, true), 156);
}

TEST(DeleteQuestion, CutsANameOf128CharactersOrMore) {
    const std::string name200(200, 'x');
    EXPECT_EQ(DeleteQuestion(1, name200),
              "Are you sure you want to delete '" + std::string(124, 'x') + "...' event?");
    EXPECT_EQ(DeleteQuestion(1, std::string(127, 'y')),
              "Are you sure you want to delete '" + std::string(127, 'y') + "' event?");
    EXPECT_EQ(DeleteQuestion(3, "a"), "Are you sure you want to delete these 3 events?");
}

std::vector<EventRecord> TwoEvents() {
    EventRecord a = testing::OneTime(At(2001, 1, 12, 7, 30));
    a.name = "Dentist";
    a.typeName = "Meeting";
    a.id = 77;
    EventRecord b = testing::Recurring(testing::kDaily, 1, At(2001, 1, 1, 8, 0));
    b.name = "Pills";
    b.notes = std::string(300, 'n');
    b.typeName = "Birthday";
    return {a, b};
}

TEST(ListClipboard, TheOwnFormatReadsBackWhatWasCopied) {
    const auto data = EncodeTransferData(TwoEvents());
    auto back = DecodeTransferData(data);
    ASSERT_TRUE(back.Ok());
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ(back.Value()[0].name, "Dentist");
    EXPECT_EQ(back.Value()[0].id, 77u);
    EXPECT_EQ(back.Value()[1].notes, std::string(300, 'n'));
}

TEST(ListClipboard, DataThatDoesNotHoldItsRecordsIsCorrupted) {
    const auto good = EncodeTransferData(TwoEvents());
    auto patched = [&](size_t at, uint32_t v) {
        auto data = good;
        for (int b = 0; b < 4; ++b)
            data[at + b] = static_cast<uint8_t>(v >> (8 * b));
        return data;
    };
    const size_t first = 4;
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {1, 0},
        patched(0, 3),                                          // more events than the data holds
        patched(0, 0xFFFFFFFF),                                 // an absurd count
        patched(first + 4, 127),                                // a record below 128 bytes
        patched(first + 4, 5121),                               // a record above 5,120 bytes
        patched(first + 4, static_cast<uint32_t>(good.size())), // beyond the data
        patched(first, 0x12345678),                             // not a stored event
        std::vector<uint8_t>(good.begin(), good.end() - 1),
    };
    for (const auto& data : bad) {
        const auto read = DecodeTransferData(data);
        EXPECT_FALSE(read.Ok());
        EXPECT_EQ(read.Code(), LibraryResult::Corrupted);
    }
    EXPECT_TRUE(DecodeTransferData(patched(0, 0)).Ok());
}

TEST(ListClipboard, CopiedTextHasOneTabbedLinePerEvent) {
    LocaleFormats formats;
    EnglishLocaleNames names;
    auto events = TwoEvents();
    events[0].listOccurrence = At(2001, 1, 12, 7, 30);
    events[1].listOccurrence = At(2001, 1, 20, 8, 0);
    const std::string listed = CopiedText(events, false, formats, names);
    EXPECT_EQ(listed, "Dentist\t" + formats.FormatDayDateTime(At(2001, 1, 12, 7, 30), false) +
                          "\tMeeting\t\r\nPills\t" +
                          formats.FormatDayDateTime(At(2001, 1, 20, 8, 0), false) +
                          "\tBirthday\tEvery day\r\n");
    EXPECT_NE(CopiedText(events, true, formats, names)
                  .find(formats.FormatDayDateTime(At(2001, 1, 1, 8, 0), false)),
              std::string::npos);
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

struct PasteCase {
    const char* what;
    ViewMode mode;
    DateTime viewDate;
    bool accepted; // before pasting
    DateTime start;
    bool acceptedAfter;
};

TEST(PasteRule, AOneTimeEventMovesToTheViewDateAndIsAcceptedOnlyInThePast) {
    const DateTime now = At(2001, 1, 10, 9, 0);
    const PasteCase cases[] = {
        {"into yesterday", ViewMode::Day, At(2001, 1, 9), false, At(2001, 1, 9, 7, 30), true},
        {"into tomorrow", ViewMode::Day, At(2001, 1, 11), true, At(2001, 1, 11, 7, 30), false},
        {"into today", ViewMode::Week, At(2001, 1, 10), true, At(2001, 1, 10, 7, 30), false},
        {"all mode keeps", ViewMode::All, At(2001, 1, 9), true, At(2001, 2, 3, 7, 30), true},
        {"same day keeps", ViewMode::Day, At(2001, 2, 3), true, At(2001, 2, 3, 7, 30), true},
    };
    TypeList types;
    types.CreatePredefined();
    for (const PasteCase& c : cases) {
        EventRecord event = testing::OneTime(At(2001, 2, 3, 7, 30));
        event.SetFlag(kAccepted, c.accepted);
        event.SetFlag(kSnoozed | kShown, true);
        event.id = 55;
        event.key = 9;
        event.typeName = Upper(types.Types()[2].name);
        ListViewState view;
        view.mode = c.mode;
        view.viewDate = c.viewDate;
        PreparePastedEvent(event, types, view, now, {});
        EXPECT_EQ(event.start, c.start) << c.what;
        EXPECT_EQ(event.Has(kAccepted), c.acceptedAfter) << c.what;
        EXPECT_FALSE(event.Has(kSnoozed) || event.Has(kShown)) << c.what;
        EXPECT_EQ(event.id, 0u);
        EXPECT_EQ(event.key, 0);
        EXPECT_EQ(event.typeIndex, 2) << c.what;
    }
    EventRecord unknown = testing::OneTime(At(2001, 2, 3));
    unknown.typeName = "No such type";
    unknown.typeIndex = 4;
    PreparePastedEvent(unknown, types, ListViewState{}, now, {});
    EXPECT_EQ(unknown.typeIndex, -1);
}

TEST(TextContrast, ADarkTypeColourBrightensOnADarkBackgroundAndStaysOnALightOne) {
    EXPECT_EQ(ReadableColour(0x000080, 0xFFFFFF), 0x000080u);
    const uint32_t onDark = ReadableColour(0x000080, 0x202020);
    EXPECT_GE(ContrastRatio(onDark, 0x202020), kLeastTextContrast);
    EXPECT_GT(onDark & 0xFF, (onDark >> 16) & 0xFF); // still blue
    EXPECT_GE(ContrastRatio(ReadableColour(0xFFFF00, 0xFFFFFF), 0xFFFFFF), kLeastTextContrast);
    EXPECT_EQ(RgbFromTypeColour(0x00332211), 0x112233u);
}

TEST(TextContrast, EveryPredefinedTypeColourIsReadableOnLightDarkAndPrintedRows) {
    // A light and a dark list's background; printing in colour draws on white.
    for (const uint32_t background : {0xFFFFFFu, 0xF7F7F7u, 0x2A2A2Au, 0x000000u})
        for (const PredefinedType& type : kPredefinedTypes)
            EXPECT_GE(ContrastRatio(ReadableColour(RgbFromTypeColour(type.colour), background),
                                    background),
                      4.5)
                << type.name << " on " << std::hex << background;
}

} // namespace
} // namespace zm
