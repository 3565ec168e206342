#include "companions/PlaneTransform.h"
#include "companions/TBGraphics.h"

#include <QImage>
#include <QTimer>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb silver = qRgb(192, 192, 192);

QRgb at(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) | 0xFF000000;
}

int countInColumns(const QImage& image, QRgb colour, int fromX, int toX) {
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        for (int y = 0; y < image.height(); ++y)
            count += at(image, x, y) == colour;
    return count;
}

QImage blankCanvas(int width = 640, int height = 480) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image;
}

TEST(Plotter, PlaneToPixelTransforms) {
    EXPECT_EQ(UmrechnenX(0, 640, -10, 10), 320);
    EXPECT_EQ(UmrechnenX(-10, 640, -10, 10), 0);
    EXPECT_EQ(UmrechnenX(10, 640, -10, 10), 640);
    EXPECT_EQ(UmrechnenX(-9.99L, 640, -10, 10), 0);
    EXPECT_EQ(UmrechnenY(0, 480, -10, 10), 240);
    EXPECT_EQ(UmrechnenY(10, 480, -10, 10), 0);
    EXPECT_EQ(UmrechnenY(-0.01L, 480, -10, 10), 240);
    // The range counts in whole units: 0 .. 1.5 scales as 0 .. 1.
    EXPECT_EQ(UmrechnenX(1, 640, 0, 1.5L), 640);
    // Narrower than one unit: the exact width; no width at all: 0.
    EXPECT_EQ(UmrechnenX(0.25L, 640, 0, 0.5L), 320);
    EXPECT_EQ(UmrechnenY(0.25L, 480, 0, 0.5L), 240);
    EXPECT_EQ(UmrechnenX(5, 640, 5, 5), 0);
    // Values far off the plane stay far off the canvas instead of overflowing.
    EXPECT_EQ(UmrechnenY(1e30L, 480, -10, 10), -10000000);
    EXPECT_EQ(UmrechnenY(-1e30L, 480, -10, 10), 10000000);
}

TEST(Plotter, SquareOnTheDefaultWindowPutsAPointEveryThirdColumn) {
    TBGraphics plotter;
    plotter.setExpressions({QStringLiteral("x^2")});
    plotter.setColors({QStringLiteral("255")});
    plotter.setSteps({QStringLiteral("0.1")});
    QImage image = blankCanvas();
    ASSERT_EQ(plotter.DrawToCanvas(image), 0);

    // The cross meets at (320, 240); its lines leave out row and column 0.
    EXPECT_EQ(at(image, 320, 1), black);
    EXPECT_EQ(at(image, 320, 479), black);
    EXPECT_EQ(at(image, 1, 240), black);
    EXPECT_EQ(at(image, 639, 240), black);
    EXPECT_EQ(at(image, 320, 0), white);
    EXPECT_EQ(at(image, 0, 240), white);
    EXPECT_EQ(at(image, 10, 10), white);

    // Loop columns 1, 4, 7 ... each set the pixel one left of and above their point:
    // column 319 is x = -0.03125, y = 0.00098, row 239 -> pixel (318, 238).
    EXPECT_EQ(at(image, 318, 238), red);
    EXPECT_EQ(at(image, 222, 18), red); // column 223: x = -3.03125
    EXPECT_EQ(at(image, 417, 13), red); // column 418: x = 3.0625
    int points = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int inColumn = countInColumns(image, red, x, x);
        if (x % 3 != 0)
            EXPECT_EQ(inColumn, 0) << "column " << x;
        else
            EXPECT_LE(inColumn, 1) << "column " << x;
        points += inColumn;
    }
    // |x| <= 3.15 is on the canvas: loop columns 220 .. 418.
    EXPECT_EQ(points, 67);
}

