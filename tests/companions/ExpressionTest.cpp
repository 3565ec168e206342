#include "companions/ExpressionError.h"
#include "companions/TBParser.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

#define NotFinite "Das Ergebnis ist keine endliche Zahl. / The result is not a finite number."

// What a host sees: the formatted result, "rejected" when no tree was built, or the error text.
QString outcome(const QString& expression, const QString& x = {}, int precision = 8) {
    TBParser parser;
    parser.setOverwriteDecimalSymbol(QStringLiteral("."));
    parser.setExpression(expression);
    parser.setX(x);
    parser.setPrecision(precision);
    if (!parser.CreateTree())
        return QStringLiteral("rejected");
    try {
        parser.Evaluate();
    } catch (const ExpressionError& error) {
        return QStringLiteral("error: ") + error.message();
    }
    return parser.ergebnisString();
}

struct ExpressionCase {
    const char* expression;
    const char* x;
    int precision;
    const char* expected;
};

class ExpressionValues : public testing::TestWithParam<ExpressionCase> {};

TEST_P(ExpressionValues, GiveTheExpectedResultText) {
    const ExpressionCase& c = GetParam();
    EXPECT_EQ(outcome(QString::fromUtf8(c.expression), QString::fromUtf8(c.x), c.precision),
              QString::fromUtf8(c.expected))
        << c.expression << " with x = " << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Parser, ExpressionValues,
    testing::Values(
        // Precedence and the left-to-right chains.
        ExpressionCase{"2+3*4", "", 8, "14"}, ExpressionCase{"(2+3)*4", "", 8, "20"},
        ExpressionCase{"-x^2", "3", 8, "-9"}, ExpressionCase{"2^3^2", "", 8, "512"},
        ExpressionCase{"10-4-3", "", 8, "3"}, ExpressionCase{"10-4+3-2", "", 8, "7"},
        ExpressionCase{"16/4/2", "", 8, "2"}, ExpressionCase{"2*3/4*5", "", 8, "7.5"},
        ExpressionCase{"7mod3*2", "", 8, "2"}, ExpressionCase{"24/4mod4", "", 8, "2"},
        ExpressionCase{"2*(-3)", "", 8, "-6"}, ExpressionCase{"2*x", "4", 8, "8"},
        // Functions and names.
        ExpressionCase{"sin x", "0.5", 8, "0.47942554"}, ExpressionCase{"SIN(x)", "0", 8, "0"},
        ExpressionCase{"cos(0)+tan(0)", "", 8, "1"}, ExpressionCase{"lg(1000)", "", 8, "3"},
        ExpressionCase{"abs(0-2.5)", "", 8, "2.5"}, ExpressionCase{"ln(x)", "1", 8, "0"},
        ExpressionCase{"7mod3", "", 8, "1"}, ExpressionCase{"7 mod 3", "", 8, "1"},
        ExpressionCase{"-7mod3", "", 8, "-1"}, ExpressionCase{"7mod(-3)", "", 8, "1"},
        ExpressionCase{"7.5mod2", "", 8, "1.5"}, ExpressionCase{"10 mod 0", "", 8, "0"},
        ExpressionCase{"pi*2", "", 8, "6.2831854"}, ExpressionCase{"E", "", 8, "2.7182818"},
        // Formatting.
        ExpressionCase{"1/3", "", 8, "0.33333333"}, ExpressionCase{"1/3", "", 2, "0.33"},
        ExpressionCase{"2/3", "", 2, "0.67"}, ExpressionCase{"1/1000", "", 2, "0"},
        ExpressionCase{"0-1/1000", "", 2, "0"}, ExpressionCase{"2.5", "", 8, "2.5"},
        ExpressionCase{"100", "", 8, "100"}, ExpressionCase{"0-0.25", "", 8, "-0.25"}, ExpressionCase{"0", "", 8, "0"},
        ExpressionCase{"x+0", "5", 8, "5"}, ExpressionCase{"0-3", "", 8, "-3"},
        ExpressionCase{"1E20", "", 8, "100000000000000000000"},
        // Variable values.
        ExpressionCase{"x+1", "", 8, "1"}, ExpressionCase{"x+1", "12abc", 8, "13"},
        ExpressionCase{"x", "1E5000", 8, "error: 1E5000 kann nicht in eine Zahl umgewandelt werden! (STD)"},
        // Errors while evaluating.
        ExpressionCase{"1/0", "", 8, "error: Division durch 0"},
        ExpressionCase{"ln(0)", "", 8, "error: Log von X mit X <= 0"},
        ExpressionCase{"lg(-1)", "", 8, "error: Log von X mit X <= 0"},
        ExpressionCase{"0*ln(0)", "", 8, "error: Log von X mit X <= 0"},
        ExpressionCase{"(-8)^0.5", "", 8, "error: Kein negativer Ausdruck unter Wurzel erlaubt."},
        // Results beyond the number range.
        ExpressionCase{"x*x", "1E4931", 8, "error: " NotFinite},
        ExpressionCase{"x-x", "1E5000", 8, "error: 1E5000 kann nicht in eine Zahl umgewandelt werden! (STD)"},
        ExpressionCase{
            "x*x-x*x", "1E4931", 8,
            "error: " NotFinite}, // infinity minus infinity ExpressionCase{"0-x*x", "1E4931", 8, "error: " NotFinite},
        // Texts that are no expression.
        ExpressionCase{"", "", 8, "rejected"}, ExpressionCase{"sinh(x)", "", 8, "rejected"},
        ExpressionCase{"2*-3", "", 8, "rejected"}, ExpressionCase{"((x))", "", 8, "rejected"},
        ExpressionCase{"2x", "", 8, "rejected"}, ExpressionCase{"2.50", "", 8, "rejected"},
        ExpressionCase{"007", "", 8, "rejected"}, ExpressionCase{".5", "", 8, "rejected"},
        ExpressionCase{"1E3", "", 8, "rejected"}, ExpressionCase{"(x+1", "", 8, "rejected"},
        ExpressionCase{"x+", "", 8, "rejected"}, ExpressionCase{"y", "", 8, "rejected"}));

