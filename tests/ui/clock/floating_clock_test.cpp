#include "support/fake_clock.h"
#include "support/fake_work_area.h"
#include "support/memory_file_system.h"
#include "support/recording_sound_backend.h"
#include "ui/clock/clock_tooltip.h"
#include "ui/clock/floating_clock.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCursor>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::SoundCall;

struct ClockFixture {
    explicit ClockFixture(DateTime now = DateTime::FromParts(2026, 12, 7, 9, 59, 58))
        : now_(now), store_(StoreSetup{&fs_, [this] { return now_; }, {}, "/prog"}) {
        fs_.folders.insert("/prog");
        types_.CreatePredefined();
        store_.SetTypeLookup([this](const std::string& name) { return types_.FindType(name); });
        EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
        EXPECT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    }
    size_t Chimes(const char* name) const {
        return std::count_if(sound_.calls.begin(), sound_.calls.end(), [&](const SoundCall& c) {
            return c.what == SoundCall::Kind::WaveData && c.file == name;
        });
    }

    DateTime now_;
    MemoryFileSystem fs_;
    EventStore store_;
    TypeList types_;
    LocaleFormats formats_;
    EnglishLocaleFormatter formatter_;
    FakeClock clock_;
    ProgramSettings options_;
    testing::RecordingSoundBackend sound_;
    FakeWorkArea workArea_;
    ClockEnvironment env_{store_,   types_, formats_,  formatter_, clock_,
                          options_, sound_, workArea_, false};
};

TEST(FloatingClock, AScreenReaderReadsItsNameAndTheShownTimeAsItsValueOnceASecond) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.SetFormat("HH:mm:ss");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&clock);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_TRUE(a->state().readOnly);
    EXPECT_EQ(a->text(QAccessible::Name), "Clock");
    EXPECT_EQ(a->text(QAccessible::Value), "09:59:58");
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->currentValue().toDouble(), 9 * 3600 + 59 * 60 + 58);

    // Four ticks a second: the value changes, and is told, once a second; the name never.
    const int told = clock.ValueChangesTold();
    const DateTime start = fx.now_;
    for (int tick = 0; tick < 8; ++tick)
        clock.TickAt(start + DateTimeSpan::Seconds(tick / 4));
    EXPECT_EQ(clock.ValueChangesTold(), told + 1);
    EXPECT_EQ(a->text(QAccessible::Value), "09:59:59");
    EXPECT_EQ(a->text(QAccessible::Name), "Clock");
}

TEST(FloatingClock, EmptyAndTwoLineFormats) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.SetFormat("");
    EXPECT_EQ(clock.Text(), "Empty Clock\n");
    clock.SetFormat("HH:mm");
    EXPECT_EQ(clock.Text(), "09:59\n");
    const QSize oneLine = clock.size();
    clock.SetFormat("HH:mm|dddd");
    EXPECT_EQ(clock.Text(), "09:59\nMonday\n");
    EXPECT_GT(clock.height(), oneLine.height() + QFontMetrics(clock.font()).height() / 2);
    clock.SetBorder(false);
    clock.SetMargins(0);
    EXPECT_EQ(clock.height(), QFontMetrics(clock.font())
                                  .boundingRect(QRect(0, 0, 1000, 1000), 0, "09:59\nMonday")
                                  .height());
}

TEST(FloatingClock, DrawsAgainOnlyWhenTheTextChanges) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.SetFormat("HH:mm");
    clock.show();
    QCoreApplication::processEvents();
    const int paints = clock.Paints();
    for (int second = 0; second < 8; ++second)
        clock.TickAt(DateTime::FromParts(2026, 12, 7, 9, 59, second));
    QCoreApplication::processEvents();
    EXPECT_EQ(clock.Paints(), paints);
    clock.TickAt(DateTime::FromParts(2026, 12, 7, 10, 0, 0));
    QCoreApplication::processEvents();
    EXPECT_GT(clock.Paints(), paints);
}

TEST(FloatingClock, ChimesOncePerHalfHourAndNotWithTheSoundOff) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.show();
    for (int tick = 0; tick < 4 * 120; ++tick)
        clock.TickAt(DateTime::FromParts(2026, 12, 7, 10, tick / 240, tick / 4 % 60));
    EXPECT_EQ(fx.Chimes("hour-chime"), 1u);
    fx.options_.reminderSound = false;
    clock.TickAt(DateTime::FromParts(2026, 12, 7, 10, 30, 0));
    EXPECT_EQ(fx.Chimes("half-hour-chime"), 0u);
    fx.options_.reminderSound = true;
    clock.hide();
    clock.TickAt(DateTime::FromParts(2026, 12, 7, 11, 0, 0));
    EXPECT_EQ(fx.Chimes("hour-chime"), 1u);
}

