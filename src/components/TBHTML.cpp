#include "components/TBHTML.h"

#include <QDesktopServices>
#include <QUrl>

TBHTML::TBHTML(QObject* parent)
    : QObject(parent) {}

void TBHTML::CallExternUrl(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}
