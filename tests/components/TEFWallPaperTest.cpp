#include "components/TEFWallPaper.h"
#include "components/TEFTitleBar.h"
#include "components/TEnhancedForm.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Blue with a red top-left and a green bottom-right pixel, so every placement shows.
QPixmap markedPicture() {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(9, 9, Qt::green);
    return QPixmap::fromImage(picture);
}

// Paints itself magenta all over, so painting the wallpaper after it shows.
class PaintingForm : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::magenta); }
};

TEST(TEFWallPaper, TileCoversTheClientAreaFromItsTopLeftCorner) {
    const QImage picture = markedPicture().toImage();
    for (bool titleBar : {false, true}) {
        PaintingForm form;
        form.resize(95, 67);
        TEnhancedForm decoration(&form);
        decoration.TitleBar()->setEnabled(titleBar);
        decoration.WallPaper()->setBitmap(markedPicture());
        const QImage look = form.grab().toImage();
        const QRect client = decoration.clientRect();
        ASSERT_EQ(client.size(), QSize(95, 67));
        int wrong = 0;
        for (int y = client.top(); y <= client.bottom(); ++y)
            for (int x = client.left(); x <= client.right(); ++x)
                wrong += look.pixel(x, y) != picture.pixel((x - client.left()) % 10, (y - client.top()) % 10);
        EXPECT_EQ(wrong, 0) << "title bar " << titleBar;
    }
}

TEST(TEFWallPaper, CentreSitsInTheMiddleOnTheFormsColour) {
    PaintingForm form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    form.setPalette(palette);
    form.resize(101, 80);
    TEnhancedForm decoration(&form);
    decoration.WallPaper()->setDisplay(TEFWallPaperDisplay::dwCenter);
    decoration.WallPaper()->setBitmap(markedPicture());
    const QImage look = form.grab().toImage();
    const QRect client = decoration.clientRect();
    const QPoint middle = client.topLeft() + QPoint((client.width() - 10) / 2, (client.height() - 10) / 2);
    QPoint found(-1, -1);
    for (int y = client.top(); y <= client.bottom() && found.x() < 0; ++y)
        for (int x = client.left(); x <= client.right() && found.x() < 0; ++x)
            if (look.pixelColor(x, y) == QColor(Qt::red))
                found = QPoint(x, y);
    EXPECT_LE((found - middle).manhattanLength(), 2) << found.x() << "," << found.y();
    EXPECT_EQ(look.pixelColor(found + QPoint(9, 9)), QColor(Qt::green));
    EXPECT_EQ(look.pixelColor(found + QPoint(5, 5)), QColor(Qt::blue));
    for (const QPoint corner : {client.topLeft(), client.bottomRight(), client.topRight(), client.bottomLeft()})
        EXPECT_EQ(look.pixelColor(corner), QColor(Qt::yellow));
}

TEST(TEFWallPaper, BufferCoversTheScreenAndGrowsWithTheClientArea) {
    QWidget form;
    form.resize(100, 100);
    TEnhancedForm decoration(&form);
    TEFWallPaper* wallPaper = decoration.WallPaper();
    EXPECT_TRUE(wallPaper->bufferSize().isEmpty()); // nothing to compose without a picture
    wallPaper->setBitmap(markedPicture());
    const QSize screen = form.screen()->size();
    EXPECT_EQ(wallPaper->bufferSize(), screen);

    form.resize(screen.width() + 50, 120);
    form.grab();
    ASSERT_GT(decoration.clientRect().width(), screen.width());
    EXPECT_EQ(wallPaper->bufferSize(), QSize(decoration.clientRect().width(), screen.height()));
}

TEST(TEFWallPaper, DisabledPaintsNothing) {
    PaintingForm form;
    form.resize(60, 40);
    TEnhancedForm decoration(&form);
    decoration.WallPaper()->setBitmap(markedPicture());
    decoration.WallPaper()->setEnabled(false);
    const QRect client = decoration.clientRect();
    EXPECT_EQ(form.grab().toImage().pixelColor(client.topLeft()), QColor(Qt::magenta));
    decoration.WallPaper()->setEnabled(true);
    EXPECT_EQ(form.grab().toImage().pixelColor(client.topLeft()), QColor(Qt::red));
}

} // namespace
