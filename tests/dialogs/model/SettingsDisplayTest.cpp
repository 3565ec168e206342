#include "dialogs/model/SettingsDisplay.h"
#include "dialogs/model/PartArithmetic.h"
#include "dialogs/model/SplitSettings.h"

#include <gtest/gtest.h>

namespace {

constexpr int German = 1;
constexpr int English = 0;

SplitSettings BySize(int sizeIndex, const QString& sizeText) {
    SplitSettings settings;
    settings.sizeIndex = sizeIndex;
    settings.sizeText = sizeText;
    return settings;
}

SplitSettings ByCount(const QString& countText) {
    SplitSettings settings;
    settings.splitMode = SplitMode::ByCount;
    int position = 0;
    settings.fileCountText = CheckedFileCount(countText, position);
    settings.fileCountPosition = position;
    return settings;
}

OriginalSize OneFile(const QString& bytes) {
    return ReadOriginalSize({bytes}, {});
}

TEST(PartArithmetic, CountsAndSizesIn64Bits) {
    struct CountCase {
        QString original;
        QString size;
        int sizeIndex;
        std::int64_t count;
    };
    const CountCase counts[] = {
        {"3000000", "1457664", 0, 3},
        {"10", "4", 6, 3},
        {"8", "4", 6, 2},
        {"8", "8", 6, 1},
        {"8", "9", 6, 1},
        {"0", "9", 6, 0},
        {"204800", "100", CustomKBIndex, 2},
        {"204801", "100", CustomKBIndex, 3},
        {"3145728", "1,5", CustomMBIndex, 3},     // reading stops at the comma: 1 MB
        {"6442450944", "2048", CustomMBIndex, 3}, // 6 GiB in parts of 2 GiB
        {"4294967297", "4294967296", CustomBytesIndex, 2},
        {"10", "0", 6, 0},
        {"10", "", 6, -1},
        {"10", " 4", 6, -1},
        {"10", "-4", 6, -1},
        {"", "4", 6, -1},
        {"10", "9999999999999999", CustomMBIndex, -1}, // does not fit in 64 bits
    };
    for (const CountCase& c : counts) {
        EXPECT_EQ(PartCountForSize(c.original, c.size, c.sizeIndex), c.count)
            << c.original.toStdString() << " / " << c.size.toStdString() << " @" << c.sizeIndex;
    }

    struct SizeCase {
        QString original;
        QString count;
        std::int64_t size;
    };
    const SizeCase sizes[] = {
        {"10", "3", 3},
        {"9", "3", 3},
        {"2", "3", 0},
        {"10", "0", 0},
        {"10", "", -1},
        {"x", "3", -1},
        {"8589934592", "2", 4294967296},
    };
    for (const SizeCase& c : sizes)
        EXPECT_EQ(PartSizeForCount(c.original, c.count), c.size)
            << c.original.toStdString() << " / " << c.count.toStdString();
}

TEST(ReadOriginalSize, TheOnlyItemOrTheOnlySelectedOneCounts) {
    struct Case {
        const char* name;
        QStringList sizes;
        QList<int> selected;
        QString bytes;
        FileChoice choice;
    };
    const Case cases[] = {
        {"empty list", {}, {}, "0", FileChoice::None},
        {"one item", {"42"}, {}, "42", FileChoice::One},
        {"one item selected", {"42"}, {0}, "42", FileChoice::One},
        {"several, none selected", {"1", "2", "3"}, {}, "0", FileChoice::None},
        {"several, one selected", {"1", "2", "3"}, {2}, "3", FileChoice::One},
        {"several, two selected", {"1", "2", "3"}, {0, 2}, "0", FileChoice::TooMany},
    };
    for (const Case& c : cases) {
        const OriginalSize original = ReadOriginalSize(c.sizes, c.selected);
        EXPECT_EQ(original.bytesText, c.bytes) << c.name;
        EXPECT_EQ(original.choice, c.choice) << c.name;
    }
}

TEST(SettingsDisplay, ShowsWhatTheInformationPanelShows) {
    using enum LabelColour;
    struct Case {
        const char* name;
        SplitSettings settings;
        OriginalSize original;
        int language;
        QString label3, label1, label8, label9;
        LabelColour colour1, colour8;
    };
    const Case cases[] = {
        {"preset 0", BySize(0, "1457664"), OneFile("3000000"), German, "3.000.000 Bytes", "3", "1.457.664 Bytes",
         "1457664", Black, Black},
        {"same size as original", BySize(6, "3000000"), OneFile("3000000"), German, "3.000.000 Bytes", "1 (Minimum 2!)",
         "Größer als Orginal!", "", Red, Red},
        {"larger than original", BySize(6, "5000000"), OneFile("3000000"), English, "3.000.000 Bytes", "1 (minimum 2!)",
         "Larger than orginal!", "", Red, Red},
        {"empty size text", BySize(6, ""), OneFile("3000000"), German, "3.000.000 Bytes", "Illegale Eingabe", "", "",
         Red, Red},
        {"size 0", BySize(6, "0"), OneFile("100"), English, "100 Bytes", "Illegal Syntax", "", "", Red, Red},
        {"no file", BySize(0, "1457664"), ReadOriginalSize({}, {}), German, "Keine Datei", "", "", "", Red, Red},
        {"too many files", BySize(0, "1457664"), ReadOriginalSize({"1", "2"}, {0, 1}), English, "Too many files",
         "Illegal Syntax", "", "", Red, Red},
        {"custom KB", BySize(CustomKBIndex, "100"), OneFile("1000000"), German, "1.000.000 Bytes", "10",
         "102.400 Bytes", "102400", Black, Black},
        {"custom MB with a comma", BySize(CustomMBIndex, "1,5"), OneFile("3000000"), German, "3.000.000 Bytes", "3",
         "1.048.576 Bytes", "1048576", Black, Black},
        {"custom 2048 MB", BySize(CustomMBIndex, "2048"), OneFile("5368709120"), English, "5.368.709.120 Bytes", "3",
         "2.147.483.648 Bytes", "2147483648", Black, Black},
        {"count 10 bytes in 3", ByCount("3"), OneFile("10"), German, "10 Bytes", "3", "3 Bytes", "3", Black, Black},
        {"count larger than file", ByCount("3"), OneFile("2"), German, "2 Bytes", "", "", "", Black, Black},
        {"count without a file", ByCount("3"), ReadOriginalSize({}, {}), English, "No file", "", "", "", Black, Black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsDisplay display = ComputeSettingsDisplay(c.settings, c.original, c.language);
        EXPECT_EQ(display.label4, c.original.bytesText);
        EXPECT_EQ(display.label3, c.label3);
        EXPECT_EQ(display.label1, c.label1);
        EXPECT_EQ(display.label8, c.label8);
        EXPECT_EQ(display.label9, c.label9);
        EXPECT_EQ(display.label1Colour, c.colour1);
        EXPECT_EQ(display.label8Colour, c.colour8);
    }
}

TEST(SettingsDisplay, OnlyTwoOrMorePartsGiveAUsablePartSize) {
    const auto usable = [](const SplitSettings& settings, const QString& bytes) {
        return UsablePartSize(ComputeSettingsDisplay(settings, OneFile(bytes), English));
    };
    EXPECT_EQ(usable(BySize(0, "1457664"), "3000000"), std::optional<std::int64_t>(1457664));
    EXPECT_EQ(usable(BySize(6, "4"), "8"), std::optional<std::int64_t>(4));
    EXPECT_EQ(usable(ByCount("3"), "10"), std::optional<std::int64_t>(3));
    EXPECT_EQ(usable(BySize(6, "8"), "8"), std::nullopt);
    EXPECT_EQ(usable(BySize(6, "x"), "8"), std::nullopt);
    EXPECT_EQ(usable(ByCount("3"), "2"), std::nullopt);

    // A fresh store splits with the first preset at once.
    SplitSettings fresh;
    ApplySplitMode(fresh, SplitMode::BySize);
    EXPECT_EQ(usable(fresh, "3000000"), std::optional<std::int64_t>(1457664));
}

} // namespace
