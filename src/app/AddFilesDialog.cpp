#include "app/AddFilesDialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;
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

} // namespace

QStringList chooseFilesToAdd(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // Only Qt's own dialog has these children; a desktop's dialog keeps its own looks.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
        details->setItemDelegate(new ProgramLocaleColumns(details));
    QSize size = OpeningSize;
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog.resize(size.expandedTo(dialog.sizeHint()));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}
