#include "app/frame/MainPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {
QIcon iconFrom(const char* resource) {
    return QIcon(QString::fromLatin1(resource));
}

// The picture with a bold check mark over its lower right half: a style draws a ticked item's
// picture in place of the tick, and a faint sunken frame around it is easily missed.
QPixmap withTick(const QPixmap& picture) {
    QPixmap ticked(picture.size());
    ticked.fill(Qt::transparent);
    QPainter painter(&ticked);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(0.55);
    painter.drawPixmap(0, 0, picture);
    painter.setOpacity(1);
    const qreal unit = picture.width() / 16.0;
    QPainterPath tick;
    tick.moveTo(4 * unit, 8.5 * unit);
    tick.lineTo(7 * unit, 12 * unit);
    tick.lineTo(13 * unit, 3.5 * unit);
    painter.setPen(QPen(Qt::white, 4.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(Qt::black, 2.2 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return ticked;
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

QIcon checkableMenuImage(int index) {
    QIcon icon = menuImage(index);
    if (icon.isNull())
        return icon;
    icon.addPixmap(withTick(icon.pixmap(16, 16)), QIcon::Normal, QIcon::On);
    return icon;
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
