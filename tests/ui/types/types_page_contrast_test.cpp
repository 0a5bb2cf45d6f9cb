// The types page names each type in its colour, readable on the list in a light and a dark
// palette.

#include "format/colour_contrast.h"
#include "support/gui/palettes.h"
#include "support/window_fixture.h"
#include "ui/types/types_page.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(TypesPage, TypeNamesAreReadableInALightAndADarkPalette) {
    InEachPalette([](const NamedPalette& palette) {
        WindowFixture rig;
        TypesPage page(rig.Context(), rig.boxes_);
        const QListWidget* list = page.List();
        ASSERT_GT(list->count(), 10);
        const uint32_t base = list->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
        for (int row = 0; row < list->count(); ++row) {
            const QListWidgetItem* item = list->item(row);
            const uint32_t text = item->foreground().color().rgb() & 0xFFFFFF;
            EXPECT_GE(ContrastRatio(text, base), kLeastTextContrast)
                << palette.name << " " << item->text().toStdString();
            // The type's own colour where it is readable already.
            const uint32_t own = RgbFromTypeColour(rig.types_.TypeColour(row));
            if (ContrastRatio(own, base) >= kLeastTextContrast) EXPECT_EQ(text, own);
        }
    });
}

} // namespace
} // namespace zm::testing
