#include "support/ScriptedMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageService, ScriptedServiceAnswersAndRecordsWhileInstalled) {
    {
        ScriptedMessages script;
        script.answer(MessageAnswer::No);
        script.answerInput(std::nullopt);
        EXPECT_EQ(&MessageService::current(), &script);
        EXPECT_EQ(MessageService::current().showMessage("text", "caption", MbQuestionYesNo), MessageAnswer::No);
        EXPECT_FALSE(MessageService::current().inputText("cap", "prompt", "default").has_value());
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[0].flags, MbQuestionYesNo);
        EXPECT_TRUE(script.allAnswersUsed());
    }
    EXPECT_NE(dynamic_cast<DialogMessageService*>(&MessageService::current()), nullptr);
}

TEST(MessageService, RealBoxesSpeakTheProgramsLanguageAndReportTheButtonPressed) {
    struct Case {
        int languageCode;
        QStringList buttons;
    };
    for (const Case& c : {Case{1, {"&Ja", "&Nein", "Abbrechen"}}, Case{0, {"&Yes", "&No", "Cancel"}}}) {
        DialogMessageService::setButtonLanguage(c.languageCode);
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                seen.append(button->text());
            box->button(QMessageBox::No)->click();
        });
        DialogMessageService boxes;
        EXPECT_EQ(boxes.showMessage("text", "caption", MbExclamationYesNoCancel), MessageAnswer::No);
        seen.sort();
        QStringList expected = c.buttons;
        expected.sort();
        EXPECT_EQ(seen, expected) << c.languageCode;
    }
    DialogMessageService::setButtonLanguage(0);
}
