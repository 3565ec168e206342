#include "components/TEFGradient.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb Navy = qRgb(0, 0, 128);
const QRgb Gray = qRgb(128, 128, 128);

TEST(TEFGradient, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int a, b, c, expected;
    };
    for (const Case& c : {Case{1, 3, 2, 2}, Case{1, 1, 2, 1}, Case{1, 5, 4, 1}, Case{2, 5, 4, 3}, Case{-1, 3, 2, -2},
                          Case{1, -128, 3, -43}, Case{7, -128, 255, -4}, Case{255, 128, 255, 128},
                          Case{100000, 100000, 100000, 100000}})
        EXPECT_EQ(mulDivRounded(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(TEFGradient, NbOfColorsTakesZeroOrTwoTo256) {
    for (int accepted : {0, 2, 3, 255, 256})
        EXPECT_TRUE(acceptsNbOfColors(accepted)) << accepted;
    for (int rejected : {1, -1, -5, 257, 1000})
        EXPECT_FALSE(acceptsNbOfColors(rejected)) << rejected;
}

TEST(TEFGradient, BandCountFollowsWidthWithinTwoTo256) {
    struct Case {
        int width, nbOfColors, expected;
    };
    for (const Case& c : {Case{100, 0, 100}, Case{600, 0, 256}, Case{256, 0, 256}, Case{1, 0, 2}, Case{0, 0, 2},
                          Case{600, 64, 64}, Case{10, 64, 64}}) {
        EXPECT_EQ(gradientBandCount(c.width, c.nbOfColors), c.expected) << c.width << " " << c.nbOfColors;
        EXPECT_EQ(gradientBands(TGradientType::gtLeftToRight, Navy, Black, 0, c.width, c.nbOfColors).size(),
                  std::size_t(c.expected));
    }
}

TEST(TEFGradient, OnePixelWideBandsOverAHundredPixels) {
    const auto bands = gradientBands(TGradientType::gtLeftToRight, Navy, Black, 20, 100, 0);
    for (std::size_t k = 0; k < bands.size(); ++k) {
        EXPECT_EQ(bands[k].left, 20 + int(k));
        EXPECT_EQ(bands[k].right, 21 + int(k));
    }
}

TEST(TEFGradient, BandsCoverTheAreaWithoutGapsOrOverhang) {
    for (TGradientType type : {TGradientType::gtNone, TGradientType::gtLeftToRight, TGradientType::gtCenterToBorder})
        for (int width : {1, 3, 5, 99, 100, 257, 600})
            for (int count : {0, 2, 3, 7, 256}) {
                const auto bands = gradientBands(type, Navy, Black, 10, width, count);
                int covered = 10;
                for (const TEFGradientBand& band : bands) {
                    ASSERT_LE(band.left, covered) << int(type) << " " << width << " " << count;
                    covered = std::max(covered, band.right);
                    ASSERT_LE(band.right, 10 + width);
                }
                EXPECT_EQ(covered, 10 + width) << int(type) << " " << width << " " << count;
            }
}

// Channel by channel within tolerance: the centre-to-border halves step twice as fast and an even
// band count ends one rounding step short of the border colour.
::testing::AssertionResult near(QRgb got, QRgb want, int tolerance) {
    if (std::abs(qRed(got) - qRed(want)) <= tolerance && std::abs(qGreen(got) - qGreen(want)) <= tolerance &&
        std::abs(qBlue(got) - qBlue(want)) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << got << " is not " << want;
}

TEST(TEFGradient, ColoursAtBothEndsAndInTheMiddle) {
    struct Case {
        TGradientType type;
        QRgb caption;
        int width;
        QRgb first, middle, last;
        int tolerance;
    };
    for (const Case& c : {
             Case{TGradientType::gtNone, Navy, 101, Navy, Navy, Navy, 0},
             Case{TGradientType::gtLeftToRight, Navy, 101, Black, qRgb(0, 0, 64), Navy, 0},
             Case{TGradientType::gtLeftToRight, Gray, 600, Black, qRgb(64, 64, 64), Gray, 0},
             Case{TGradientType::gtCenterToBorder, Navy, 101, Navy, Black, Navy, 0},
             Case{TGradientType::gtCenterToBorder, Navy, 100, Navy, Black, Navy, 1},
         }) {
        const auto bands = gradientBands(c.type, c.caption, Black, 0, c.width, 0);
        ASSERT_FALSE(bands.empty());
        EXPECT_EQ(bands.front().color, c.first) << int(c.type);
        EXPECT_TRUE(near(bands.back().color, c.last, c.tolerance)) << int(c.type) << " width " << c.width;
        const int x = (c.width - 1) / 2;
        const auto middle = std::find_if(bands.begin(), bands.end(),
                                         [x](const TEFGradientBand& band) { return x >= band.left && x < band.right; });
        ASSERT_NE(middle, bands.end());
        EXPECT_TRUE(near(middle->color, c.middle, 2)) << int(c.type) << " width " << c.width;
    }
}

TEST(TEFGradient, TwoBandsOverOnePixel) {
    const auto bands = gradientBands(TGradientType::gtLeftToRight, Navy, Black, 0, 1, 0);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0], (TEFGradientBand{0, 1, Black}));
    EXPECT_EQ(bands[1], (TEFGradientBand{1, 1, Navy}));
}

} // namespace
