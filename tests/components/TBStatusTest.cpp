#include "components/TBStatus.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

// The main window's five panels: widths, and the fourth one stretched by its owner.
TBStatus* addFivePanels(TBStatus* bar) {
    for (int width : {170, 250, 30, 60, 50})
        bar->addPanel(width);
    return bar;
}

} // namespace

TEST(TBStatus, PanelsRunLeftToRightAndTheLastFillsTheRest) {
    TBStatus bar;
    addFivePanels(&bar);
    bar.resize(700, 22);
    const struct {
        int left;
        int width;
    } expected[] = {{0, 170}, {170, 250}, {420, 30}, {450, 60}, {510, 190}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar.panelRect(i).left(), expected[i].left) << i;
        EXPECT_EQ(bar.panelRect(i).width(), expected[i].width) << i;
    }

    // A width below zero (the owner's rule on a narrow window) takes no room.
    bar.setPanelWidth(3, 497 - 509);
    EXPECT_EQ(bar.panelWidth(3), -12);
    EXPECT_EQ(bar.panelRect(3).width(), 0);
    EXPECT_EQ(bar.panelRect(4).left(), 450);
    EXPECT_EQ(bar.panelRect(4).right(), 699);

    bar.setPanelText(0, QStringLiteral("3 File(s) selected"));
    bar.setPanelAlignment(2, Qt::AlignRight);
    bar.setPanelBevel(4, TBStatus::PanelBevel::None);
    EXPECT_EQ(bar.panelText(0), u"3 File(s) selected");
    EXPECT_EQ(bar.panelAlignment(2), Qt::AlignRight);
    EXPECT_EQ(bar.panelBevel(4), TBStatus::PanelBevel::None);
    EXPECT_EQ(bar.panelBevel(0), TBStatus::PanelBevel::Lowered);

    // Indices that name no panel are ignored.
    bar.setPanelText(5, QStringLiteral("x"));
    bar.setPanelWidth(-1, 10);
    EXPECT_EQ(bar.panelText(5), QString());
    EXPECT_EQ(bar.panelRect(5), QRect());
    EXPECT_GE(bar.sizeHint().height(), 22);
}

TEST(TBStatus, ChildWidgetsStayWhereTheyArePutAndOnTopAcrossResizes) {
    QMainWindow window;
    auto* bar = addFivePanels(new TBStatus);
    window.setStatusBar(bar);
    // Text under both children, so a child drawn below the panels would show it.
    bar->setPanelText(1, QString(60, u'W'));
    bar->setPanelText(4, QString(30, u'W'));

    auto* progress = new QProgressBar(bar);
    progress->setGeometry(172, 2, 247, 20);
    progress->setValue(40);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    auto* lamp = new QLabel(bar);
    lamp->setPixmap(red);
    lamp->setGeometry(0, 3, 16, 16);

    for (int windowWidth : {520, 900, 640}) {
        window.resize(windowWidth, 300);
        window.show();
        QApplication::processEvents();
        // What the window's own resize rule does: lamps relative to the right edge.
        lamp->move(window.width() - 58, 3);
        ASSERT_EQ(bar->width(), window.width());

        EXPECT_EQ(progress->geometry(), QRect(172, 2, 247, 20)) << windowWidth;
        EXPECT_EQ(lamp->pos(), QPoint(window.width() - 58, 3)) << windowWidth;
        EXPECT_TRUE(progress->isVisible());
        EXPECT_TRUE(lamp->isVisible());
        EXPECT_EQ(bar->childAt(progress->geometry().center()), progress);
        EXPECT_EQ(bar->childAt(lamp->geometry().center()), lamp);
        const QImage shot = bar->grab().toImage();
        EXPECT_EQ(shot.pixelColor(lamp->geometry().center()), QColor(Qt::red)) << windowWidth;
    }
}
