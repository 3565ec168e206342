#include "app/list/AddFilesDialog.h"

#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

constexpr int NameColumn = 0;
constexpr int SizeColumn = 1;
constexpr int TypeColumn = 2;
constexpr int DateColumn = 3;
constexpr int NameWidth = 260;
constexpr int ColumnPadding = 24;
const QSize OpeningSize(820, 500);

// Qt's file model writes sizes and dates in the system's locale; these follow the program's.
class ProgramLocaleColumns : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* files = qobject_cast<const QFileSystemModel*>(index.model());
        if (!files)
            return;
        if (index.column() == SizeColumn && !files->isDir(index))
            option->text = QLocale().formattedDataSize(files->size(index));
        else if (index.column() == DateColumn)
            option->text = QLocale().toString(files->lastModified(index), QLocale::ShortFormat);
    }
};

// Qt builds its own dialog's widgets only when it is shown; they are fitted then.
class FitOnShow : public QObject {
public:
    explicit FitOnShow(QFileDialog& dialog)
        : QObject(&dialog)
        , m_dialog(dialog) {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_dialog || event->type() != QEvent::Show || m_done)
            return false;
        m_done = true;
        // Only Qt's own dialog has these children; a desktop's dialog keeps its own looks.
        auto* details = m_dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!details)
            return false;
        details->setItemDelegate(new ProgramLocaleColumns(details));
        QSize size = OpeningSize;
        if (const QScreen* screen = m_dialog.screen())
            size = size.boundedTo(screen->availableGeometry().size());
        m_dialog.resize(size.expandedTo(m_dialog.minimumSizeHint()));
        // Wide enough for a date, a size and a type name of the program's language.
        const QFontMetrics metrics = details->fontMetrics();
        const QString longestDate =
            QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        QHeaderView* header = details->header();
        header->resizeSection(NameColumn, NameWidth);
        header->resizeSection(SizeColumn, metrics.horizontalAdvance(QStringLiteral("999,99 MiB")) + ColumnPadding);
        header->resizeSection(TypeColumn, metrics.horizontalAdvance(QStringLiteral("Unbekannter Typ")) + ColumnPadding);
        header->resizeSection(DateColumn, metrics.horizontalAdvance(longestDate) + ColumnPadding);
        return false;
    }

private:
    QFileDialog& m_dialog;
    bool m_done = false;
};

} // namespace

QStringList chooseFilesToAdd(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    new FitOnShow(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}
