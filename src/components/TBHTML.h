#pragma once

#include <QObject>
#include <QString>

// Opens web and mail addresses with the user's programs; the document readers are added beside it.
class TBHTML : public QObject {
    Q_OBJECT
public:
    explicit TBHTML(QObject* parent = nullptr);

    // Hands the address to the desktop (QDesktopServices); an empty address is passed on as well.
    void CallExternUrl(const QString& address);
};
