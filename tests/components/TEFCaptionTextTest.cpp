#include "components/TEFCaptionText.h"

#include <gtest/gtest.h>

namespace {

TEST(TEFCaptionText, SlotIsTextPlusFiveOrNothing) {
    EXPECT_EQ(captionTextSlot(40, true), 45);
    EXPECT_EQ(captionTextSlot(40, false), 0);
}

TEST(TEFCaptionText, CompanyIsDroppedFirstThenApplication) {
    const TEFCaptionTextWidths widths{30, 20, 50}; // company, application, caption
    struct Case {
        int available;
        bool company, application;
    };
    for (const Case& c : {
             Case{101, true, true},
             Case{100, false, true}, // all three need more than their sum
             Case{71, false, true},
             Case{70, false, false},
             Case{10, false, false},
         }) {
        const TEFCaptionTextPlan plan = planCaptionTexts(0, c.available, widths, TAlignment::taLeftJustify);
        EXPECT_EQ(plan.showCompany, c.company) << c.available;
        EXPECT_EQ(plan.showApplication, c.application) << c.available;
    }
}

TEST(TEFCaptionText, TextsFollowEachOtherAfterAThreePixelGap) {
    const TEFCaptionTextPlan plan = planCaptionTexts(10, 300, {30, 20, 50}, TAlignment::taLeftJustify);
    EXPECT_EQ(plan, (TEFCaptionTextPlan{true, true, 13, 43, 63}));
}

TEST(TEFCaptionText, MissingInfoTextsTakeNoRoom) {
    const TEFCaptionTextPlan plan = planCaptionTexts(10, 300, {0, 20, 50}, TAlignment::taLeftJustify);
    EXPECT_EQ(plan, (TEFCaptionTextPlan{false, true, 13, 13, 33}));
}

TEST(TEFCaptionText, Alignment) {
    struct Case {
        TAlignment alignment;
        int available;
        int captionLeft;
    };
    // Caption only, 50 wide, in [10, 10 + available).
    for (const Case& c : {
             Case{TAlignment::taLeftJustify, 200, 13},
             Case{TAlignment::taRightJustify, 200, 163},
             Case{TAlignment::taCenter, 200, 88},
             Case{TAlignment::taCenter, 201, 88},
             // Too long: starts at the left edge whatever the alignment.
             Case{TAlignment::taRightJustify, 40, 13},
             Case{TAlignment::taCenter, 40, 13},
         })
        EXPECT_EQ(planCaptionTexts(10, 10 + c.available, {0, 0, 50}, c.alignment).captionLeft, c.captionLeft)
            << int(c.alignment) << " " << c.available;
}

TEST(TEFCaptionText, RightAlignedInfoTextsEndAtTheRightEdge) {
    const TEFCaptionTextPlan plan = planCaptionTexts(0, 300, {30, 20, 50}, TAlignment::taRightJustify);
    EXPECT_EQ(plan.companyLeft, 300 - 100 + 3);
    EXPECT_EQ(plan.captionLeft + 50, 300 + 3);
}

} // namespace
