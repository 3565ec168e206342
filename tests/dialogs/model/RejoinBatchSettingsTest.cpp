#include "dialogs/model/RejoinBatchSettings.h"
#include "dialogs/model/RejoinScriptSettings.h"
#include "dialogs/model/SplitSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(RejoinBatchSettings, TakesTheDeleteOptionsAndTheMainTextsOfTheLanguage) {
    SplitSettings settings;
    settings.batchDeleteParts = false;
    settings.batchDeleteItself = true;

    const RejoinBatchOptions german = RejoinBatchOptionsFor(settings, 1);
    EXPECT_FALSE(german.deleteParts);
    EXPECT_TRUE(german.deleteItself);
    EXPECT_EQ(german.texts.bannerLine, "echo --  Brimvale Parcelon 1.4 --");
    EXPECT_EQ(german.texts.webLine, "echo WEB    : https://www.brimvale.example/de/");
    EXPECT_EQ(german.texts.mailAddress, "feedback@brimvale.example");
    EXPECT_EQ(german.texts.keyLine1, "echo    Drücken Sie eine Taste, um");
    EXPECT_EQ(german.texts.keyLine3, "echo            zusetzen.");
    EXPECT_FALSE(german.texts.missingPart.empty());

    settings.batchDeleteParts = true;
    settings.batchDeleteItself = false;
    const RejoinBatchOptions english = RejoinBatchOptionsFor(settings, 0);
    EXPECT_TRUE(english.deleteParts);
    EXPECT_FALSE(english.deleteItself);
    EXPECT_EQ(english.texts.webLine, "echo WEB   : https://www.brimvale.example/en/");
    EXPECT_EQ(english.texts.keyLine2, "echo            the files");
    EXPECT_EQ(english.texts.keyLine3, "echo");
    EXPECT_NE(english.texts.nothingDone, german.texts.nothingDone);
}

TEST(RejoinScriptSettings, TheScriptComesWithTheBatchFileAndShareItsDeleteOptions) {
    SplitSettings settings;
    EXPECT_TRUE(WritesRejoinScript(settings));
    settings.batchFile = false;
    EXPECT_FALSE(WritesRejoinScript(settings));
    settings.batchFile = true;
    settings.shellScript = false;
    EXPECT_FALSE(WritesRejoinScript(settings));

    settings.batchDeleteParts = false;
    const RejoinScriptOptions german = RejoinScriptOptionsFor(settings, 1);
    EXPECT_FALSE(german.deleteParts);
    EXPECT_TRUE(german.deleteItself);
    EXPECT_EQ(german.texts.missingPart, "Teildatei nicht gefunden:");
    EXPECT_EQ(RejoinScriptOptionsFor(settings, 0).texts.missingPart, "Part file not found:");
}

} // namespace
