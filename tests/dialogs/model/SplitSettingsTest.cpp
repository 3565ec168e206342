#include "dialogs/model/SplitSettings.h"
#include "components/core/TBReg.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// Every test gets a store of its own, so values never leak from one test into another.
class SplitSettingsTest : public ::testing::Test {
protected:
    SplitSettingsTest() {
        static int storeNumber = 0;
        m_reg = TBReg(QStringLiteral("SettingsModel%1").arg(++storeNumber), QStringLiteral("BrimvaleTest"));
    }

    void store(const QMap<QString, QString>& values) const {
        for (auto it = values.begin(); it != values.end(); ++it)
            m_reg.Push(it.key(), it.value());
    }

    TBReg m_reg;
};

TEST_F(SplitSettingsTest, FreshStoreGivesTheDefaultsAndAUsablePreset) {
    const SplitSettings settings = LoadSettings(m_reg);
    EXPECT_EQ(settings.splitMode, SplitMode::BySize);
    EXPECT_EQ(settings.sizeIndex, 0);
    // "Size" was never stored, yet the preset's byte count is in force.
    EXPECT_EQ(settings.sizeText, QStringLiteral("1457664"));
    EXPECT_EQ(settings.fileCountText, QStringLiteral("1"));
    EXPECT_TRUE(settings.batchFile);
    EXPECT_TRUE(settings.batchDeleteParts);
    EXPECT_TRUE(settings.batchDeleteItself);
    EXPECT_TRUE(settings.shellScript);
    EXPECT_TRUE(settings.checksumFile);
    EXPECT_EQ(settings.joinOrder, JoinOrderPolicy::AskWhenUnclear);
    EXPECT_FALSE(settings.deleteSplitFiles);
}

