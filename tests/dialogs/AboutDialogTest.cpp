#include "dialogs/AboutDialog.h"

#include "DialogChildrenAndCaptions.h"
#include "components/TBHTML.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/AboutDialogTexts.h"
#include "support/OpenedUrls.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
void click(QWidget* widget) {
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, widget->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, widget->mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

QString labelText(const AboutDialog& dialog, const char* name) {
    return childOf<QLabel>(dialog, name)->text();
}
} // namespace

TEST(AboutDialog, LanguageChangesOnlyTheTextsOfTheLanguage) {
    AboutDialog dialog;
    const char* fixedLabels[] = {"Label2", "Label7", "Label6", "Label8", "Label3"};
    QStringList fixedTexts;
    for (int language : {1, 0}) {
        dialog.setLanguageCode(language);
        dialog.show();
        expectCaptionsShown(dialog, AboutCaptions, language);
        EXPECT_EQ(labelText(dialog, "Label1"),
                  language == 1 ? ProgramIdentity::WebAddressGerman : ProgramIdentity::WebAddressEnglish);
        QStringList texts;
        for (const char* name : fixedLabels)
            texts.append(labelText(dialog, name));
        if (fixedTexts.isEmpty())
            fixedTexts = texts;
        EXPECT_EQ(texts, fixedTexts);
        dialog.reject();
    }
    dialog.setLanguageCode(1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Über Brimvale Parcelon 1.4"));
    EXPECT_EQ(labelText(dialog, "Label6"), "Version 1.4");
    dialog.reject();
    dialog.setLanguageCode(0);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "About Brimvale Parcelon 1.4");
}

TEST(AboutDialog, ShowsTheProgramIcon) {
    AboutDialog dialog;
    EXPECT_FALSE(childOf<QLabel>(dialog, "Image1")->pixmap().isNull());
}

TEST(AboutDialog, TheAddressLabelsOpenTheirAddresses) {
    OpenedUrls opened;
    AboutDialog dialog;
    dialog.setLanguageCode(1);
    dialog.show();
    click(dialog.findChild<QLabel*>("Label1"));
    click(dialog.findChild<QLabel*>("Label8"));
    click(dialog.findChild<QLabel*>("Label4")); // plain text opens nothing
    EXPECT_EQ(opened.urls, (QStringList{ProgramIdentity::WebAddressGerman, AboutProductWebAddress.toString()}));
}

TEST(AboutDialog, TheOpenerWorksWithoutTheDialogEverShown) {
    ScriptedMessages noBoxes;
    OpenedUrls opened;
    AboutDialog dialog;
    dialog.BHTML1()->CallExternUrl(ProgramIdentity::WebAddressEnglish);
    dialog.BHTML1()->CallExternUrl(ProgramIdentity::FeedbackMailGerman);
    // An empty address is handed on like any other; the desktop opens nothing and nothing fails.
    dialog.BHTML1()->CallExternUrl(QString());
    EXPECT_EQ(opened.urls, (QStringList{ProgramIdentity::WebAddressEnglish, ProgramIdentity::FeedbackMailGerman}));
    EXPECT_TRUE(noBoxes.shown().empty());
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutDialog, EnterPressesClose) {
    AboutDialog dialog;
    dialog.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
