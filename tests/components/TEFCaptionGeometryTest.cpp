#include "components/TEFCaptionGeometry.h"

#include <gtest/gtest.h>

namespace {

// Classic desktop metrics, so the expected numbers can be worked out by hand.
const TEFMetrics Classic{};
const TBorderStyle AllStyles[] = {TBorderStyle::bsNone,   TBorderStyle::bsSingle,     TBorderStyle::bsSizeable,
                                  TBorderStyle::bsDialog, TBorderStyle::bsToolWindow, TBorderStyle::bsSizeToolWin};

TEST(TEFCaptionGeometry, ButtonsShownByBorderStyleAndIcons) {
    struct Case {
        TBorderStyle style;
        TBorderIcons icons;
        TEFCaptionButtons expected;
    };
    const TBorderIcons all = biSystemMenu | biMinimize | biMaximize | biHelp;
    for (const Case& c : {
             Case{TBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize, {true, true, false}},
             Case{TBorderStyle::bsSizeable, biSystemMenu | biHelp, {true, false, true}},
             Case{TBorderStyle::bsSizeable, biSystemMenu | biMinimize | biHelp, {true, true, false}},
             Case{TBorderStyle::bsSingle, biMaximize, {false, true, false}},
             Case{TBorderStyle::bsSingle, {}, {false, false, false}},
             Case{TBorderStyle::bsDialog, all, {true, false, true}},
             Case{TBorderStyle::bsDialog, biSystemMenu, {true, false, false}},
             Case{TBorderStyle::bsToolWindow, all, {true, false, false}},
             Case{TBorderStyle::bsSizeToolWin, biHelp, {false, false, false}},
             Case{TBorderStyle::bsNone, all, {false, false, false}},
         })
        EXPECT_EQ(shownCaptionButtons(c.style, c.icons), c.expected) << int(c.style) << " icons " << c.icons.toInt();
}

TEST(TEFCaptionGeometry, ButtonWidthByStyle) {
    EXPECT_EQ(captionButtonWidth(TBorderStyle::bsSizeable, Classic), 14);
    EXPECT_EQ(captionButtonWidth(TBorderStyle::bsDialog, Classic), 14);
    EXPECT_EQ(captionButtonWidth(TBorderStyle::bsToolWindow, Classic), 8);
    EXPECT_EQ(captionButtonWidth(TBorderStyle::bsSizeToolWin, Classic), 8);
}

TEST(TEFCaptionGeometry, MarginsAndCaptionRectByStyle) {
    struct Case {
        TBorderStyle style;
        QMargins margins;
        QRect caption;
    };
    const QSize window(300, 200);
    for (const Case& c : {
             Case{TBorderStyle::bsSizeable, {4, 22, 4, 4}, QRect(4, 4, 292, 17)},
             Case{TBorderStyle::bsSingle, {3, 21, 3, 3}, QRect(3, 3, 294, 17)},
             Case{TBorderStyle::bsDialog, {3, 21, 3, 3}, QRect(3, 3, 294, 17)},
             Case{TBorderStyle::bsToolWindow, {3, 18, 3, 3}, QRect(3, 3, 294, 14)},
             Case{TBorderStyle::bsSizeToolWin, {4, 19, 4, 4}, QRect(4, 4, 292, 14)},
             Case{TBorderStyle::bsNone, {}, QRect()},
         }) {
        EXPECT_EQ(nonClientMargins(c.style, Classic), c.margins) << int(c.style);
        EXPECT_EQ(captionRect(window, c.style, Classic), c.caption) << int(c.style);
    }
}

TEST(TEFCaptionGeometry, MainWindowButtonsFromTheRightWithAGapAfterClose) {
    const TEFNonClientLayout layout =
        nonClientLayout(QSize(200, 100), TBorderStyle::bsSizeable, biSystemMenu | biMinimize, Classic);
    const QList<TEFButtonPlace> expected = {
        {TEFCaptionButton::Close, QRect(178, 6, 16, 13), true},
        {TEFCaptionButton::Maximize, QRect(160, 6, 16, 13), false},
        {TEFCaptionButton::Minimize, QRect(144, 6, 16, 13), true},
    };
    EXPECT_EQ(layout.buttons, expected);
    EXPECT_EQ(layout.text, QRect(4, 4, 138, 17));
    EXPECT_TRUE(layout.showsIcon);
    EXPECT_TRUE(layout.sizeable);
}

TEST(TEFCaptionGeometry, DialogHasCloseAndHelpAndNoIcon) {
    const TEFNonClientLayout layout =
        nonClientLayout(QSize(200, 100), TBorderStyle::bsDialog, biSystemMenu | biHelp, Classic);
    ASSERT_EQ(layout.buttons.size(), 2);
    EXPECT_EQ(layout.buttons[0].button, TEFCaptionButton::Close);
    EXPECT_EQ(layout.buttons[1].button, TEFCaptionButton::Help);
    EXPECT_EQ(layout.buttons[1].rect, QRect(161, 5, 16, 13));
    EXPECT_FALSE(layout.showsIcon);
    EXPECT_FALSE(layout.sizeable);
}

TEST(TEFCaptionGeometry, TextAreaNeverRunsUnderAButton) {
    for (TBorderStyle style : AllStyles)
        for (int bits = 0; bits < 16; ++bits) {
            const TBorderIcons icons = TBorderIcons::fromInt(bits);
            const TEFNonClientLayout layout = nonClientLayout(QSize(300, 100), style, icons, Classic);
            for (const TEFButtonPlace& place : layout.buttons) {
                EXPECT_TRUE(layout.caption.contains(place.rect)) << int(style) << " " << bits;
                EXPECT_LT(layout.text.right(), place.rect.left()) << int(style) << " " << bits;
            }
        }
}

TEST(TEFCaptionGeometry, ReservedWidthIsTwoWithoutButtons) {
    const QRect caption(4, 4, 292, 17);
    EXPECT_EQ(reservedButtonWidth(caption, {}), 2);
    EXPECT_EQ(captionTextRect(caption, 2), QRect(4, 4, 290, 17));
}

TEST(TEFCaptionGeometry, TextAreaKeepsTwoPixelsInANarrowWindow) {
    EXPECT_EQ(captionTextRect(QRect(4, 4, 20, 17), 54), QRect(4, 4, 2, 17));
}

TEST(TEFCaptionGeometry, ResizeEdgesOnlyOnTheFrameOfSizeableWindows) {
    const QSize window(300, 200);
    const TEFNonClientLayout sizeable = nonClientLayout(window, TBorderStyle::bsSizeable, biSystemMenu, Classic);
    struct Case {
        QPoint point;
        Qt::Edges expected;
    };
    for (const Case& c : {
             Case{{0, 100}, Qt::LeftEdge},
             Case{{299, 100}, Qt::RightEdge},
             Case{{150, 0}, Qt::TopEdge},
             Case{{150, 199}, Qt::BottomEdge},
             Case{{0, 0}, Qt::TopEdge | Qt::LeftEdge},
             Case{{1, 10}, Qt::TopEdge | Qt::LeftEdge},
             Case{{290, 2}, Qt::TopEdge | Qt::RightEdge},
             Case{{296, 195}, Qt::BottomEdge | Qt::RightEdge},
             Case{{150, 10}, {}},
             Case{{150, 100}, {}},
             Case{{300, 100}, {}},
         })
        EXPECT_EQ(resizeEdgesAt(sizeable, window, c.point), c.expected) << c.point.x() << "," << c.point.y();
    const TEFNonClientLayout dialog = nonClientLayout(window, TBorderStyle::bsDialog, biSystemMenu, Classic);
    EXPECT_EQ(resizeEdgesAt(dialog, window, QPoint(0, 100)), Qt::Edges());
}

TEST(TEFCaptionGeometry, ResizingKeepsTheOppositeEdgesAndTheLimits) {
    const QRect start(100, 100, 300, 200);
    const QSize minimum(120, 80);
    const QSize maximum(500, 260);
    struct Case {
        Qt::Edges edges;
        QPoint delta;
        QRect expected;
    };
    for (const Case& c : {
             Case{Qt::RightEdge, {50, 30}, QRect(100, 100, 350, 200)},
             Case{Qt::LeftEdge, {50, 0}, QRect(150, 100, 250, 200)},
             Case{Qt::LeftEdge, {250, 0}, QRect(280, 100, 120, 200)},
             Case{Qt::BottomEdge, {0, 500}, QRect(100, 100, 300, 260)},
             Case{Qt::TopEdge | Qt::LeftEdge, {-10, -20}, QRect(90, 80, 310, 220)},
             Case{Qt::TopEdge, {0, 190}, QRect(100, 220, 300, 80)},
         })
        EXPECT_EQ(resizedGeometry(start, c.edges, c.delta, minimum, maximum), c.expected);
}

} // namespace
