#pragma once

#include "dialogs/SpecialSplitChecks.h"

#include <QDialog>
#include <QPixmap>

class DialogImageStrip;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QTreeWidget;

// The modal dialog of the special split: the user lists byte positions with the name of the part
// that begins there and chooses how the positions count. It checks the entries; it opens no
// file. Entries and counting mode stay from one showing to the next.
class SpecialSplitDialog : public QDialog {
    Q_OBJECT
public:
    explicit SpecialSplitDialog(QWidget* parent = nullptr);

    // 1 German, 0 English; takes effect at the next showing.
    void setLanguageCode(int languageCode);
    // The main window's toolbar picture for the images along the bottom edge.
    void setStripPicture(const QPixmap& picture);
    // The size of the file to split in decimal digits, shown at the next showing.
    void setOriginalSize(const QString& sizeText);

    QList<SpecialSplitEntry> entries() const;
    SpecialSplitCounting counting() const;

    // True after the dialog has closed unless the proceed button closed it.
    bool Cancelled() const { return m_cancelled; }

    void setVisible(bool visible) override;
    void done(int result) override;

private:
    void buildLayout();
    void prepareShowing();
    void updateCommandStates();
    void addEntry();
    void deleteEntry();
    void exchangeWithNeighbour(int offset);
    void proceed();
    void showMessage(int number) const;

    QLineEdit* m_size = nullptr;
    QLineEdit* m_position = nullptr;
    QLineEdit* m_name = nullptr;
    QTreeWidget* m_list = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QToolButton* m_proceed = nullptr;
    QToolButton* m_cancel = nullptr;
    QRadioButton* m_fromStart = nullptr;
    QRadioButton* m_fromPreviousEnd = nullptr;
    DialogImageStrip* m_strip = nullptr;

    QString m_originalSize;
    QPixmap m_stripPicture;
    int m_languageCode = 0;
    bool m_cancelled = false;
};
