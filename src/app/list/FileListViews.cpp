#include "app/list/FileListViews.h"

#include "app/list/FileListItem.h"
#include "app/list/LocalFiles.h"
#include "app/list/NameSizeDelegate.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QListView>
#include <QStyle>
#include <QStyleOption>
#include <QTreeView>
#include <algorithm>

namespace {
constexpr int ColumnWidths[] = {200, 120, 85, 90, 50};
const QSize SmallIcon(16, 16);
const QSize LargeIcon(32, 32);
const QSize LargeIconCell(96, 64);

void prepare(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
}
} // namespace

FileListViews::FileListViews(QWidget* parent)
    : QStackedWidget(parent)
    , m_report(new QTreeView(this))
    , m_names(new QListView(this))
    , m_nameSizes(new NameSizeDelegate(m_names)) {
    setObjectName(QStringLiteral("ListView1"));
    m_report->setObjectName(QStringLiteral("ListView1Report"));
    m_names->setObjectName(QStringLiteral("ListView1Names"));
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_report), static_cast<QAbstractItemView*>(m_names)}) {
        prepare(view);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
            emit contextMenuRequested(view->viewport()->mapToGlobal(position));
        });
        view->viewport()->installEventFilter(this);
        addWidget(view);
    }
    setDropsAccepted(true);
    m_report->setRootIsDecorated(false);
    m_report->setItemsExpandable(false);
    m_report->setUniformRowHeights(true);
    m_report->setIconSize(SmallIcon);
    m_report->header()->setSectionsMovable(false);
    m_report->header()->setSectionsClickable(true);
    m_report->header()->setStretchLastSection(false);
    connect(m_report->header(), &QHeaderView::sectionClicked, this, &FileListViews::columnClicked);
    m_names->setItemDelegate(m_nameSizes);
    m_names->setMovement(QListView::Static);
    m_names->setResizeMode(QListView::Adjust);
    m_names->setWrapping(true);
    setStyle(Report);
}

void FileListViews::setModel(QAbstractItemModel* model) {
    if (model == m_report->model())
        return;
    m_report->setModel(model);
    // Both views share the report's selection, so a style switch keeps it.
    m_names->setModel(model);
    QItemSelectionModel* own = m_names->selectionModel();
    m_names->setSelectionModel(m_report->selectionModel());
    delete own;
    for (int column = 0; column < static_cast<int>(std::size(ColumnWidths)); ++column)
        m_report->setColumnWidth(column, ColumnWidths[column]);
    // Dates are never cut short, whatever the desktop's font.
    const int textMargins = 2 * (m_report->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_report) + 1);
    const int dateWidth = m_report->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00 00:00")) + textMargins;
    m_report->setColumnWidth(ColumnDate, std::max(ColumnWidths[ColumnDate], dateWidth));
    widenColumnsToCaptions();
    connect(model, &QAbstractItemModel::headerDataChanged, this, &FileListViews::widenColumnsToCaptions,
            Qt::UniqueConnection);
}

void FileListViews::widenColumnsToCaptions() {
    QAbstractItemModel* model = m_report->model();
    QHeaderView* header = m_report->header();
    // Any column may carry the sort arrow, so each is measured with it.
    QIcon arrow;
    for (int column = 0; column < model->columnCount() && arrow.isNull(); ++column)
        arrow = model->headerData(column, Qt::Horizontal, Qt::DecorationRole).value<QIcon>();
    for (int column = 0; column < model->columnCount(); ++column) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = column;
        option.text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        option.icon = arrow;
        const int width = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
        if (m_report->columnWidth(column) < width)
            m_report->setColumnWidth(column, width);
    }
}

QAbstractItemModel* FileListViews::model() const {
    return m_report->model();
}

QItemSelectionModel* FileListViews::selectionModel() const {
    return m_report->selectionModel();
}

QAbstractItemView* FileListViews::currentView() const {
    return m_style == Report ? static_cast<QAbstractItemView*>(m_report) : m_names;
}

void FileListViews::setStyle(Style style) {
    m_style = style;
    m_nameSizes->forgetSizes();
    switch (style) {
    case Report:
        break;
    case List:
        m_names->setViewMode(QListView::ListMode);
        m_names->setFlow(QListView::TopToBottom);
        m_names->setIconSize(SmallIcon);
        m_names->setGridSize(QSize());
        break;
    case SmallIcons:
        m_names->setViewMode(QListView::ListMode);
        m_names->setFlow(QListView::LeftToRight);
        m_names->setIconSize(SmallIcon);
        m_names->setGridSize(QSize());
        break;
    case LargeIcons:
        m_names->setViewMode(QListView::IconMode);
        m_names->setFlow(QListView::LeftToRight);
        m_names->setIconSize(LargeIcon);
        m_names->setGridSize(LargeIconCell);
        break;
    }
    // Icon mode switches these back on; the list is arranged by the sort, not by hand.
    m_names->setMovement(QListView::Static);
    m_names->setWrapping(true);
    m_names->setWordWrap(style == LargeIcons);
    // A static movement also turns off the view's drops; files from outside are still welcome.
    m_names->viewport()->setAcceptDrops(m_dropsAccepted);
    setCurrentWidget(currentView());
}

void FileListViews::selectAll() {
    currentView()->selectAll();
}

QList<int> FileListViews::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListViews::setDropsAccepted(bool accepted) {
    m_dropsAccepted = accepted;
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_report), static_cast<QAbstractItemView*>(m_names)})
        view->viewport()->setAcceptDrops(accepted);
}

bool FileListViews::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (LocalPaths(*drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalPaths(*drop->mimeData());
        drop->acceptProposedAction();
        if (!paths.isEmpty())
            emit filesDropped(paths);
        return true;
    }
    default:
        return QStackedWidget::eventFilter(watched, event);
    }
}
