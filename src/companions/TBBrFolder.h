#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Lets the user choose a folder.
class TBBrFolder : public QObject {
    Q_OBJECT
public:
    // Shows the picker and returns the chosen folder, or empty text when the user cancels.
    using FolderPicker = std::function<QString(QWidget* owner, const QString& title, const QString& startFolder)>;

    explicit TBBrFolder(QObject* parent = nullptr);

    // Shows the platform's folder picker with the title, opened on startFolder, and returns the
    // chosen folder, or empty text when the user cancels. A drive root "X:\" comes back as "X:".
    QString Execute(const QString& startFolder, const QString& title, QWidget* owner);

    // Replaces the picker, so that tests can answer it; an empty function restores the real one.
    static void setFolderPicker(FolderPicker picker);
};
