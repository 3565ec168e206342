#include "app/list/FileListSort.h"
#include "components/core/MainTexts.h"

#include <gtest/gtest.h>

namespace {
int sign(int value) {
    return (value > 0) - (value < 0);
}
} // namespace

TEST(FileListSort, CompareTextFoldsOnlyPlainLettersAndOrdersTheRestByCodePoint) {
    const struct {
        QString a;
        QString b;
        int order; // sign of CompareText(a, b)
    } cases[] = {
        {"a.txt", "A.TXT", 0},
        {"ä.txt", "z.txt", 1},
        {"Ä.txt", "ä.txt", -1}, // not folded: U+00C4 before U+00E4
        {"ß", "Z", 1},
        {"abc", "abcd", -1},
        {"", "", 0},
        {"[", "a", 1}, // a is compared as A (0x41), below [ (0x5B)
        {"_", "z", 1},
        {"file9", "file10", 1}, // texts, not numbers
        // Beyond the 16-bit range by code point, not by UTF-16 unit.
        {QString(QChar(0xFF21)), QString::fromUcs4(U"\U0001F600"), -1},
        {QString::fromUcs4(U"\U0001F600"), QString(QChar(0xE000)), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(CompareText(c.a, c.b)), c.order) << qPrintable(c.a) << " / " << qPrintable(c.b);
        EXPECT_EQ(sign(CompareText(c.b, c.a)), -c.order) << qPrintable(c.b) << " / " << qPrintable(c.a);
        // The folded texts a sort compares order alike.
        EXPECT_EQ(sign(OrderedText(c.a).compare(OrderedText(c.b))), c.order)
            << qPrintable(c.a) << " / " << qPrintable(c.b);
    }
}

TEST(FileListSort, KeyTextsMakeNumbersAndDatesComparable) {
    FileListItem item{"Name.txt", "/daten/", "1457664", "24.12.01 18:05", "7", -1};
    const struct {
        int key;
        int languageCode;
        QString dateText;
        QString expected;
    } cases[] = {
        {ColumnName, LanguageGerman, item.dateText, "Name.txt"},
        {ColumnFolder, LanguageGerman, item.dateText, "/daten/"},
        {ColumnSize, LanguageGerman, item.dateText, "00000000000001457664"},
        {ColumnKennzeichen, LanguageEnglish, item.dateText, "00000000000000000007"},
        {ColumnDate, LanguageGerman, "24.12.01 18:05", "0112241805"},
        {ColumnDate, LanguageEnglish, "12.24.01 18:05", "0112241805"},
        {ColumnDate, LanguageGerman, "0", "0"},
        {ColumnDate, LanguageEnglish, "0", "0"},
        {ColumnDate, LanguageGerman, "24.12.0", "01224"},
    };
    for (const auto& c : cases) {
        item.dateText = c.dateText;
        EXPECT_EQ(SortKeyText(item, c.key, c.languageCode), c.expected) << c.key << " " << qPrintable(c.dateText);
    }
    item.sizeText = QString(25, u'9');
    EXPECT_EQ(SortKeyText(item, ColumnSize, LanguageGerman), item.sizeText);
}
