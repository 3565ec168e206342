#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListWidget;
class WebBrowser;

// Opens web and mail addresses with the user's programs, and reads the document a WebBrowser
// has loaded: its title, body text and body markup, and the values the scans find in the markup.
class TBHTML : public QObject {
    Q_OBJECT
public:
    explicit TBHTML(QObject* parent = nullptr);

    // The browser whose document the readers read; set by the host, not owned. Without a
    // browser or a loaded document the readers give empty text and the scans find nothing.
    WebBrowser* Browser = nullptr;

    // Hands the address to the desktop (QDesktopServices); an empty address is passed on as well.
    void CallExternUrl(const QString& address);

    // Starts loading the address in Browser and returns at once.
    void BrowseTo(const QString& address);
    QString GetTitel() const;
    QString GetBodyText() const;
    // The body's markup with upper-case tag names: <A href="x.html">, <IMG src="a.png">.
    QString GetBodyHtml() const;

    // Append every link target of the body markup to target. True only when the markup ends
    // inside a link target that never closes.
    bool GetAllLinks(QListWidget& target) const;
    bool GetAllLinks(QStringList& target) const;
    // Append the source of every image; true when one was begun.
    bool GetAllImages(QListWidget& target) const;
    bool GetAllImages(QStringList& target) const;
    // Append, after each startText, the text between valuePrefix and terminator; true when a
    // value was begun.
    bool GetAllVar(QListWidget& target, const QString& startText, const QString& valuePrefix,
                   const QString& terminator) const;
    bool GetAllVar(QStringList& target, const QString& startText, const QString& valuePrefix,
                   const QString& terminator) const;
    // Kept for hosts written against the full interface; it has nothing to do.
    void GetActiveImage(int x, int y) const;
};
