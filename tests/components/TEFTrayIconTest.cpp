#include "components/TEFTrayIcon.h"
#include "components/TEnhancedForm.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Everything the tray icon asked of the notification area.
struct TrayLog {
    QStringList calls;
    QList<QIcon> icons;
    QString tip;
    QMenu* poppedMenu = nullptr;
    QPoint poppedAt;
    bool available = true; // the desktop has a notification area
};

class RecordingHost : public TEFTrayIconHost {
public:
    explicit RecordingHost(TrayLog& log)
        : m_log(log) {}
    void addIcon(const QIcon& icon, const QString& tip) override { record("add", icon, tip); }
    void modifyIcon(const QIcon& icon, const QString& tip) override { record("modify", icon, tip); }
    void deleteIcon() override { m_log.calls << QStringLiteral("delete"); }
    void popUpMenu(QMenu& menu, const QPoint& globalPosition) override {
        m_log.calls << QStringLiteral("popup");
        m_log.poppedMenu = &menu;
        m_log.poppedAt = globalPosition;
    }
    QPoint cursorPosition() const override { return {40, 50}; }
    bool isAvailable() const override { return m_log.available; }

private:
    void record(const char* what, const QIcon& icon, const QString& tip) {
        m_log.calls << QString::fromLatin1(what);
        m_log.icons << icon;
        m_log.tip = tip;
    }
    TrayLog& m_log;
};

QIcon colourIcon(const QColor& colour) {
    QPixmap picture(16, 16);
    picture.fill(colour);
    return QIcon(picture);
}

QColor colourOf(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().pixelColor(8, 8);
}

QList<QIcon> threeImages() {
    return {colourIcon(Qt::red), colourIcon(Qt::green), colourIcon(Qt::blue)};
}

class TEFTrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto host = std::make_unique<RecordingHost>(log);
        notificationArea = host.get();
        tray->setHost(std::move(host));
    }

    TrayLog log; // outlives the host, which records the icon's removal at the end
    QWidget form;
    TEnhancedForm decoration{&form};
    TEFTrayIcon* tray = decoration.TrayIcon();
    RecordingHost* notificationArea = nullptr;
};

TEST_F(TEFTrayIconTest, InactiveOnAFormWithoutAnImage) {
    tray->setEnabled(false);
    tray->setEnabled(true);
    tray->setHint(QStringLiteral("Brimvale Parcelon"));
    tray->setIconType(TTrayIconIconType::itList);
    tray->setIconList(QList<QIcon>{});
    tray->setIconType(TTrayIconIconType::itSingle);
    decoration.Loaded();
    EXPECT_TRUE(log.calls.isEmpty());
    EXPECT_FALSE(tray->isShown());
}

TEST_F(TEFTrayIconTest, ShownWhileActiveRefreshedOnChangesRemovedWhenNot) {
    tray->setIcon(colourIcon(Qt::red));
    tray->setHint(QStringLiteral("Parcelon"));
    tray->setEnabled(false);
    tray->setEnabled(true);
    decoration.setEnabled(false);
    EXPECT_EQ(log.calls, (QStringList{"add", "modify", "delete", "add", "delete"}));
    EXPECT_EQ(log.tip, QStringLiteral("Parcelon"));
    EXPECT_FALSE(tray->isShown());
}

TEST_F(TEFTrayIconTest, ActiveRule) {
    struct Case {
        TTrayIconIconType type;
        bool icon;
        std::optional<QList<QIcon>> list;
        bool active;
    };
    for (const Case& c : {
             Case{TTrayIconIconType::itSingle, false, threeImages(), false},
             Case{TTrayIconIconType::itSingle, true, std::nullopt, true},
             Case{TTrayIconIconType::itList, true, std::nullopt, false},
             Case{TTrayIconIconType::itList, true, QList<QIcon>{}, false},
             Case{TTrayIconIconType::itList, false, QList<QIcon>{colourIcon(Qt::red)}, true},
         }) {
        tray->setIcon(c.icon ? colourIcon(Qt::yellow) : QIcon());
        tray->setIconList(c.list);
        tray->setIconType(c.type);
        EXPECT_EQ(tray->isActive(), c.active) << int(c.type) << c.icon;
        EXPECT_EQ(tray->isShown(), c.active);
    }
}

TEST_F(TEFTrayIconTest, ListCyclesOncePerTick) {
    tray->setIconList(threeImages());
    tray->setIconType(TTrayIconIconType::itList);
    EXPECT_TRUE(tray->isAnimating());
    EXPECT_EQ(tray->currentFrame(), -1);
    ASSERT_EQ(log.calls, QStringList{"add"});
    EXPECT_EQ(colourOf(log.icons.last()), QColor(Qt::red)); // the first picture before the first tick
    QList<int> frames;
    QList<QColor> shown;
    for (int tick = 0; tick < 4; ++tick) {
        tray->animationStep();
        frames << tray->currentFrame();
        shown << colourOf(log.icons.last());
    }
    EXPECT_EQ(frames, (QList<int>{0, 1, 2, 0}));
    EXPECT_EQ(shown, (QList<QColor>{Qt::red, Qt::green, Qt::blue, Qt::red}));
}

