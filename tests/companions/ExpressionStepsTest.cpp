#include "companions/ExpressionNumbers.h"
#include "companions/ExpressionSplit.h"
#include "companions/ExpressionText.h"
#include "companions/ExpressionTree.h"
#include "companions/GeneralFloatText.h"

#include <gtest/gtest.h>

namespace {

const QChar dot = QLatin1Char('.');

TEST(ExpressionText, CleanUpSteps) {
    EXPECT_EQ(EntferneLeerzeichen(QStringLiteral(" 7 mod\t3 ")), QStringLiteral("7mod\t3"));

    const std::pair<const char*, const char*> parentheses[] = {
        {"((x+1))", "(x+1)"}, {"(x+1)", "x+1"}, {"(a)+(b)", "(a)+(b)"}, {"(a)*b", "(a)*b"}, {"a*(b)", "a*(b)"},
        {"(x", "(x"},         {"()", ""},
    };
    for (const auto& [text, expected] : parentheses)
        EXPECT_EQ(EntferneKlammern(QString::fromLatin1(text)), QString::fromLatin1(expected)) << text;

    EXPECT_EQ(WandleSinCosTanUm(QStringLiteral("SIN(x)+Cos(x)*tan(x)-ln(x)/lg(x)^abs(x)mod3"), false, dot),
              QStringLiteral("s#(x)+c#(x)*t#(x)-n#(x)/g#(x)^r#(x)m3"));
    EXPECT_EQ(WandleSinCosTanUm(QStringLiteral("sinh(x)"), false, dot), QStringLiteral("s#h(x)"));
    EXPECT_EQ(WandleSinCosTanUm(QStringLiteral("1.5*2,5"), false, dot), QStringLiteral("1.5*2,5"));
    EXPECT_EQ(WandleSinCosTanUm(QStringLiteral("1.5*2,5"), true, QLatin1Char(',')), QStringLiteral("1,5*2,5"));

    EXPECT_EQ(Assiotiativitaet(QStringLiteral("a-b-c+d")), QStringLiteral("a-b+c-d"));
    EXPECT_EQ(Assiotiativitaet(QStringLiteral("a+b-(c-d)+e")), QStringLiteral("a+b-(c-d)-e"));
    EXPECT_EQ(Assiotiativitaet(QStringLiteral("a/b/c")), QStringLiteral("a/b/c"));
}

TEST(ExpressionText, SplitLowestFindsTheWeakestOperator) {
    struct SplitCase {
        const char* text;
        const char* before;
        const char* op;
        const char* after;
    };
    const SplitCase cases[] = {
        {"2+3*4", "2", "+", "3*4"},       {"a+b+c", "a+b", "+", "c"},
        {"a-b-c+d", "a", "-", "b+c-d"},   {"a+b-c", "a+b", "-", "c"},
        {"a*b/c*d", "a*b/c", "*", "d"},   {"a/b/c", "a/b", "/", "c"},
        {"2^3^2", "2", "^", "3^2"},       {"a^b*c", "a^b", "*", "c"},
        {"s#x^2", "s#x", "^", "2"},       {"(2+3)*4", "2+3", "*", "4"},
        {"s#(x)", "s", "#", "x"},         {"-x^2", "", "-", "x^2"},
        {"((a+b))*c", "(a+b)", "*", "c"}, {"x", "", "", ""},
    };
    for (const SplitCase& c : cases) {
        const ExpressionSplit split = SplitLowest(QString::fromLatin1(c.text));
        EXPECT_EQ(split.before, QString::fromLatin1(c.before)) << c.text;
        EXPECT_EQ(split.op, QString::fromLatin1(c.op)) << c.text;
        EXPECT_EQ(split.after, QString::fromLatin1(c.after)) << c.text;
    }
}

TEST(ExpressionText, LeavesAreCodesNamesAndNumbersInShortestForm) {
    const std::pair<const char*, bool> cases[] = {
        {"s", true},
        {"r", true},
        {"S", false},
        {"x", true},
        {"X", true},
        {"PI", true},
        {"e", true},
        {"y", false},
        {"2.5", true},
        {"-3", true},
        {"0", true},
        {"2.50", false},
        {"007", false},
        {".5", false},
        {"1E3", false},
        {"1E20", true},
        {"1e20", false},
        {"0.0001", true},
        {"1E-5", true},
        {"+3", false},
        {"2,5", false},
        {"", false},
        {"1E5000", false},
        {" 1", false},
        {"1.5E-7", true},
        {"123456789012345", true},
        {"1234567890123456", false},
    };
    for (const auto& [text, leaf] : cases)
        EXPECT_EQ(IsZahl(QString::fromLatin1(text), dot), leaf) << text;
    EXPECT_TRUE(IsZahl(QStringLiteral("2,5"), QLatin1Char(',')));
}

TEST(ExpressionText, GeneralFormatOfFifteenDigits) {
    const std::pair<long double, const char*> cases[] = {
        {100, "100"},
        {2.5L, "2.5"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {1.5e-7L, "1.5E-7"},
        {1e15L, "1E15"},
        {1e14L, "100000000000000"},
        {-0.25L, "-0.25"},
        {1.0L / 3, "0.333333333333333"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {999999999999999.9L, "1E15"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FloatToGeneralText(value, dot), QString::fromLatin1(text)) << text;
}

TEST(ExpressionNumbers, ResultTextsAndTheirCleanUp) {
    const std::pair<const char*, const char*> texts[] = {
        {"100.000", "100"},   {"0.50", "0.5"}, {".5", "0.5"},  {"10.", "10"},
        {"1.0203", "1.0203"}, {"100", "100"},  {"0.000", "0"}, {"2.5.0", "2.5"},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(EntferneNullenUndPunkte(QString::fromLatin1(text), dot), QString::fromLatin1(expected)) << text;

    ExpressionSettings settings;
    settings.overwriteDecimalSymbol = QStringLiteral(",");
    EXPECT_EQ(LongDoubleToStr(1234.5L, settings), QStringLiteral("1234,5"));
    settings.precision = 0;
    EXPECT_EQ(LongDoubleToStr(2.5L, settings), QStringLiteral("2"));
    EXPECT_EQ(LongDoubleToStr(-7, settings), QStringLiteral("-7"));
}

TEST(ExpressionNumbers, LeafTexts) {
    ExpressionSettings settings;
    settings.overwriteDecimalSymbol = QStringLiteral(",");
    settings.x = QStringLiteral("2,5");
    settings.a = QStringLiteral("x"); // a value is not looked up again
    const std::pair<const char*, long double> cases[] = {
        {"x", 2.5L}, {"X", 2.5L},    {"a", 0},      {"pi", 3.1415927L}, {"e", 2.7182818L}, {"-3", -3},
        {"", 0},     {"1,5E2", 150}, {"12abc", 12}, {"1E", 1},          {"abc", 0},        {"1E-5000", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(StrToLongDouble(QString::fromLatin1(text), settings), value) << text;
}

TEST(ExpressionNumbers, RemainderOfTruncatingDivision) {
    const std::tuple<long double, long double, long double> cases[] = {
        {7, 3, 1},       {-7, 3, -1},        {7, -3, 1},
        {7.5L, 2, 1.5L}, {10, 0, 0},         {1e10L, 3, 1},
        {-1e10L, 3, -1}, {1e18L + 7, 10, 7}, {5e15L, 7, 5e15L - 7 * 714285714285714.0L},
    };
    for (const auto& [a, b, expected] : cases)
        EXPECT_EQ(modl(a, b), expected) << double(a) << " mod " << double(b);
}

} // namespace
