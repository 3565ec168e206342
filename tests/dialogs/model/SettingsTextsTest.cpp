#include "dialogs/model/SettingsTexts.h"

#include <gtest/gtest.h>

namespace {

constexpr int German = 1;
constexpr int English = 0;

TEST(SettingsTexts, MessagesInBothLanguagesAndNothingOutsideTheTable) {
    EXPECT_EQ(SettingsTexts::TextById(4, German), QStringLiteral("Gleiche Größe wie Orginal!"));
    EXPECT_EQ(SettingsTexts::TextById(4, English), QStringLiteral("Same size as orginal!"));
    EXPECT_EQ(SettingsTexts::TextById(6, German), QStringLiteral("Illegale Eingabe"));
    EXPECT_EQ(SettingsTexts::TextById(6, English), QStringLiteral("Illegal Syntax"));
    EXPECT_EQ(SettingsTexts::TextById(0, German), QString());
    EXPECT_EQ(SettingsTexts::TextById(7, English), QString());
}

TEST(SettingsTexts, CaptionsFollowTheLanguage) {
    struct Case {
        const char* component;
        QString german;
        QString english;
    };
    const Case cases[] = {
        {"Form2", "Einstellungen", "Settings"},
        {"SpeedButton2", "A&bbrechen", "&Cancel"},
        {"GroupBox1", " Größe :", " Size :"},
        {"RadioButton3", "NUR bei unklarer Reihenfolge nachfragen", "Only prompt me if unequivocal order"},
        {"CheckBox5", "Aktivieren", "Activite"},
        {"CheckBox6", "Windows Dektop", "Windows Dektop"},
        {"CheckBox7", "Schnellstartleiste", "Quick Launch Bar"},
        {"CheckBox8", "Startmenü", "Startmenu"},
        {"GroupBox7", "Shellintegration : ", "Shellintegration : "},
        {"Label2", "(Bytes)", "(Bytes)"},
        {"Label1", "", ""},
    };
    for (const Case& c : cases) {
        const QString component = QString::fromLatin1(c.component);
        EXPECT_EQ(SettingsTexts::Caption(component, German), c.german) << c.component;
        EXPECT_EQ(SettingsTexts::Caption(component, English), c.english) << c.component;
    }
    for (const QString& component : SettingsTexts::CaptionedComponents())
        EXPECT_FALSE(SettingsTexts::Caption(component, English).isEmpty()) << component.toStdString();
}

TEST(SettingsTexts, SizeChoicesInIndexOrder) {
    const QStringList german = SettingsTexts::SizeChoices(German);
    const QStringList english = SettingsTexts::SizeChoices(English);
    ASSERT_EQ(german.size(), 9);
    ASSERT_EQ(english.size(), 9);
    EXPECT_EQ(german[0], QStringLiteral("3,5'' Diskette (1.38MB)"));
    EXPECT_EQ(english[4], QStringLiteral("CD-ROM (74 min)"));
    EXPECT_EQ(german[8], QStringLiteral("Individuell in MB"));
    EXPECT_EQ(english[6], QStringLiteral("Custom size in Bytes"));
}

} // namespace
