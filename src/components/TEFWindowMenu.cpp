#include "TEFWindowMenu.h"

#include <QLocale>
#include <QMenu>
#include <QWidget>

namespace {

struct MenuText {
    const char16_t* german;
    const char16_t* english;
};

constexpr MenuText RestoreText{u"&Wiederherstellen", u"&Restore"};
constexpr MenuText MinimizeText{u"Mi&nimieren", u"Mi&nimize"};
constexpr MenuText MaximizeText{u"Ma&ximieren", u"Ma&ximize"};
constexpr MenuText CloseText{u"&Schließen\tAlt+F4", u"&Close\tAlt+F4"};

QString textOf(const MenuText& text) {
    return QString::fromUtf16(QLocale().language() == QLocale::German ? text.german : text.english);
}

} // namespace

void showWindowMenu(QWidget& form, TBorderIcons icons, const QPoint& globalPosition) {
    QMenu menu(&form);
    menu.setObjectName(QStringLiteral("WindowMenu"));
    const bool minimized = form.isMinimized();
    const bool maximized = form.isMaximized();
    QAction* restore = menu.addAction(textOf(RestoreText), &form, &QWidget::showNormal);
    restore->setEnabled((minimized || maximized) && icons.testAnyFlags(biMinimize | biMaximize));
    if (icons.testFlag(biMinimize) || icons.testFlag(biMaximize)) {
        menu.addAction(textOf(MinimizeText), &form, &QWidget::showMinimized)
            ->setEnabled(icons.testFlag(biMinimize) && !minimized);
        menu.addAction(textOf(MaximizeText), &form, &QWidget::showMaximized)
            ->setEnabled(icons.testFlag(biMaximize) && !maximized);
    }
    menu.addSeparator();
    QAction* close = menu.addAction(textOf(CloseText), &form, &QWidget::close);
    close->setEnabled(icons.testFlag(biSystemMenu));
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    menu.exec(globalPosition);
}
