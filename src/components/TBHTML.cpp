#include "components/TBHTML.h"

#include "components/TBHTMLScans.h"
#include "components/WebBrowser.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QPointer>
#include <QUrl>

namespace {

// Scans into a list, then appends to the widget if it still exists: the scan lets the
// application process events, and those may close the widget's window.
template <typename Scan>
bool scanIntoWidget(QListWidget& target, Scan scan) {
    QPointer<QListWidget> guard(&target);
    QStringList values;
    const bool result = scan(values);
    if (guard)
        guard->addItems(values);
    return result;
}

} // namespace

TBHTML::TBHTML(QObject* parent)
    : QObject(parent) {}

void TBHTML::CallExternUrl(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void TBHTML::BrowseTo(const QString& address) {
    if (Browser)
        Browser->Navigate(address);
}

QString TBHTML::GetTitel() const {
    return Browser && Browser->document() ? Browser->document()->title() : QString();
}

QString TBHTML::GetBodyText() const {
    return Browser && Browser->document() ? Browser->document()->bodyText() : QString();
}

QString TBHTML::GetBodyHtml() const {
    return Browser && Browser->document() ? Browser->document()->bodyHtml() : QString();
}

bool TBHTML::GetAllLinks(QStringList& target) const {
    return ScanLinks(GetBodyHtml(), target);
}

bool TBHTML::GetAllLinks(QListWidget& target) const {
    return scanIntoWidget(target, [this](QStringList& values) { return GetAllLinks(values); });
}

bool TBHTML::GetAllImages(QStringList& target) const {
    return ScanImages(GetBodyHtml(), target);
}

bool TBHTML::GetAllImages(QListWidget& target) const {
    return scanIntoWidget(target, [this](QStringList& values) { return GetAllImages(values); });
}

bool TBHTML::GetAllVar(QStringList& target, const QString& startText, const QString& valuePrefix,
                       const QString& terminator) const {
    return ScanValues(GetBodyHtml(), startText, valuePrefix, terminator, target);
}

bool TBHTML::GetAllVar(QListWidget& target, const QString& startText, const QString& valuePrefix,
                       const QString& terminator) const {
    return scanIntoWidget(target,
                          [&](QStringList& values) { return GetAllVar(values, startText, valuePrefix, terminator); });
}

void TBHTML::GetActiveImage(int, int) const {}
