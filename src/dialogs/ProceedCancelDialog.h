#pragma once

#include <QDialog>
#include <QStringList>

class DialogImageStrip;
class QLayout;
class QToolButton;

// A modal dialog closed by its proceed or its cancel button, with the row of images along its
// bottom edge. Cancelled tells the caller afterwards whether proceed closed it.
class ProceedCancelDialog : public QDialog {
    Q_OBJECT
public:
    // 1 German, 0 English; takes effect at the next showing.
    void setLanguageCode(int languageCode) { m_languageCode = languageCode; }

    // True after the dialog has closed unless the proceed button closed it.
    bool Cancelled() const { return m_cancelled; }

    void setVisible(bool visible) override;
    void done(int result) override;

protected:
    struct Names {
        const char* form;
        const char* proceedButton;
        const char* cancelButton;
        QStringList images;
    };
    ProceedCancelDialog(const Names& names, QWidget* parent);

    // Lays out the dialog's own controls above the two buttons and the images.
    void setContent(QLayout* content);

    int languageCode() const { return m_languageCode; }
    QToolButton* proceedButton() const { return m_proceed; }

    // Fills the controls for a new showing: texts of the language, values handed in.
    virtual void prepareShowing() = 0;
    // Checks what the user entered; calls accept() when the dialog may close.
    virtual void proceed() = 0;

private:
    QToolButton* m_proceed = nullptr;
    QToolButton* m_cancel = nullptr;
    DialogImageStrip* m_strip = nullptr;
    int m_languageCode = 0;
    bool m_cancelled = false;
};
