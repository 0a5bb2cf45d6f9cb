#include "res/artwork.h"

#include <gtest/gtest.h>
#include <set>

namespace zm {
namespace {

TEST(ArtworkTest, EveryPictureExistsAtBothSizes) {
    std::vector<IconImage> all;
    for (int size : {16, 32}) {
        for (int i = 0; i < kPredefinedTypeIconCount; ++i)
            all.push_back(PredefinedTypeIcon(i, size));
        all.push_back(ProgramIcon(kIconNewEntry, size));
        all.push_back(ProgramIcon(kIconUndefinedType, size));
    }
    for (size_t k = 0; k < all.size(); ++k) {
        SCOPED_TRACE(k);
        const IconImage& img = all[k];
        const int size = k < all.size() / 2 ? 16 : 32;
        ASSERT_EQ(img.width, size);
        ASSERT_EQ(img.height, size);
        ASSERT_EQ(img.pixels.size(), static_cast<size_t>(size * size));
        size_t opaque = 0;
        for (uint32_t p : img.pixels) {
            EXPECT_TRUE(PixelAlpha(p) == 0 || PixelAlpha(p) == 255);
            if (PixelAlpha(p) == 255) {
                ++opaque;
                EXPECT_NE(p & 0xFFFFFF, kMagentaKey);
            }
        }
        EXPECT_GT(opaque, img.pixels.size() / 5); // something to see
        EXPECT_LT(opaque, img.pixels.size());     // and a shape, not a square
    }
    std::set<std::vector<uint32_t>> distinct;
    for (const IconImage& img : all)
        distinct.insert(img.pixels);
    EXPECT_EQ(distinct.size(), all.size());
}

TEST(ArtworkTest, OtherIndexesAndSizesAreEmpty) {
    EXPECT_TRUE(PredefinedTypeIcon(11, 16).Empty());
    EXPECT_TRUE(PredefinedTypeIcon(-1, 32).Empty());
    EXPECT_TRUE(PredefinedTypeIcon(0, 24).Empty());
    EXPECT_TRUE(ProgramIcon(128, 16).Empty());
}

} // namespace
} // namespace zm