TEST_F(TEFTrayIconTest, IndexBelowMinusOneIgnoredBeyondTheListReset) {
    tray->setIconList(threeImages());
    tray->setIconType(TTrayIconIconType::itList);
    tray->setIconListIndex(-2);
    EXPECT_EQ(tray->IconListIndex(), -1);

    tray->setIconListIndex(1);
    EXPECT_FALSE(tray->isAnimating());
    EXPECT_EQ(colourOf(tray->currentImage()), QColor(Qt::green));

    tray->setIconListIndex(5);
    EXPECT_EQ(tray->IconListIndex(), -1);
    EXPECT_TRUE(tray->isAnimating());

    tray->setIconListIndex(2);
    tray->setIconList(QList<QIcon>{colourIcon(Qt::red)});
    EXPECT_EQ(tray->IconListIndex(), -1);

    tray->setIconList(std::nullopt);
    EXPECT_FALSE(tray->isAnimating());
}

TEST_F(TEFTrayIconTest, ClicksOpenTheFormAsChosenAndAlwaysFireTheirEvent) {
    tray->setIcon(colourIcon(Qt::red));
    int clicks = 0;
    int doubleClicks = 0;
    tray->OnClick = [&](TEFTrayIcon* sender) { clicks += sender == tray; };
    tray->OnDblClick = [&](TEFTrayIcon* sender) { doubleClicks += sender == tray; };
    struct Case {
        TTrayIconOpenAppOn openAppOn;
        TEFTrayNotification notification;
        bool opens;
    };
    for (const Case& c : {
             Case{TTrayIconOpenAppOn::ooClick, TEFTrayNotification::LeftButtonUp, true},
             Case{TTrayIconOpenAppOn::ooClick, TEFTrayNotification::LeftButtonDoubleClick, false},
             Case{TTrayIconOpenAppOn::ooDblClick, TEFTrayNotification::LeftButtonUp, false},
             Case{TTrayIconOpenAppOn::ooDblClick, TEFTrayNotification::LeftButtonDoubleClick, true},
             Case{TTrayIconOpenAppOn::ooNone, TEFTrayNotification::LeftButtonUp, false},
             Case{TTrayIconOpenAppOn::ooNone, TEFTrayNotification::LeftButtonDoubleClick, false},
         }) {
        form.hide();
        clicks = doubleClicks = 0;
        tray->setOpenAppOn(c.openAppOn);
        notificationArea->notify(c.notification);
        EXPECT_EQ(form.isVisible(), c.opens) << int(c.openAppOn) << int(c.notification);
        EXPECT_EQ(clicks, c.notification == TEFTrayNotification::LeftButtonUp ? 1 : 0);
        EXPECT_EQ(doubleClicks, c.notification == TEFTrayNotification::LeftButtonDoubleClick ? 1 : 0);
    }
}

TEST_F(TEFTrayIconTest, RightClickShowsTheMenuOrFiresMouseUp) {
    tray->setIcon(colourIcon(Qt::red));
    QList<QList<int>> mouseUps;
    tray->OnMouseUp = [&](TEFTrayIcon*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        mouseUps << QList<int>{int(button), int(shift.toInt()), x, y};
    };
    QMenu menu;
    tray->setPopupMenu(&menu);
    notificationArea->notify(TEFTrayNotification::RightButtonUp);
    EXPECT_EQ(log.poppedMenu, &menu);
    EXPECT_EQ(log.poppedAt, QPoint(40, 50));
    EXPECT_TRUE(mouseUps.isEmpty());

    tray->setPopupMenu(nullptr);
    log.calls.clear();
    notificationArea->notify(TEFTrayNotification::RightButtonUp);
    EXPECT_FALSE(log.calls.contains(QStringLiteral("popup")));
    EXPECT_EQ(mouseUps, (QList<QList<int>>{{int(Qt::RightButton), 0, 40, 50}}));
}

TEST_F(TEFTrayIconTest, MinimisedFormStartsInTheTrayAndComesBackOnADoubleClick) {
    form.setWindowState(Qt::WindowMinimized);
    tray->setIcon(colourIcon(Qt::red));
    decoration.Loaded();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    notificationArea->notify(TEFTrayNotification::LeftButtonDoubleClick);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());
}

TEST_F(TEFTrayIconTest, MinimisingGoesToTheTrayOnlyWithAnActiveIconAndANotificationArea) {
    const struct {
        bool withIcon;
        bool areaAvailable;
        bool hidden;
    } cases[] = {{false, true, false}, {true, true, true}, {true, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.withIcon << c.areaAvailable);
        log.available = c.areaAvailable;
        tray->setIcon(c.withIcon ? colourIcon(Qt::red) : QIcon());
        form.showNormal();
        form.showMinimized();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.isVisible(), !c.hidden);
    }
}

} // namespace
