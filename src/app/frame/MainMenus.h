#pragma once

#include "app/frame/MainCommand.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Builds the main menu and the list's popup menu with their component names, shortcuts,
// images, radio groups and design ticks, and finds their items again by name.
class MainMenus {
public:
    MainMenus(QWidget* owner, QMenuBar* menuBar);

    // Any item or separator by its component name; nullptr for an unknown name.
    QAction* action(const QString& objectName) const;
    // A menu by its component name: the top-level menus, the submenus and "PopupMenu1".
    QMenu* menu(const QString& objectName) const;
    QMenu* popupMenu() const { return m_popup; }

    // Every item that runs a command, main menu and popup alike.
    const std::vector<std::pair<QAction*, MainCommand>>& commandItems() const { return m_commandItems; }

    // One item, separator or submenu of the menus' description.
    struct Node;

private:
    void addNodes(QWidget* owner, QMenu* target, const std::vector<Node>& nodes, bool inPopup);

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QMenu* m_popup = nullptr;
    std::vector<std::pair<QAction*, MainCommand>> m_commandItems;
};
