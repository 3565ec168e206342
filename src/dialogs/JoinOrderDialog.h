#pragma once

#include "dialogs/JoinOrderMoves.h"
#include "dialogs/ProceedCancelDialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

// The modal dialog in which the user puts the parts of a join into their order and may give the
// joined file another name. It edits a list of paths; it opens no file. The Rename box and the
// name field keep their state from one showing to the next.
class JoinOrderDialog : public ProceedCancelDialog {
    Q_OBJECT
public:
    explicit JoinOrderDialog(QWidget* parent = nullptr);

    // The parts in the proposed order; the list shows them at every showing.
    void setPartList(const QStringList& parts) { m_partList = parts; }
    // The order the user left when proceed closed the dialog; otherwise the list as handed in.
    const QStringList& PartList() const { return m_partList; }

    void setNameText(const QString& name);
    QString nameText() const;
    bool renameChecked() const;

protected:
    void prepareShowing() override;
    void proceed() override;

private:
    void buildLayout();
    void updateCommandStates();
    void setNameEditable(bool editable);
    void moveSelection(void (*move)(JoinOrderEntries&));

    QListWidget* m_list = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QCheckBox* m_rename = nullptr;
    QLineEdit* m_name = nullptr;

    QStringList m_partList;
};
