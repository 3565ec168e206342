#pragma once

#include <QStackedWidget>

class NameSizeDelegate;
class QAbstractItemModel;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QTreeView;

// The file list "ListView1" in its four styles: a report with columns, and a list, small icons
// and large icons of the names. All styles show one model with one selection, so switching the
// style keeps what the user has selected.
class FileListViews : public QStackedWidget {
    Q_OBJECT
public:
    // The stored numbers of the styles.
    enum Style { LargeIcons = 0, SmallIcons = 1, List = 2, Report = 3 };

    explicit FileListViews(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const;
    QItemSelectionModel* selectionModel() const;

    void setStyle(Style style);
    Style style() const { return m_style; }

    QTreeView* reportView() const { return m_report; }
    QListView* namesView() const { return m_names; }
    QAbstractItemView* currentView() const;

    void selectAll();
    // Rows selected in every style, in ascending order.
    QList<int> selectedRows() const;

    // Files dropped from a file manager are offered while this is on.
    void setDropsAccepted(bool accepted);

signals:
    // Local paths dropped on the list, in the order the file manager gave them.
    void filesDropped(const QStringList& paths);
    // A right click on the list, at a global position.
    void contextMenuRequested(const QPoint& globalPosition);
    // A click on a column header of the report.
    void columnClicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // No column is narrower than its caption with the sort arrow beside it.
    void widenColumnsToCaptions();

    QTreeView* m_report;
    QListView* m_names;
    NameSizeDelegate* m_nameSizes;
    Style m_style = Report;
    bool m_dropsAccepted = true;
};
