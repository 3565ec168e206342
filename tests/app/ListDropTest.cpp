#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The widget a drag over `position` of the window reaches, chosen as the platform's drag
// dispatch does: the widget there if it takes drops, else its nearest parent that does.
QWidget* dropTargetAt(QWidget& window, QPoint position) {
    QWidget* widget = window.childAt(position);
    while (widget && widget != &window && !widget->acceptDrops())
        widget = widget->parentWidget();
    return widget && widget->acceptDrops() ? widget : nullptr;
}

// Drags the URLs in from outside and drops them at `position`; false when nothing took them.
bool dropOnWindow(QWidget& window, const QList<QUrl>& urls, QPoint position) {
    QWidget* target = dropTargetAt(window, position);
    if (!target)
        return false;
    QMimeData data;
    data.setUrls(urls);
    const QPoint local = target->mapFrom(&window, position);
    QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(local), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

using ListDrop = MainWindowFixture;

// Every style takes drops, also after switching back and forth and after a drop has been handled.
TEST_F(ListDrop, FilesDroppedOnEveryStyleAreAddedAndSorted) {
    store().Push("SortType", "2"); // by name
    MainWindow& window = openWindow();
    window.show();
    QDir(m_folder.path()).mkdir("folder");
    const QList<QUrl> urls{QUrl::fromLocalFile(file("y.txt")), QUrl::fromLocalFile(m_folder.filePath("folder")),
                           QUrl::fromLocalFile(m_folder.filePath("vanished.txt")), QUrl::fromLocalFile(file("x.txt"))};

    for (const char* viewItem : {"Liste1", "KleineSymbole1", "GroeSymbole1", "Details1", "Liste1"}) {
        window.menuItem(viewItem)->trigger();
        window.fileList()->clearList();
        QWidget* viewport = window.listView()->currentView()->viewport();
        const QPoint centre = viewport->mapTo(&window, viewport->rect().center());
        EXPECT_TRUE(dropOnWindow(window, urls, centre)) << viewItem;
        EXPECT_EQ(listedNames(), (QStringList{"x.txt", "y.txt"})) << viewItem;
        EXPECT_EQ(dropTargetAt(window, centre), viewport) << viewItem;
    }
}
