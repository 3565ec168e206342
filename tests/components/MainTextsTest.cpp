#include "components/core/MainTexts.h"
#include "components/core/ProgramIdentity.h"

#include <gtest/gtest.h>

TEST(MainTexts, IdsOutsideTheTableGiveEmptyText) {
    for (int id : {-1, 0, 33, 1000}) {
        EXPECT_TRUE(TextById(id, LanguageGerman).isEmpty()) << id;
        EXPECT_TRUE(TextById(id, LanguageEnglish).isEmpty()) << id;
    }
    for (int id = 1; id <= 32; ++id) {
        EXPECT_FALSE(TextById(id, LanguageGerman).isEmpty()) << id;
        EXPECT_FALSE(TextById(id, LanguageEnglish).isEmpty()) << id;
    }
}

TEST(MainTexts, TextsKeepTheirExactWording) {
    struct Case {
        int id;
        int language;
        QString text;
    };
    const Case cases[] = {
        {1, LanguageGerman, "dd.mm.yy hh:nn"},
        {1, LanguageEnglish, "mm.dd.yy hh:nn"},
        {13, LanguageEnglish, "  file from list?"},
        {17, LanguageGerman, " 1.4"},
        {19, LanguageGerman, QString::fromUtf8(" Datei(en) gewählt")},
        {20, LanguageEnglish, " File(s) in list"},
        {27, LanguageEnglish,
         "Process was canceled by user.\nThe files cannot be created corretly.\n\nPlease repeat the process"},
        // The refusal speaks the language the user asked for, so each column holds the other one.
        {30, LanguageGerman, "You cannot change the language while there are files in the list!"},
        {30, LanguageEnglish,
         QString::fromUtf8("Sie können die Sprache nicht ändern, solange Dateien in der Liste sind!")},
        {7, LanguageGerman, "echo WEB    : " + ProgramIdentity::WebAddressGerman},
        {7, LanguageEnglish, "echo WEB   : " + ProgramIdentity::WebAddressEnglish},
        {2, LanguageEnglish, ProgramIdentity::WebAddressEnglish},
        {29, LanguageGerman, ProgramIdentity::FeedbackMailGerman},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextById(c.id, c.language), c.text) << c.id << " in language " << c.language;
}

TEST(MainTexts, AnyCodeOtherThanGermanReadsEnglishAndNoTextHoldsACarriageReturn) {
    EXPECT_EQ(TextById(26, 7), "Error");
    EXPECT_EQ(TextById(26, LanguageGerman), "Fehler");
    for (int id = 1; id <= 32; ++id) {
        EXPECT_FALSE(TextById(id, LanguageGerman).contains('\r')) << id;
        EXPECT_FALSE(TextById(id, LanguageEnglish).contains('\r')) << id;
    }
    EXPECT_TRUE(TextById(29, LanguageEnglish).startsWith("mailto:"));
}
