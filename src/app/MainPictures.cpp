#include "app/MainPictures.h"

#include <array>

namespace {
QIcon iconFrom(const char* resource) {
    return QIcon(QString::fromLatin1(resource));
}
} // namespace

namespace MainPictures {
QIcon menuImage(int index) {
    static constexpr std::array<const char*, 16> files{
        ":/menu-add.png",         ":/menu-split.png",     ":/menu-merge.png",      ":/menu-exit.png",
        ":/menu-delete.png",      ":/menu-details.png",   ":/menu-list.png",       ":/menu-small-icons.png",
        ":/menu-large-icons.png", ":/menu-ascending.png", ":/menu-descending.png", ":/menu-about.png",
        ":/menu-german.png",      ":/menu-english.png",   ":/menu-clipboard.png",  ":/menu-settings.png",
    };
    if (index < 0 || index >= static_cast<int>(files.size()))
        return {};
    return iconFrom(files[static_cast<std::size_t>(index)]);
}

QIcon toolbarImage(int index) {
    static constexpr std::array<const char*, 6> files{
        ":/toolbar-add.png",  ":/toolbar-split.png",    ":/toolbar-merge.png",
        ":/toolbar-stop.png", ":/toolbar-settings.png", ":/toolbar-exit.png",
    };
    if (index < 0 || index >= static_cast<int>(files.size()))
        return {};
    return iconFrom(files[static_cast<std::size_t>(index)]);
}

QIcon sortArrow(bool ascending) {
    return iconFrom(ascending ? ":/sort-ascending.png" : ":/sort-descending.png");
}

QPixmap redLamp() {
    return QPixmap(QStringLiteral(":/lamp-red.png"));
}

QPixmap greenLamp() {
    return QPixmap(QStringLiteral(":/lamp-green.png"));
}

QPixmap greyLamp() {
    return QPixmap(QStringLiteral(":/lamp-grey.png"));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/parcelon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap band() {
    return QPixmap(QStringLiteral(":/band.png"));
}
} // namespace MainPictures
