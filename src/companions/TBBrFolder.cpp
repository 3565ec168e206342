#include "companions/TBBrFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace {

QString showFolderDialog(QWidget* owner, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
}

TBBrFolder::FolderPicker& currentPicker() {
    static TBBrFolder::FolderPicker picker = showFolderDialog;
    return picker;
}

} // namespace

TBBrFolder::TBBrFolder(QObject* parent)
    : QObject(parent) {}

void TBBrFolder::setFolderPicker(FolderPicker picker) {
    currentPicker() = picker ? std::move(picker) : FolderPicker(showFolderDialog);
}

QString TBBrFolder::Execute(const QString& startFolder, const QString& title, QWidget* owner) {
    QString folder = QDir::toNativeSeparators(currentPicker()(owner, title, startFolder));
    static const QRegularExpression driveRoot(QStringLiteral("^[A-Za-z]:\\\\$"));
    if (driveRoot.match(folder).hasMatch())
        folder.chop(1);
    return folder;
}