TEST(FloatingClock, ClicksAndStartPosition) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.PlaceAtStart(Point{5000, 5000});
    EXPECT_EQ(clock.Position().y, 1);
    EXPECT_LT(clock.Position().x + clock.width(), 1920 - 4);
    clock.PlaceAtStart(Point{100, 200});
    EXPECT_EQ(clock.Position(), (Point{100, 200}));
    clock.show();
    QSignalSpy right(&clock, &FloatingClock::rightClicked);
    QSignalSpy left(&clock, &FloatingClock::leftPressed);
    QSignalSpy twice(&clock, &FloatingClock::doubleClicked);
    QTest::mouseClick(&clock, Qt::RightButton);
    QTest::mouseClick(&clock, Qt::LeftButton);
    QTest::mouseDClick(&clock, Qt::LeftButton);
    EXPECT_EQ(right.count(), 1);
    EXPECT_GE(left.count(), 1);
    EXPECT_EQ(twice.count(), 1);
}

TEST(FloatingClock, TooltipListsTodaysUpcomingReminders) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.show();
    clock.ShowTooltip();
    ASSERT_TRUE(clock.Tooltip().isVisible());
    EXPECT_TRUE(clock.Tooltip().Header().startsWith("Monday"));
    EXPECT_TRUE(clock.Tooltip().Items().Items().empty());

    EventRecord e = EventRecord::NewEvent(fx.now_);
    e.name = "Dentist";
    e.start = DateTime::FromParts(2026, 12, 7, 15, 0);
    ASSERT_EQ(fx.store_.StoreNew(e), LibraryResult::Ok);
    QTest::mouseClick(&clock, Qt::LeftButton); // hides it
    EXPECT_FALSE(clock.Tooltip().isVisible());
    clock.ShowTooltip();
    ASSERT_EQ(clock.Tooltip().Items().Items().size(), 1u);
    EXPECT_EQ(clock.Tooltip().Items().Items()[0].name, "Dentist");
}

TEST(FloatingClock, TheTooltipGoesWhenThePointerLeavesUntoldOrTheClockMoves) {
    ClockFixture fx;
    FloatingClock clock(fx.env_);
    clock.PlaceAtStart(Point{100, 200});
    clock.show();
    // Dragged: after the desktop has moved it, it may hear nothing of the mouse leaving.
    QTest::mousePress(&clock, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&clock, QPoint(45, 35));
    QTest::mouseRelease(&clock, Qt::LeftButton, {}, QPoint(45, 35));
    ASSERT_NE(clock.Position(), (Point{100, 200}));
    QCursor::setPos(clock.frameGeometry().center());
    clock.ShowTooltip();
    ASSERT_TRUE(clock.Tooltip().isVisible());
    clock.TickAt(fx.now_);
    EXPECT_TRUE(clock.Tooltip().isVisible()) << "the pointer still rests on it";
    QCursor::setPos(clock.frameGeometry().bottomRight() + QPoint(300, 300));
    clock.TickAt(fx.now_);
    EXPECT_FALSE(clock.Tooltip().isVisible());

    // Moved while it shows: the tooltip does not stay behind.
    QCursor::setPos(clock.frameGeometry().center());
    clock.ShowTooltip();
    ASSERT_TRUE(clock.Tooltip().isVisible());
    clock.move(clock.pos() + QPoint(60, 0));
    EXPECT_FALSE(clock.Tooltip().isVisible());
}

TEST(Screenshots, Clock) {
    ClockFixture fx(DateTime::FromParts(2026, 12, 7, 14, 5, 9));
    for (const auto& [name, hour] : {std::pair{"Dentist", 15}, {"Team meeting", 16}}) {
        EventRecord e = EventRecord::NewEvent(fx.now_);
        e.name = name;
        e.typeIndex = 1;
        e.start = DateTime::FromParts(2026, 12, 7, hour, 30);
        ASSERT_EQ(fx.store_.StoreNew(e), LibraryResult::Ok);
    }
    FloatingClock clock(fx.env_);
    clock.SetFormat("hh:mm:ss tt|dddd, d MMMM");
    clock.SetAlignment(ClockAlignment::Centred);
    clock.show();
    clock.ShowTooltip();
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    EXPECT_TRUE(clock.grab().save(ZM_SCREENSHOT_DIR "/clock.png"));
    EXPECT_TRUE(clock.Tooltip().grab().save(ZM_SCREENSHOT_DIR "/clock-tooltip.png"));
}

} // namespace
} // namespace zm
