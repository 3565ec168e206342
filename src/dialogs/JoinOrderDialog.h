#pragma once

#include "dialogs/JoinOrderMoves.h"

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class DialogImageStrip;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QToolButton;

// The modal dialog in which the user puts the parts of a join into their order and may give the
// joined file another name. It edits a list of paths; it opens no file. The Rename box and the
// name field keep their state from one showing to the next.
class JoinOrderDialog : public QDialog {
    Q_OBJECT
public:
    explicit JoinOrderDialog(QWidget* parent = nullptr);

    // 1 German, 0 English; takes effect at the next showing.
    void setLanguageCode(int languageCode);
    // The main window's toolbar picture for the images along the bottom edge.
    void setStripPicture(const QPixmap& picture);

    // The parts in the proposed order; the list shows them at every showing.
    void setPartList(const QStringList& parts);
    // The order the user left when proceed closed the dialog; otherwise the list as handed in.
    const QStringList& PartList() const { return m_partList; }

    void setNameText(const QString& name);
    QString nameText() const;
    bool renameChecked() const;

    // True after the dialog has closed unless the proceed button closed it.
    bool Cancelled() const { return m_cancelled; }

    void setVisible(bool visible) override;
    void done(int result) override;

private:
    void buildLayout();
    void prepareShowing();
    void updateCommandStates();
    void setNameEditable(bool editable);
    void moveSelection(void (*move)(JoinOrderEntries&));
    void proceed();

    QListWidget* m_list = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QCheckBox* m_rename = nullptr;
    QLineEdit* m_name = nullptr;
    QToolButton* m_proceed = nullptr;
    QToolButton* m_cancel = nullptr;
    DialogImageStrip* m_strip = nullptr;

    QStringList m_partList;
    QPixmap m_stripPicture;
    int m_languageCode = 0;
    bool m_cancelled = false;
};
