#pragma once

#include "dialogs/ProceedCancelDialog.h"
#include "dialogs/SpecialSplitChecks.h"

class QLineEdit;
class QRadioButton;
class QToolButton;
class QTreeWidget;

// The modal dialog of the special split: the user lists byte positions with the name of the part
// that begins there and chooses how the positions count. It checks the entries; it opens no
// file. Entries and counting mode stay from one showing to the next.
class SpecialSplitDialog : public ProceedCancelDialog {
    Q_OBJECT
public:
    explicit SpecialSplitDialog(QWidget* parent = nullptr);

    // The size of the file to split in decimal digits, shown at the next showing.
    void setOriginalSize(const QString& sizeText) { m_originalSize = sizeText; }

    QList<SpecialSplitEntry> entries() const;
    SpecialSplitCounting counting() const;

protected:
    void prepareShowing() override;
    void proceed() override;

private:
    void buildLayout();
    void updateCommandStates();
    void addEntry();
    void deleteEntry();
    void exchangeWithNeighbour(int offset);
    void showMessage(int number) const;

    QLineEdit* m_size = nullptr;
    QLineEdit* m_position = nullptr;
    QLineEdit* m_name = nullptr;
    QTreeWidget* m_list = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QRadioButton* m_fromStart = nullptr;
    QRadioButton* m_fromPreviousEnd = nullptr;

    QString m_originalSize;
};
