#include "app/frame/MainMenus.h"

#include "app/frame/MainPictures.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

enum class Tick { None, Radio, RadioTicked, Check, CheckTicked };

struct MainMenus::Node {
    QString name;
    MainCommand command = MainCommand::None;
    QKeySequence shortcut;
    int image = -1;
    Tick tick = Tick::None;
    bool separator = false;
    std::vector<Node> children;
};

namespace {
using Node = MainMenus::Node;

Node item(const QString& name, MainCommand command, QKeySequence shortcut = {}, int image = -1,
          Tick tick = Tick::None) {
    return Node{name, command, shortcut, image, tick, false, {}};
}

Node checkItem(const QString& name, MainCommand command, Tick tick, int image = -1) {
    return item(name, command, {}, image, tick);
}

Node separator(const QString& name) {
    return Node{name, MainCommand::None, {}, -1, Tick::None, true, {}};
}

Node submenu(const QString& name, std::vector<Node> children) {
    return Node{name, MainCommand::None, {}, -1, Tick::None, false, std::move(children)};
}

const QKeySequence CtrlS(Qt::CTRL | Qt::Key_S);
const QKeySequence CtrlM(Qt::CTRL | Qt::Key_M);
const QKeySequence CtrlQ(Qt::CTRL | Qt::Key_Q);
const QKeySequence CtrlH(Qt::CTRL | Qt::Key_H);
const QKeySequence CtrlV(Qt::CTRL | Qt::Key_V);
const QKeySequence CtrlA(Qt::CTRL | Qt::Key_A);
const QKeySequence Del(Qt::Key_Delete);

// The sort submenu exists in both menus; the twins' names differ in their last digit.
std::vector<Node> sortItems(QChar twin, const QString& separatorName) {
    return {
        checkItem(QStringLiteral("NachKennzeichen") + twin, MainCommand::SortByFlag, Tick::Radio),
        checkItem(QStringLiteral("NachName") + twin, MainCommand::SortByName, Tick::Radio),
        checkItem(QStringLiteral("NachVerzeichnis") + twin, MainCommand::SortByFolder, Tick::Radio),
        checkItem(QStringLiteral("NachGre") + twin, MainCommand::SortBySize, Tick::Radio),
        checkItem(QStringLiteral("NachDatum") + twin, MainCommand::SortByDate, Tick::Radio),
        separator(separatorName),
        checkItem(QStringLiteral("Aufsteigend") + twin, MainCommand::SortAscending, Tick::CheckTicked, 9),
        checkItem(QStringLiteral("Absteigend") + twin, MainCommand::SortDescending, Tick::Check, 10),
    };
}

std::vector<Node> mainMenuNodes() {
    return {
        submenu("Datei1",
                {
                    item("Splitten1", MainCommand::Split, CtrlS, 1),
                    item("Zusammenfhren1", MainCommand::Merge, CtrlM, 2),
                    item("Spezial1", MainCommand::SpecialSplit),
                    separator("N4"),
                    item("Einstellungen1", MainCommand::Settings),
                    separator("N3"),
                    item("Beenden1", MainCommand::Exit, CtrlQ, 3),
                }),
        submenu("Bearbeiten1",
                {
                    item("Dateihinzufgen1", MainCommand::AddFile, CtrlH, 0),
                    item("AusZwischenablage2", MainCommand::FromClipboard, CtrlV, 14),
                    separator("N2"),
                    item("Dateilistelschen1", MainCommand::ClearList),
                    item("Dateilschen1", MainCommand::DeleteFile, Del, 4),
                    separator("N6"),
                    item("Alleauswhlen1", MainCommand::SelectAll, CtrlA),
                }),
        submenu("Ansicht1",
                {
                    checkItem("Details1", MainCommand::ViewDetails, Tick::RadioTicked, 5),
                    checkItem("Liste1", MainCommand::ViewList, Tick::Radio, 6),
                    checkItem("KleineSymbole1", MainCommand::ViewSmallIcons, Tick::Radio, 7),
                    checkItem("GroeSymbole1", MainCommand::ViewLargeIcons, Tick::Radio, 8),
                    separator("N5"),
                    submenu("Sortieren1", sortItems(u'1', "N7")),
                    separator("N16"),
                    checkItem("Deutsch1", MainCommand::German, Tick::CheckTicked, 12),
                    checkItem("English1", MainCommand::English, Tick::Check, 13),
                }),
        submenu("N1",
                {
                    item("ZurBrimvaleWebseite1", MainCommand::Website),
                    item("Feedback1", MainCommand::Feedback),
                    separator("N14"),
                    item("berBrimvaleParcelon1", MainCommand::About, {}, 11),
                }),
    };
}

std::vector<Node> popupMenuNodes() {
    return {
        item("Splitten2", MainCommand::Split, CtrlS, 1),
        item("Zusammenfhren2", MainCommand::Merge, CtrlM, 2),
        item("Spezial2", MainCommand::SpecialSplit),
        separator("N8"),
        item("Dateihinzufgen2", MainCommand::AddFile, CtrlH, 0),
        item("AusZwischenablage1", MainCommand::FromClipboard, CtrlV, 14),
        separator("N9"),
        item("Dateilistelschen2", MainCommand::ClearList),
        item("Dateilschen2", MainCommand::DeleteFile, Del, 4),
        separator("N10"),
        item("Alleauswhlen2", MainCommand::SelectAll, CtrlA),
        separator("N11"),
        submenu("Ansicht2",
                {
                    checkItem("Details2", MainCommand::ViewDetails, Tick::RadioTicked, 5),
                    checkItem("Liste2", MainCommand::ViewList, Tick::Radio, 6),
                    checkItem("KleineSymbole2", MainCommand::ViewSmallIcons, Tick::Radio, 7),
                    checkItem("GroeSymbole2", MainCommand::ViewLargeIcons, Tick::Radio, 8),
                }),
        submenu("Sortieren2", sortItems(u'2', "N13")),
        separator("N12"),
        item("Einstellungen2", MainCommand::Settings),
    };
}
} // namespace

