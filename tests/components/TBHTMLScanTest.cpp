#include "components/TBHTMLScans.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ScanCase {
    const char* markup;
    QStringList values;
    bool result;
};

void expectScan(bool (*scan)(const QString&, QStringList&), const ScanCase& c) {
    QStringList values{"before"};
    EXPECT_EQ(scan(QString::fromLatin1(c.markup), values), c.result) << c.markup;
    EXPECT_EQ(values, QStringList{"before"} + c.values) << c.markup;
}

TEST(TBHTMLScans, LinksAreTheValuesOfUpperCaseAnchors) {
    const ScanCase cases[] = {
        {"<P>no link</P>", {}, false},
        {R"(<A href="x.html">x</A><A href="y.html">y</A>)", {"x.html", "y.html"}, false},
        {R"(<A href="x.html">x</A><A href="unfinished)", {"x.html"}, true},
        {R"(<A href="">empty</A>)", {""}, false},
        {R"(<a href="lower.html">)", {}, false},
        {R"(<A title="t" href="later.html">)", {}, false},
        {R"(xx<A href=")", {}, false},
        // The last character is never looked at, so this closing quote never comes.
        {R"(<A href="z")", {}, true},
    };
    for (const ScanCase& c : cases)
        expectScan(ScanLinks, c);
}

bool scanX(const QString& markup, QStringList& values) {
    return ScanValues(markup, QStringLiteral("<X"), QStringLiteral("v="), QStringLiteral(";"), values);
}

TEST(TBHTMLScans, ValuesFollowStartTextAndPrefix) {
    const ScanCase cases[] = {
        {"<Y v=1;>", {}, false},
        {"<X v=1; <X v=2; <P>end</P>", {"1", "2"}, true},
        // The character right after a terminator is skipped, here the next start text's "<".
        {"<X v=1;<X v=2; <P>end</P>", {"1"}, true},
        {"<X w=0> <Y v=later; <P>end</P>", {"later"}, true},
        {"<X v=; <P>end</P>", {""}, true},
        {"<X v=open ended      ", {}, true},
        {"v=outside; <X>  ", {}, false},
    };
    for (const ScanCase& c : cases)
        expectScan(scanX, c);
    // A pattern is looked for only where it fits with room to spare after it.
    expectScan(scanX, {"<X v=1;", {}, false});
    QStringList values;
    EXPECT_FALSE(ScanValues(QStringLiteral("<X v=1; "), QString(), QStringLiteral("v="), QStringLiteral(";"), values));
}

TEST(TBHTMLScans, ImagesTakeTheSourceAttribute) {
    const ScanCase cases[] = {
        {"<P>no image</P>", {}, false},
        {R"(<IMG src="a.png"><IMG alt="x" src="b.png"><P>end</P>)", {"a.png", "b.png"}, true},
        // The search goes on right after the closing quote.
        {R"(<IMG src="a.png"<IMG src="b.png"><P>end</P>)", {"a.png", "b.png"}, true},
        // A new start text inside a value starts that value again, from its blank.
        {R"(<IMG src="a<IMG b"><P>end</P>)", {" b"}, true},
        {R"(<IMG src=""><P>end</P>)", {""}, true},
        {R"(<img src="lower.png">)", {}, false},
    };
    for (const ScanCase& c : cases)
        expectScan(ScanImages, c);

    // The same patterns through the general scan differ on both points.
    const std::pair<const char*, QStringList> general[] = {
        {R"(<IMG src="a.png"<IMG src="b.png"><P>end</P>)", {"a.png"}},
        {R"(<IMG src="a<IMG b"><P>end</P>)", {}},
    };
    for (const auto& [markup, values] : general) {
        QStringList found;
        EXPECT_TRUE(ScanValues(QString::fromLatin1(markup), QStringLiteral("<IMG "), QStringLiteral("src=\""),
                               QStringLiteral("\""), found));
        EXPECT_EQ(found, values) << markup;
    }
}

TEST(TBHTMLScans, ScanningTwiceAppendsTwice) {
    const QString markup = QStringLiteral(R"(<A href="x.html">x</A> <IMG src="a.png"> )");
    QStringList values;
    ScanLinks(markup, values);
    ScanLinks(markup, values);
    ScanImages(markup, values);
    ScanImages(markup, values);
    EXPECT_EQ(values, (QStringList{"x.html", "x.html", "a.png", "a.png"}));
}

TEST(TBHTMLScans, ALongScanLetsTheApplicationWork) {
    const QString markup = QStringLiteral("<P>") + QString(20000, QLatin1Char('x')) + QStringLiteral("</P>");
    for (auto scan : {ScanLinks, ScanImages}) {
        bool handled = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        QStringList values;
        scan(markup, values);
        EXPECT_TRUE(handled);
    }
}

} // namespace
