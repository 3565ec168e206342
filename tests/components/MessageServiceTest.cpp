#include "support/ScriptedMessages.h"

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
