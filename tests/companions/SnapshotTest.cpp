#include "JpegDecoder.h"
#include "companions/TBBrFolder.h"
#include "companions/TBSnapShot.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QWidget* colouredBox(QWidget* parent, QColor colour, QRect geometry) {
    auto* box = new QWidget(parent);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
    box->setGeometry(geometry);
    return box;
}

// A form with a blue background and a red 75 x 25 control at (10, 20).
struct Form {
    QWidget window;
    QWidget* control = nullptr;

    Form() {
        window.resize(200, 100);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::blue);
        window.setPalette(palette);
        control = colouredBox(&window, Qt::red, QRect(10, 20, 75, 25));
    }
};

void expectNear(QRgb actual, QColor expected, const char* where) {
    EXPECT_NEAR(qRed(actual), expected.red(), 16) << where;
    EXPECT_NEAR(qGreen(actual), expected.green(), 16) << where;
    EXPECT_NEAR(qBlue(actual), expected.blue(), 16) << where;
}

TEST(Snapshot, WritesTheFormAreaTheControlCovers) {
    QTemporaryDir dir;
    Form form;
    TBSnapShot snapshot;

    const QString plain = dir.filePath(QStringLiteral("plain.jpg"));
    ASSERT_TRUE(snapshot.SaveToJPEGFile(90, plain, &form.window, form.control, 0, 0))
        << snapshot.errorString().toStdString();
    const QImage control = DecodeJpegFile(plain);
    ASSERT_EQ(control.size(), QSize(75, 25));
    expectNear(control.pixel(5, 5), Qt::red, "top left");
    expectNear(control.pixel(70, 20), Qt::red, "bottom right");

    // Offsets move the copied area: (50, 20) - (125, 45) is red up to x = 85, then blue.
    const QString moved = dir.filePath(QStringLiteral("moved.jpg"));
    ASSERT_TRUE(snapshot.SaveToJPEGFile(90, moved, &form.window, form.control, 40, 0));
    const QImage shifted = DecodeJpegFile(moved);
    ASSERT_EQ(shifted.size(), QSize(75, 25));
    expectNear(shifted.pixel(10, 12), Qt::red, "left part");
    expectNear(shifted.pixel(60, 12), Qt::blue, "right part");

    // Beyond the form's edge there is nothing to copy: black.
    const QString outside = dir.filePath(QStringLiteral("outside.jpg"));
    ASSERT_TRUE(snapshot.SaveToJPEGFile(90, outside, &form.window, form.control, 160, 0));
    const QImage beyond = DecodeJpegFile(outside);
    expectNear(beyond.pixel(10, 12), Qt::blue, "inside the form");
    expectNear(beyond.pixel(60, 12), Qt::black, "outside the form");
    const QString before = dir.filePath(QStringLiteral("before.jpg"));
    ASSERT_TRUE(snapshot.SaveToJPEGFile(90, before, &form.window, form.control, -40, -10));
    const QImage leftOfForm = DecodeJpegFile(before);
    expectNear(leftOfForm.pixel(10, 5), Qt::black, "left of the form");
    expectNear(leftOfForm.pixel(35, 5), Qt::blue, "the form left of the control");
    expectNear(leftOfForm.pixel(65, 20), Qt::red, "the control");
}

TEST(Snapshot, QualityGoesToTheEncoder) {
    QTemporaryDir dir;
    QWidget window;
    window.resize(120, 120);
    QImage noise(100, 100, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000);
    auto* picture = new QLabel(&window);
    picture->setPixmap(QPixmap::fromImage(noise));
    picture->setGeometry(10, 10, 100, 100);

    TBSnapShot snapshot;
    qint64 previousSize = 0;
    for (const int quality : {-5, 10, 50, 95, 500}) {
        const QString file = dir.filePath(QStringLiteral("q%1.jpg").arg(quality));
        ASSERT_TRUE(snapshot.SaveToJPEGFile(quality, file, &window, picture, 0, 0));
        EXPECT_EQ(DecodeJpegFile(file).size(), QSize(100, 100));
        const qint64 size = QFileInfo(file).size();
        EXPECT_GT(size, previousSize) << quality;
        previousSize = size;
    }
}

TEST(Snapshot, TellsWhenNoFileWasWritten) {
    QTemporaryDir dir;
    Form form;
    TBSnapShot snapshot;
    const QString unreachable = dir.filePath(QStringLiteral("missing/shot.jpg"));
    EXPECT_FALSE(snapshot.SaveToJPEGFile(75, unreachable, &form.window, form.control, 0, 0));
    EXPECT_TRUE(snapshot.errorString().startsWith(unreachable + QStringLiteral(" was not written: ")));
    EXPECT_FALSE(QFile::exists(unreachable));

    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    QWidget* nothing = colouredBox(&form.window, Qt::green, QRect(5, 5, 0, 10));
    EXPECT_FALSE(snapshot.SaveToJPEGFile(75, empty, &form.window, nothing, 0, 0));
    EXPECT_FALSE(snapshot.SaveToJPEGFile(75, empty, &form.window, nullptr, 0, 0));
    EXPECT_FALSE(QFile::exists(empty));
}

TEST(FolderBrowser, OpensOnTheStartFolderAndCutsOnlyADriveRoot) {
    QWidget owner;
    struct Asked {
        QWidget* owner = nullptr;
        QString title;
        QString start;
    } asked;
    const std::pair<const char*, const char*> answers[] = {
        {"/home/user/Data", "/home/user/Data"},
        {"/", "/"},
        {"/ab", "/ab"},
        {"C:\\", "C:"},
        {"D:\\Data", "D:\\Data"},
        {"", ""},
    };
    TBBrFolder browser;
    for (const auto& [answer, expected] : answers) {
        TBBrFolder::setFolderPicker([&asked, answer](QWidget* o, const QString& title, const QString& start) {
            asked = {o, title, start};
            return QString::fromLatin1(answer);
        });
        EXPECT_EQ(browser.Execute(QStringLiteral("/tmp/start"), QStringLiteral("Choose"), &owner),
                  QString::fromLatin1(expected));
        EXPECT_EQ(asked.owner, &owner);
        EXPECT_EQ(asked.title, QStringLiteral("Choose"));
        EXPECT_EQ(asked.start, QStringLiteral("/tmp/start"));
    }
    TBBrFolder::setFolderPicker({});
}

} // namespace
