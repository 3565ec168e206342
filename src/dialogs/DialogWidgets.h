#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QIcon;
class QKeyEvent;
class QPixmap;
class QLabel;
class QToolButton;

// A title bar with the close button only, like every dialog of the program.
void useDialogBorder(QWidget* dialog);

// Puts a window that is about to be shown in the middle of its screen.
void centreOnScreen(QWidget* window);

// A flat button with a picture and its caption beside it.
QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QIcon& icon);

// A label carrying its component name.
QLabel* makeLabel(QWidget* parent, const char* name, bool wordWrap = false);

// Return or the keypad's Enter, without Alt or Ctrl: the key that presses a dialog's default button.
bool isEnterKey(const QKeyEvent& event);

// True when the text holds more than blanks and control characters.
bool hasVisibleCharacter(QStringView text);

// The row of images along a dialog's bottom edge; each shows the picture of the main window's
// toolbar band while the dialog is open.
class DialogImageStrip : public QWidget {
public:
    DialogImageStrip(const QStringList& imageNames, QWidget* parent);

    // The toolbar band's picture, or the one given.
    void showPicture();
    void showPicture(const QPixmap& picture);
    void clearPictures();

private:
    QList<QLabel*> m_images;
};
