#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>

// Draws the names of the list styles like the standard delegate, but measures each name once:
// every sort lays out all names again, and shaping their texts is nearly all of that work.
class NameSizeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Drops the sizes measured so far, so the memo does not outgrow the names in use.
    void forgetSizes() { m_sizes.clear(); }

    // What an item's size depends on.
    struct Measure {
        QString text;
        QFont font;
        QSize decorationSize;
        int features = 0;
        int decorationPosition = 0;
        int wrapWidth = 0;
        const void* style = nullptr;

        bool operator==(const Measure&) const = default;
    };

private:
    mutable QHash<Measure, QSize> m_sizes;
};

size_t qHash(const NameSizeDelegate::Measure& measure, size_t seed = 0);
