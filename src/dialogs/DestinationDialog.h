#pragma once

#include "dialogs/ProceedCancelDialog.h"

#include <QString>

class QFileSystemModel;
class QLineEdit;
class QTimer;
class QTreeView;

// The modal dialog in which the user picks the folder that receives the output of an operation.
// It reads and stores nothing itself: the caller proposes a folder and reads the outcome.
class DestinationDialog : public ProceedCancelDialog {
    Q_OBJECT
public:
    explicit DestinationDialog(QWidget* parent = nullptr);

    // The folder proposed at the next showing; the user's home folder when empty.
    void setDestDir(const QString& folder) { m_destDir = folder; }
    // After Weiter: the absolute folder the path field named; otherwise the folder proposed.
    const QString& DestDir() const { return m_destDir; }

    // Creates the missing folders along an absolute path; true when it is a folder afterwards.
    static bool CreateFolderPath(const QString& path);
    QString TextById(int id) const;

    // Weiter is enabled exactly while the path field names an existing folder.
    void Timer1Timer();
    // Go to the typed path, or say it is no folder and take the tree's folder back.
    void SpeedButton1Click();
    // Weiter: take the path field's folder, creating it when needed.
    void proceed() override;
    // Ask for a name and create that folder below the path field's folder.
    void BitBtn4Click();

    // The folder selected in the tree, ending with "/"; empty text when none is.
    QString treePath() const;
    // The absolute folder the path field names: a path that is not absolute counts from the
    // folder the tree shows, "~" from the home folder.
    QString typedFolder() const;

    void setVisible(bool visible) override;
    void done(int result) override;

protected:
    void prepareShowing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void setTreePath(const QString& path);
    void followTree();
    void keepChosenFolderInSight();
    void showMessage(int id);

    QLineEdit* m_path = nullptr;
    QTreeView* m_tree = nullptr;
    QFileSystemModel* m_folders = nullptr;
    QTimer* m_proceedTimer = nullptr;

    QString m_destDir;
    // Set while the program moves the tree, so that only the user's moves reach the path field.
    bool m_movingTree = false;
    // The folder the program chose stays in sight until the user takes the tree in hand.
    bool m_keepInSight = false;
};