TEST_F(SplitSettingsTest, SizeIndexAndSizeTextFallBackAsStored) {
    struct Case {
        QString sizeIndex;
        int expectedIndex;
        QString expectedSizeText;
    };
    const Case cases[] = {
        {"9", 0, "1457664"}, {"-1", 0, "1457664"},  {"x", 0, "1457664"},   {"3x", 0, "1457664"},  {"", 0, "1457664"},
        {"1", 1, "1247899"}, {"2", 2, "100348723"}, {"3", 3, "257425408"}, {"4", 4, "679477248"}, {"5", 5, "731906048"},
        {"6", 6, "1234"},    {"7", 7, "100"},       {"8", 8, "1,5"},       {"08", 8, "1,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sizeIndex.toStdString());
        store({{"SizeIndex", c.sizeIndex},
               {"Size", "999"},
               {"LastIndivSizeBytes", "1234"},
               {"LastIndivSizeKB", "100"},
               {"LastIndivSizeMB", "1,5"}});
        const SplitSettings settings = LoadSettings(m_reg);
        EXPECT_EQ(settings.sizeIndex, c.expectedIndex);
        EXPECT_EQ(settings.sizeText, c.expectedSizeText);
    }
}

TEST_F(SplitSettingsTest, FileCountAcceptsOnlyWholeNumbersBelowAThousand) {
    struct Case {
        QString stored;
        QString text;
        int position;
    };
    const Case cases[] = {
        {"5", "5", 5},    {"999", "999", 999}, {"007", "007", 7}, {"1", "1", 2},   {"0", "1", 2},
        {"1000", "1", 2}, {"-3", "1", 2},      {"12a", "1", 2},   {" 12", "1", 2}, {"", "1", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        store({{"FileCount", c.stored}});
        const SplitSettings settings = LoadSettings(m_reg);
        EXPECT_EQ(settings.fileCountText, c.text);
        EXPECT_EQ(settings.fileCountPosition, c.position);
    }
}

TEST_F(SplitSettingsTest, CheckBoxesAndGroupsFallBackOnUnknownTexts) {
    store({{"BatchFile", "0"},
           {"BatchDelSplitFile", "yes"},
           {"BatchDelItself", "0"},
           {"ShellScript", "0"},
           {"DeleteSplitFiles", "1"},
           {"ChecksumFile", "0"},
           {"KitFileAsk", "3"}});
    SplitSettings settings = LoadSettings(m_reg);
    EXPECT_FALSE(settings.checksumFile);
    EXPECT_FALSE(settings.batchFile);
    EXPECT_TRUE(settings.batchDeleteParts);
    EXPECT_FALSE(settings.batchDeleteItself);
    EXPECT_FALSE(settings.shellScript);
    EXPECT_TRUE(settings.deleteSplitFiles);
    EXPECT_EQ(settings.joinOrder, JoinOrderPolicy::NeverAsk);

    store({{"KitFileAsk", "2"}});
    EXPECT_EQ(LoadSettings(m_reg).joinOrder, JoinOrderPolicy::AlwaysAsk);
    store({{"KitFileAsk", "7"}, {"DeleteSplitFiles", "true"}, {"ChecksumFile", "no"}});
    settings = LoadSettings(m_reg);
    EXPECT_TRUE(settings.checksumFile);
    EXPECT_EQ(settings.joinOrder, JoinOrderPolicy::AskWhenUnclear);
    EXPECT_FALSE(settings.deleteSplitFiles);
}

TEST_F(SplitSettingsTest, CountModeTurnsASinglePartIntoTwo) {
    store({{"SplitMode", "2"}, {"FileCount", "1"}});
    SplitSettings settings = LoadSettings(m_reg);
    EXPECT_EQ(settings.splitMode, SplitMode::ByCount);
    EXPECT_EQ(settings.fileCountText, QStringLiteral("2"));
    EXPECT_EQ(settings.fileCountPosition, 2);

    store({{"SplitMode", "0"}, {"FileCount", "7"}});
    settings = LoadSettings(m_reg);
    EXPECT_EQ(settings.splitMode, SplitMode::BySize);
    ApplySplitMode(settings, SplitMode::ByCount);
    EXPECT_EQ(settings.fileCountText, QStringLiteral("7"));
}

TEST_F(SplitSettingsTest, SaveWritesEveryValueAsItStandsAndLoadsItBack) {
    SplitSettings settings;
    settings.splitMode = SplitMode::ByCount;
    settings.sizeIndex = 6;
    settings.sizeText = QStringLiteral("abc"); // not a number, stored unchanged
    settings.lastIndivSizeBytes = QStringLiteral("abc");
    settings.fileCountText = QStringLiteral("12");
    settings.fileCountPosition = 12;
    settings.batchFile = false;
    settings.batchDeleteParts = false;
    settings.batchDeleteItself = true;
    settings.shellScript = false;
    settings.joinOrder = JoinOrderPolicy::AlwaysAsk;
    settings.deleteSplitFiles = true;
    settings.checksumFile = false;
    SaveSettings(m_reg, settings);

    const QMap<QString, QString> expected{
        {"SplitMode", "2"},  {"SizeIndex", "6"},         {"Size", "abc"},         {"FileCount", "12"},
        {"BatchFile", "0"},  {"BatchDelSplitFile", "0"}, {"BatchDelItself", "1"}, {"DeleteSplitFiles", "1"},
        {"KitFileAsk", "2"}, {"ShellScript", "0"},       {"ChecksumFile", "0"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(m_reg.Pop(it.key()), it.value()) << it.key().toStdString();
    // The remembered custom size is written only when the size box is left.
    EXPECT_EQ(m_reg.Pop(QStringLiteral("LastIndivSizeBytes")), QString());

    m_reg.Push(QStringLiteral("LastIndivSizeBytes"), QStringLiteral("abc"));
    EXPECT_EQ(LoadSettings(m_reg), settings);
}

TEST_F(SplitSettingsTest, CustomSizesAreRememberedPerUnit) {
    SplitSettings settings = LoadSettings(m_reg);
    ApplySizeChoice(settings, CustomKBIndex);
    EXPECT_EQ(settings.sizeText, QString());
    settings.sizeText = QStringLiteral("100");
    RememberCustomSize(m_reg, settings);
    EXPECT_EQ(m_reg.Pop(QStringLiteral("LastIndivSizeKB")), QStringLiteral("100"));

    ApplySizeChoice(settings, CustomMBIndex);
    settings.sizeText = QStringLiteral("2048");
    RememberCustomSize(m_reg, settings);
    ApplySizeChoice(settings, 4);
    EXPECT_EQ(settings.sizeText, QStringLiteral("679477248"));
    RememberCustomSize(m_reg, settings); // a preset is never remembered
    EXPECT_EQ(m_reg.Pop(QStringLiteral("LastIndivSizeMB")), QStringLiteral("2048"));

    ApplySizeChoice(settings, CustomKBIndex);
    EXPECT_EQ(settings.sizeText, QStringLiteral("100"));
    ApplySizeChoice(settings, CustomBytesIndex);
    EXPECT_EQ(settings.sizeText, QString());

    store({{"SizeIndex", "8"}});
    EXPECT_EQ(LoadSettings(m_reg).sizeText, QStringLiteral("2048"));
}

TEST(CheckedFileCount, EveryKeystrokeIsCheckedAtOnce) {
    struct Case {
        QString typed;
        QString shown;
        int position;
    };
    const Case cases[] = {
        {"1", "2", 2}, {"15", "15", 15}, {"999", "999", 999}, {"1000", "2", 2},
        {"", "2", 2},  {"0", "2", 2},    {"1a", "2", 2},      {"-5", "2", 2},
    };
    for (const Case& c : cases) {
        int position = -1;
        EXPECT_EQ(CheckedFileCount(c.typed, position), c.shown) << c.typed.toStdString();
        EXPECT_EQ(position, c.position) << c.typed.toStdString();
    }
}

} // namespace