TEST(Plotter, GridOfSpaceTwoDrawsFiveLinesOnEachSideOfEachAxis) {
    TBGraphics plotter;
    plotter.setProperty("Grid", true);
    plotter.setProperty("GridSpace", 2.0);
    plotter.setProperty("GridColor", QColor(0, 128, 0));
    // One pixel more than the drawing area, so that the outermost lines are on the image.
    QImage image = blankCanvas(641, 481);
    ASSERT_EQ(plotter.DrawToCanvas(image), 0);

    QList<int> columns;
    QList<int> rows;
    for (int x = 0; x < image.width(); ++x)
        if (at(image, x, 100) == qRgb(0, 128, 0))
            columns << x;
    for (int y = 0; y < image.height(); ++y)
        if (at(image, 100, y) == qRgb(0, 128, 0))
            rows << y;
    EXPECT_EQ(columns, (QList<int>{0, 64, 128, 192, 256, 384, 448, 512, 576, 640}));
    EXPECT_EQ(rows, (QList<int>{0, 48, 96, 144, 192, 288, 336, 384, 432, 480}));
    EXPECT_EQ(at(image, 320, 100), black);
}

TEST(Plotter, ResultTellsTheLastExpressionThatDidNotParse) {
    TBGraphics plotter;
    plotter.setExpressions({QStringLiteral("x"), QStringLiteral("2x"), QStringLiteral("sinh(x)")});
    plotter.setColors({QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255")});
    plotter.setSteps({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")});
    QImage image = blankCanvas();
    EXPECT_EQ(plotter.DrawToCanvas(image), 3);
    EXPECT_GT(countInColumns(image, red, 0, 639), 0);

    plotter.setExpressions({QStringLiteral("2x"), QStringLiteral("x")});
    EXPECT_EQ(plotter.DrawToCanvas(image), 1);
}

TEST(Plotter, MissingColourAndStepLinesDrawBlackWithTheStepBefore) {
    TBGraphics plotter;
    plotter.setProperty("Cross", false);
    plotter.setExpressions({QStringLiteral("2"), QStringLiteral("0-2"), QStringLiteral("0-5")});
    plotter.setColors({QStringLiteral("255"), QStringLiteral("not a colour")});
    plotter.setSteps({QStringLiteral("1")});
    QImage image = blankCanvas();
    ASSERT_EQ(plotter.DrawToCanvas(image), 0);

    // y = 2 -> row 192, y = -2 -> row 288, y = -5 -> row 360; one point every 32 columns.
    const std::tuple<int, QRgb> rows[] = {{191, red}, {287, black}, {359, black}};
    for (const auto& [row, colour] : rows) {
        for (int x = 0; x < 640; ++x)
            EXPECT_EQ(at(image, x, row), x % 32 == 0 ? colour : white) << x << ", " << row;
    }
    EXPECT_EQ(TBGraphics::ColorFromText(QStringLiteral(" 16711680 blue")), QColor(0, 0, 255));
    EXPECT_EQ(TBGraphics::ColorFromText(QStringLiteral("65280")), QColor(0, 255, 0));
}

TEST(Plotter, StepBelowOnePixelGivesAPointInEveryColumn) {
    for (const char* step : {"0", "0.001", "-3", "none"}) {
        TBGraphics plotter;
        plotter.setProperty("Cross", false);
        plotter.setExpressions({QStringLiteral("0")});
        plotter.setColors({QStringLiteral("255")});
        plotter.setSteps({QString::fromLatin1(step)});
        QImage image = blankCanvas();
        ASSERT_EQ(plotter.DrawToCanvas(image), 0);
        EXPECT_EQ(countInColumns(image, red, 0, 639), 640) << step;
    }
}

TEST(Plotter, JoinedLinesSkipColumnsWithoutValue) {
    TBGraphics plotter;
    plotter.setProperty("PointsOnly", false);
    plotter.setProperty("Cross", false);
    plotter.setExpressions({QStringLiteral("ln(x)")});
    plotter.setColors({QStringLiteral("255")});
    plotter.setSteps({QStringLiteral("0.1")});
    QImage image = blankCanvas();
    ASSERT_EQ(plotter.DrawToCanvas(image), 0);
    EXPECT_EQ(countInColumns(image, red, 0, 319), 0);
    // From the first positive column on the curve is joined: no column is left out.
    for (int x = 322; x < 637; ++x)
        EXPECT_GT(countInColumns(image, red, x, x), 0) << x;
}

TEST(Plotter, MaximumDifferenceBreaksTheLineAtPolesOfTheTangent) {
    auto redNearThePole = [](double maxDifference) {
        TBGraphics plotter;
        plotter.setProperty("PointsOnly", false);
        plotter.setProperty("Cross", false);
        plotter.setProperty("Y_MaxDifference", maxDifference);
        plotter.setExpressions({QStringLiteral("tan(x)")});
        plotter.setColors({QStringLiteral("255")});
        plotter.setSteps({QStringLiteral("0.1")});
        QImage image = blankCanvas();
        EXPECT_EQ(plotter.DrawToCanvas(image), 0);
        // x = pi/2 lies at column 370; the columns around it have |tan x| >= 5.
        return countInColumns(image, red, 366, 374);
    };
    EXPECT_GT(redNearThePole(0), 480);
    EXPECT_LE(redNearThePole(5), 2);
}

TEST(Plotter, CancelStopsAtTheNextLookAtTheFlag) {
    TBGraphics plotter;
    plotter.setExpressions({QStringLiteral("x")});
    plotter.setColors({QStringLiteral("255")});
    plotter.setSteps({QStringLiteral("1")});
    QImage image = blankCanvas();
    QTimer::singleShot(0, &plotter, &TBGraphics::Cancel);
    EXPECT_EQ(plotter.DrawToCanvas(image), -1);
    EXPECT_EQ(countInColumns(image, red, 0, 639), 0);

    plotter.setProperty("Grid", true);
    QTimer::singleShot(0, &plotter, &TBGraphics::Cancel);
    EXPECT_EQ(plotter.DrawToCanvas(image), -1);
    // A cancel before the call is forgotten: each drawing starts afresh.
    plotter.Cancel();
    EXPECT_EQ(plotter.DrawToCanvas(image), 0);
}

TEST(Plotter, WindowsNarrowerThanOneUnitAreDrawn) {
    TBGraphics plotter;
    plotter.setProperty("X_From", 0.0);
    plotter.setProperty("X_To", 0.5);
    plotter.setProperty("Y_From", 0.0);
    plotter.setProperty("Y_To", 0.5);
    plotter.setProperty("Grid", true);
    plotter.setProperty("GridSpace", 0.1);
    plotter.setExpressions({QStringLiteral("x")});
    plotter.setColors({QStringLiteral("255")});
    plotter.setSteps({QStringLiteral("0.05")});
    QImage image = blankCanvas();
    ASSERT_EQ(plotter.DrawToCanvas(image), 0);
    // Every 64th column: column 321 is x = 0.2507, row 239.
    EXPECT_EQ(at(image, 320, 238), red);
    EXPECT_EQ(countInColumns(image, red, 0, 639), 10);

    plotter.setProperty("X_To", 0.0);
    plotter.setProperty("Y_To", 0.0);
    EXPECT_EQ(plotter.DrawToCanvas(image), 0);
}

TEST(Plotter, TheBackgroundFloodsFromTenTenUpToPixelsOfItsColour) {
    // A closed frame in the background colour keeps the flood out, unless clearing wipes it.
    struct FloodCase {
        bool clearCanvas;
        QRect frame;
        QRgb inside;
    };
    const QRgb yellow = qRgb(255, 255, 0);
    const FloodCase cases[] = {
        {false, QRect(100, 100, 50, 50), qRgb(0, 0, 128)},
        {true, QRect(100, 100, 50, 50), yellow},
        {true, QRect(660, 500, 50, 50), qRgb(0, 0, 128)},
    };
    for (const FloodCase& c : cases) {
        TBGraphics plotter;
        plotter.setProperty("Cross", false);
        plotter.setProperty("ClearCanvas", c.clearCanvas);
        plotter.setProperty("Background", QColor(yellow));
        QImage image = blankCanvas(800, 600);
        for (int i = 0; i <= c.frame.width(); ++i) {
            for (int edge : {c.frame.top(), c.frame.top() + c.frame.height()})
                image.setPixel(c.frame.left() + i, edge, yellow);
            for (int edge : {c.frame.left(), c.frame.left() + c.frame.width()})
                image.setPixel(edge, c.frame.top() + i, yellow);
        }
        ASSERT_EQ(plotter.DrawToCanvas(image), 0);
        EXPECT_EQ(at(image, 0, 0), yellow);
        EXPECT_EQ(at(image, 799, 599), yellow);
        EXPECT_EQ(at(image, c.frame.center().x(), c.frame.center().y()), c.inside) << c.clearCanvas;
    }
}

} // namespace
