#include "app/list/NameSizeDelegate.h"

#include <QListView>
#include <QPixmap>
#include <QStandardItemModel>
#include <gtest/gtest.h>

// A remembered size must never stand in for a look it was not measured in: the names views ask
// again with other fonts, icon sizes and wrap widths when the style changes.
TEST(NameSizeDelegate, AnswersWhatTheStyleMeasuresInEveryLook) {
    QStandardItemModel model;
    QPixmap picture(32, 32);
    picture.fill(Qt::blue);
    model.appendRow(new QStandardItem(QIcon(picture), QStringLiteral("a.txt")));
    model.appendRow(new QStandardItem(QStringLiteral("a rather long file name that wraps somewhere.txt")));
    QListView view;
    view.setModel(&model);
    NameSizeDelegate remembering;
    QStyledItemDelegate measuring;

    QFont large = view.font();
    large.setPointSize(large.pointSize() * 2);
    struct Look {
        QSize decorationSize;
        QFont font;
        bool wraps;
        int width;
    };
    const Look looks[] = {
        {{16, 16}, view.font(), false, 0}, {{32, 32}, view.font(), false, 0},  {{16, 16}, large, false, 0},
        {{32, 32}, view.font(), true, 96}, {{32, 32}, view.font(), true, 300},
    };
    // Twice round, so the second answers come from the memo.
    for (int round = 0; round < 2; ++round) {
        for (const Look& look : looks) {
            QStyleOptionViewItem option;
            option.initFrom(&view);
            option.widget = &view;
            option.decorationSize = look.decorationSize;
            option.font = look.font;
            option.rect = QRect(0, 0, look.width, 64);
            if (look.wraps)
                option.features |= QStyleOptionViewItem::WrapText;
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex index = model.index(row, 0);
                EXPECT_EQ(remembering.sizeHint(option, index), measuring.sizeHint(option, index))
                    << "row " << row << ", icon " << look.decorationSize.width() << ", width " << look.width;
            }
        }
    }
}
