#pragma once

#include <QDialog>

class QLabel;
class QToolButton;
class TBHTML;

// The about dialog: product, version, author, the rights notice and two clickable web addresses.
// It also owns the address opener that the main window's web site and feedback commands use,
// whether or not the dialog has ever been shown.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // 1 German, 0 English; takes effect at the next showing.
    void setLanguageCode(int languageCode);

    TBHTML* BHTML1() const { return m_html; }

    // 1 the maker's web address, 2 the title's start, 3 the version word; empty for other ids.
    static QString TextById(int id, int languageCode);

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter presses Close.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void prepareShowing();
    QLabel* makeLinkLabel(const char* name);

    TBHTML* m_html = nullptr;
    QLabel* m_makerAddress = nullptr;
    QLabel* m_productAddress = nullptr;
    QLabel* m_version = nullptr;
    QToolButton* m_close = nullptr;
    int m_languageCode = 0;
};