TEST(Parser, HugeExpressionsAreEvaluatedOrRefusedWithAnError) {
    const auto repeated = [](const QString& piece, int times) {
        QString text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const struct {
        const char* title;
        QString expression;
        const char* value; // nullptr: refused as too deep
    } cases[] = {
        {"900 terms", u'1' + repeated(QStringLiteral("+1"), 899), "900"},
        {"100,000 terms", u'1' + repeated(QStringLiteral("+1"), 99999), nullptr},
        {"100,000 functions deep",
         repeated(QStringLiteral("abs("), 100000) + u'x' + repeated(QStringLiteral(")"), 100000), nullptr},
        // Short enough, but deeper than a tree may grow.
        {"1,500 minus signs deep", repeated(QStringLiteral("-("), 1500) + u'1' + repeated(QStringLiteral(")"), 1500),
         nullptr},
    };
    for (const auto& c : cases) {
        TBParser parser;
        parser.setOverwriteDecimalSymbol(QStringLiteral("."));
        parser.setExpression(c.expression);
        const bool built = parser.CreateTree();
        EXPECT_EQ(built, c.value != nullptr) << c.title;
        if (built && c.value) {
            parser.Evaluate();
            EXPECT_EQ(parser.ergebnisString(), QString::fromLatin1(c.value)) << c.title;
        } else {
            EXPECT_TRUE(parser.treeError().contains(QStringLiteral("too long (over 65536 characters) or nested too "
                                                                   "deeply (over 1000 levels)")))
                << c.title;
        }
    }
    // A text that is simply no expression is no depth problem.
    TBParser parser;
    parser.setExpression(QStringLiteral("((((1))))+"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.treeError(), QString());
}

TEST(Parser, CreateTreeLeavesTheCleanedUpTextInExpression) {
    TBParser parser;
    parser.setExpression(QStringLiteral("sin(x) + 1"));
    EXPECT_TRUE(parser.CreateTree());
    EXPECT_EQ(parser.expression(), QStringLiteral("s#(x)+1"));
    parser.setExpression(QStringLiteral("(7 MOD 3)"));
    EXPECT_TRUE(parser.CreateTree());
    EXPECT_EQ(parser.expression(), QStringLiteral("7m3"));

    BParser engine;
    engine.setExpression(QStringLiteral("abs (x)"));
    EXPECT_TRUE(engine.CreateTree());
    EXPECT_EQ(engine.expression(), QStringLiteral("abs (x)"));
    EXPECT_EQ(engine.workingExpression(), QStringLiteral("r#(x)"));
}

TEST(Parser, EachParserEvaluatesItsOwnTree) {
    TBParser plusOne;
    TBParser timesTen;
    plusOne.setExpression(QStringLiteral("x+1"));
    timesTen.setExpression(QStringLiteral("x*10"));
    ASSERT_TRUE(plusOne.CreateTree());
    ASSERT_TRUE(timesTen.CreateTree());
    plusOne.setX(QStringLiteral("2"));
    timesTen.setX(QStringLiteral("2"));
    EXPECT_EQ(plusOne.Evaluate(), 3);
    EXPECT_EQ(timesTen.Evaluate(), 20);

    // A new tree replaces the old one for that parser only.
    plusOne.setExpression(QStringLiteral("x-1"));
    ASSERT_TRUE(plusOne.CreateTree());
    EXPECT_EQ(plusOne.Evaluate(), 1);
    EXPECT_EQ(timesTen.Evaluate(), 20);
}

TEST(Parser, VariablesAndParametersAreReadAtEveryEvaluation) {
    TBParser parser;
    parser.setOverwriteDecimalSymbol(QStringLiteral("."));
    parser.setExpression(QStringLiteral("a*x^2+b*x+c-d"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setA(QStringLiteral("2"));
    parser.setB(QStringLiteral("3"));
    parser.setC(QStringLiteral("4"));
    parser.setD(QStringLiteral("0.5"));
    parser.setX(QStringLiteral("1"));
    EXPECT_EQ(parser.Evaluate(), 8.5);
    parser.setX(QStringLiteral("2"));
    EXPECT_EQ(parser.Evaluate(), 17.5);
    EXPECT_EQ(parser.ergebnisString(), QStringLiteral("17.5"));
}

TEST(Parser, AFailedEvaluationKeepsThePreviousResultText) {
    TBParser parser;
    parser.setExpression(QStringLiteral("1/x"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("4"));
    parser.Evaluate();
    parser.setX(QStringLiteral("0"));
    EXPECT_THROW(parser.Evaluate(), ExpressionError);
    EXPECT_EQ(parser.ergebnisString(), QStringLiteral("0") + QLocale().decimalPoint() + QStringLiteral("25"));
}

class DecimalComma : public testing::Test {
protected:
    void SetUp() override {
        m_previous = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

TEST_F(DecimalComma, TheSystemSeparatorOrTheOverwrittenSymbolIsUsed) {
    TBParser parser;
    parser.setExpression(QStringLiteral("x/2"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("2,5"));
    EXPECT_EQ(parser.Evaluate(), 1.25L);
    EXPECT_EQ(parser.ergebnisString(), QStringLiteral("1,25"));

    parser.setOverwriteDecimalSymbol(QStringLiteral("."));
    parser.setX(QStringLiteral("2.5"));
    EXPECT_EQ(parser.Evaluate(), 1.25L);
    EXPECT_EQ(parser.ergebnisString(), QStringLiteral("1.25"));
}

TEST_F(DecimalComma, LiteralsAreReadWithTheSymbolInUse) {
    TBParser parser;
    parser.setExpression(QStringLiteral("x*1,5"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("2"));
    EXPECT_EQ(parser.ergebnisString(), QString());
    EXPECT_EQ(parser.Evaluate(), 3);

    // With "." as the symbol a literal "1,5" would read as 1; it is refused instead.
    parser.setOverwriteDecimalSymbol(QStringLiteral("."));
    parser.setExpression(QStringLiteral("x*1,5"));
    EXPECT_FALSE(parser.CreateTree());
    parser.setExpression(QStringLiteral("x*1,5"));
    parser.setConvertAllColonsAndDots(true);
    ASSERT_TRUE(parser.CreateTree());
    EXPECT_EQ(parser.expression(), QStringLiteral("x*1.5"));
    EXPECT_EQ(parser.Evaluate(), 3);
}

} // namespace
