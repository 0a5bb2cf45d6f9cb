// The reminder window's colours: the type's background stays, every text on it stays readable,
// in a light and a dark palette, for the predefined types and for colours a user may choose.

#include "format/colour_contrast.h"
#include "store/types/predefined_types.h"
#include "support/gui/palettes.h"
#include "ui/reminder/reminder_look.h"

#include <QApplication>
#include <QPalette>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zm::testing {
namespace {

// The least contrast of a text (WCAG 2.1 AA for normal text).
constexpr double kReadable = 4.5;

uint32_t Rgb(const QColor& c) {
    return c.rgb() & 0xFFFFFF;
}

double Ratio(const QColor& a, const QColor& b) {
    return ContrastRatio(Rgb(a), Rgb(b));
}

// The types to check: none (the system's colours), the predefined ones, and random user colours.
std::vector<std::optional<EventType>> TypesToCheck() {
    std::vector<std::optional<EventType>> types{std::nullopt};
    for (size_t i = 0; i < kPredefinedTypeCount; ++i)
        types.push_back(MakePredefinedType(i, SystemColours{}));
    std::mt19937 random(19);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    for (int i = 0; i < 500; ++i) {
        EventType t;
        t.flags = kTypeCustomColours;
        t.textColour = colour(random);
        t.backColour = colour(random);
        types.push_back(t);
    }
    return types;
}

TEST(ReminderLook, EveryTextIsReadableOnWhatItIsDrawnOnInALightAndADarkPalette) {
    const QPalette::ColorGroup groups[] = {QPalette::Active, QPalette::Inactive,
                                           QPalette::Disabled};
    for (const NamedPalette& palette : LightAndDarkPalettes()) {
        const QPalette& system = palette.palette;
        for (const std::optional<EventType>& type : TypesToCheck()) {
            const EventType* t = type ? &*type : nullptr;
            const ReminderColours c = ReminderColoursFor(t, system);
            const std::string what = t ? QColor(Rgb(c.back)).name().toStdString() : "system";
            if (t) {
                EXPECT_EQ(Rgb(c.back), RgbFromTypeColour(t->backColour)); // its identity
            }
            EXPECT_GE(Ratio(c.text, c.back), kReadable) << what;
            EXPECT_GE(Ratio(c.disabledText, c.back), kReadable) << what;

            const QPalette window = ReminderPalette(c, system);
            const QPalette checkBox = ReminderCheckBoxPalette(c, system);
            const QPalette button = ReminderSystemPalette(system);
            for (QPalette::ColorGroup g : groups) {
                EXPECT_GE(
                    Ratio(window.color(g, QPalette::WindowText), window.color(g, QPalette::Window)),
                    kReadable)
                    << what;
                EXPECT_GE(Ratio(window.color(g, QPalette::Text), window.color(g, QPalette::Base)),
                          kReadable)
                    << what;
                EXPECT_GE(Ratio(checkBox.color(g, QPalette::WindowText),
                                checkBox.color(g, QPalette::Window)),
                          kReadable)
                    << what;
                // The check box's box and the buttons keep the system's colours.
                for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Button})
                    EXPECT_EQ(checkBox.color(g, role), system.color(g, role));
                for (QPalette::ColorRole role :
                     {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text})
                    EXPECT_EQ(button.color(g, role), system.color(g, role));
            }
        }
    }
}

// Not a check: the contrast of each predefined type's text before and after, for the record.
TEST(ReminderLook, PredefinedTypesContrastTable) {
    std::printf("%-12s %-8s %-8s %-8s %7s %7s\n", "type", "back", "text", "shown", "before",
                "after");
    for (size_t i = 0; i < kPredefinedTypeCount; ++i) {
        const EventType t = MakePredefinedType(i, SystemColours{});
        const ReminderColours c = ReminderColoursFor(&t, LightAndDarkPalettes().front().palette);
        const uint32_t text = RgbFromTypeColour(t.textColour);
        const uint32_t back = RgbFromTypeColour(t.backColour);
        std::printf("%-12s #%06X  #%06X  #%06X  %6.2f:1 %6.2f:1\n", kPredefinedTypes[i].name, back,
                    text, Rgb(c.text), ContrastRatio(text, back), Ratio(c.text, c.back));
    }
    // The list's rows and the print draw the type's colour on white, or on a dark list.
    std::printf("\n%-12s %-8s %14s %14s\n", "type", "colour", "on white", "on #2A2A2A");
    for (const PredefinedType& t : kPredefinedTypes) {
        const uint32_t colour = RgbFromTypeColour(t.colour);
        std::printf("%-12s #%06X", t.name, colour);
        for (const uint32_t back : {0xFFFFFFu, 0x2A2A2Au})
            std::printf("  %5.2f->%5.2f", ContrastRatio(colour, back),
                        ContrastRatio(ReadableColour(colour, back), back));
        std::printf("\n");
    }
}

} // namespace
} // namespace zm::testing
