#include "app/list/NameSizeDelegate.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

size_t qHash(const NameSizeDelegate::Measure& measure, size_t seed) {
    return qHashMulti(seed, measure.text, measure.decorationSize.width(), measure.features, measure.wrapWidth);
}

QSize NameSizeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    // The width of the item counts only where long names wrap.
    const bool wraps = item.features.testFlag(QStyleOptionViewItem::WrapText);
    const Measure measure{item.text,
                          item.font,
                          item.decorationSize,
                          static_cast<int>(item.features),
                          item.decorationPosition,
                          wraps ? item.rect.width() : 0,
                          style};
    const auto known = m_sizes.constFind(measure);
    if (known != m_sizes.cend())
        return *known;
    const QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), item.widget);
    m_sizes.insert(measure, size);
    return size;
}