MainMenus::MainMenus(QWidget* owner, QMenuBar* menuBar) {
    for (const Node& top : mainMenuNodes()) {
        QMenu* menu = menuBar->addMenu(QString());
        menu->setObjectName(top.name);
        menu->menuAction()->setObjectName(top.name);
        m_menus.insert(top.name, menu);
        addNodes(owner, menu, top.children, false);
    }
    // "?" reads the same in both languages and is never rewritten.
    m_menus.value(QStringLiteral("N1"))->setTitle(QStringLiteral("?"));

    m_popup = new QMenu(owner);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_menus.insert(m_popup->objectName(), m_popup);
    addNodes(owner, m_popup, popupMenuNodes(), true);
}

void MainMenus::addNodes(QWidget* owner, QMenu* target, const std::vector<Node>& nodes, bool inPopup) {
    QActionGroup* radioGroup = nullptr;
    for (const Node& node : nodes) {
        if (node.separator) {
            QAction* line = target->addSeparator();
            line->setObjectName(node.name);
            m_actions.insert(node.name, line);
            continue;
        }
        if (!node.children.empty()) {
            QMenu* sub = target->addMenu(QString());
            sub->setObjectName(node.name);
            sub->menuAction()->setObjectName(node.name);
            m_menus.insert(node.name, sub);
            addNodes(owner, sub, node.children, inPopup);
            continue;
        }
        auto* action = new QAction(owner);
        action->setObjectName(node.name);
        action->setIcon(node.tick == Tick::None ? MainPictures::menuImage(node.image)
                                                : MainPictures::checkableMenuImage(node.image));
        action->setIconVisibleInMenu(true);
        if (!node.shortcut.isEmpty()) {
            action->setShortcut(node.shortcut);
            // The popup shows its twin's shortcut; only the main menu's item answers the key.
            if (inPopup)
                action->setShortcutContext(Qt::WidgetShortcut);
        }
        if (node.tick != Tick::None) {
            action->setCheckable(true);
            action->setChecked(node.tick == Tick::RadioTicked || node.tick == Tick::CheckTicked);
        }
        if (node.tick == Tick::Radio || node.tick == Tick::RadioTicked) {
            if (!radioGroup) {
                radioGroup = new QActionGroup(target);
                radioGroup->setExclusive(true);
            }
            radioGroup->addAction(action);
        }
        target->addAction(action);
        m_actions.insert(node.name, action);
        m_commandItems.emplace_back(action, node.command);
    }
}

QAction* MainMenus::action(const QString& objectName) const {
    return m_actions.value(objectName, nullptr);
}

QMenu* MainMenus::menu(const QString& objectName) const {
    return m_menus.value(objectName, nullptr);
}
