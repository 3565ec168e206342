#include "components/TBHTML.h"
#include "components/WebBrowser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A reader with its browser, loading pages written into a temporary folder.
class Reader : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_html.Browser = &m_browser;
    }

    QString page(const char* name, const QByteArray& html) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(html), html.size());
        return QUrl::fromLocalFile(path).toString();
    }

    // Browses to the address and waits for the document; false when it did not load.
    bool browse(const QString& address) {
        std::optional<bool> loaded;
        QEventLoop loop;
        QObject::connect(&m_browser, &WebBrowser::loadFinished, &loop, [&](bool ok) {
            loaded = ok;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit); // a page that never comes fails the test
        m_html.BrowseTo(address);
        loop.exec();
        return loaded.value_or(false);
    }

    bool browsePage(const QByteArray& body) {
        return browse(page("page.html", "<html><head><title>Fixture</title></head><body>" + body + "</body></html>"));
    }

    QTemporaryDir m_dir;
    WebBrowser m_browser;
    TBHTML m_html;
};

TEST_F(Reader, ReadsTitleBodyTextAndUpperCaseMarkup) {
    ASSERT_TRUE(browse(page("doc.html", R"(<!DOCTYPE html>
<html><head><title>  My
  Page </title><style>p { color: red }</style></head>
<body><p>Hello <b>world</b> &amp; more</p><a href=x.html>X</a><img src='a.png' alt="A &quot;B&quot;"><br>Line
<script>var a = "<A href=\"no.html\">";</script><input type="checkbox" checked><!-- note --></body></html>)")))
        << m_browser.errorString().toStdString();
    EXPECT_EQ(m_html.GetTitel(), QStringLiteral("My Page"));
    EXPECT_EQ(m_html.GetBodyText(), QStringLiteral("Hello world & more\nX\nLine"));
    EXPECT_EQ(
        m_html.GetBodyHtml().toStdString(),
        QStringLiteral(R"(<P>Hello <B>world</B> &amp; more</P><A href="x.html">X</A>)"
                       R"(<IMG src="a.png" alt="A &quot;B&quot;"><BR>Line)"
                       "\n"
                       R"(<SCRIPT>var a = "<A href=\"no.html\">";</SCRIPT><INPUT type="checkbox" checked="checked">)"
                       R"(<!-- note -->)")
            .toStdString());
}

TEST_F(Reader, ScansFindLinksImagesAndValuesOfThePage) {
    ASSERT_TRUE(browsePage(R"(<p>Links: <a href="x.html">x</a>, <a href='y.html'>y</a> and <a href="">none</a></p>
<img src=a.png><img alt="second" src="b.png"><span title="tip" class="c">text</span><p>end of page</p>)"));

    QStringList links{"kept"};
    EXPECT_FALSE(m_html.GetAllLinks(links));
    EXPECT_EQ(links, (QStringList{"kept", "x.html", "y.html", ""}));

    QStringList images;
    EXPECT_TRUE(m_html.GetAllImages(images));
    EXPECT_EQ(images, (QStringList{"a.png", "b.png"}));
    EXPECT_TRUE(m_html.GetAllImages(images));
    EXPECT_EQ(images, (QStringList{"a.png", "b.png", "a.png", "b.png"}));

    // The first image has no alt: the scan takes the next alt, in the next image.
    QStringList alts;
    EXPECT_TRUE(m_html.GetAllVar(alts, QStringLiteral("<IMG "), QStringLiteral("alt=\""), QStringLiteral("\"")));
    EXPECT_EQ(alts, QStringList{"second"});
    // An element without the prefix lets the scan find it even inside another element.
    QStringList titles;
    EXPECT_TRUE(m_html.GetAllVar(titles, QStringLiteral("<IMG "), QStringLiteral("title=\""), QStringLiteral("\"")));
    EXPECT_EQ(titles, QStringList{"tip"});

    QListWidget list;
    list.addItem(QStringLiteral("kept"));
    EXPECT_FALSE(m_html.GetAllLinks(list));
    EXPECT_TRUE(m_html.GetAllImages(list));
    EXPECT_TRUE(m_html.GetAllVar(list, QStringLiteral("<SPAN "), QStringLiteral("class=\""), QStringLiteral("\"")));
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    EXPECT_EQ(items, (QStringList{"kept", "x.html", "y.html", "", "a.png", "b.png", "c"}));
}

TEST_F(Reader, APageWithoutPatternsLeavesTheTargetsUntouched) {
    ASSERT_TRUE(browsePage("<p>Nothing to find here, just text.</p>"));
    QStringList values{"kept"};
    EXPECT_FALSE(m_html.GetAllLinks(values));
    EXPECT_FALSE(m_html.GetAllImages(values));
    EXPECT_FALSE(m_html.GetAllVar(values, QStringLiteral("<IMG "), QStringLiteral("src=\""), QStringLiteral("\"")));
    EXPECT_EQ(values, QStringList{"kept"});
    m_html.GetActiveImage(1, 2);
}

TEST_F(Reader, WithoutBrowserOrDocumentTheReadersFindNothing) {
    QStringList values{"kept"};
    TBHTML unattached;
    unattached.BrowseTo(page("p.html", "<body><a href=\"x.html\">x</a><p>more text here</p></body>"));
    EXPECT_EQ(unattached.GetTitel(), QString());
    EXPECT_EQ(unattached.GetBodyHtml(), QString());
    EXPECT_FALSE(unattached.GetAllLinks(values));

    // While a page loads and after a failed load there is no document either.
    ASSERT_TRUE(browse(page("p.html", "<body><a href=\"x.html\">x</a><p>more text here</p></body>")));
    EXPECT_FALSE(browse(m_dir.filePath(QStringLiteral("missing.html"))));
    EXPECT_TRUE(m_browser.errorString().contains(QStringLiteral("missing.html")))
        << m_browser.errorString().toStdString();
    EXPECT_EQ(m_html.GetBodyText(), QString());
    EXPECT_FALSE(m_html.GetAllLinks(values));
    EXPECT_EQ(values, QStringList{"kept"});

    EXPECT_FALSE(browse(QStringLiteral("ftp://127.0.0.1/page.html")));
    EXPECT_TRUE(m_browser.errorString().contains(QStringLiteral("only file: and http:")));
}

TEST_F(Reader, ANewAddressAbandonsTheLoadStillRunning) {
    int finished = 0;
    QObject::connect(&m_browser, &WebBrowser::loadFinished, &m_browser, [&finished] { ++finished; });
    m_html.BrowseTo(page("first.html", "<html><head><title>First</title></head><body>1</body></html>"));
    EXPECT_TRUE(m_browser.isLoading());
    ASSERT_TRUE(browse(page("second.html", "<html><head><title>Second</title></head><body>2</body></html>")));
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(m_html.GetTitel(), QStringLiteral("Second"));
    EXPECT_EQ(m_browser.url().fileName(), QStringLiteral("second.html"));
}

TEST_F(Reader, TextIsDecodedByTheDeclaredOrDetectedCharacterSet) {
    ASSERT_TRUE(browse(page("utf8.html", "<html><head><title>Gr\xC3\xB6\xC3\x9F"
                                         "e</title></head><body>x</body></html>")));
    EXPECT_EQ(m_html.GetTitel(), QString::fromUtf8("Größe"));
    ASSERT_TRUE(browse(page("latin1.html", "<html><head><meta charset=\"iso-8859-1\"><title>Gr\xF6\xDF"
                                           "e</title>"
                                           "</head><body>x</body></html>")));
    EXPECT_EQ(m_html.GetTitel(), QString::fromUtf8("Größe"));
    ASSERT_TRUE(browse(page("undeclared.html", "<html><head><title>Gr\xF6\xDF"
                                               "e</title></head><body>x</body></html>")));
    EXPECT_EQ(m_html.GetTitel(), QString::fromUtf8("Größe"));
}

TEST_F(Reader, LoadsPagesOverHttp) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QByteArray request;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &request] {
            request += socket->readAll();
            if (!request.contains("\r\n\r\n"))
                return;
            const QByteArray body = "<html><head><title>\xDC"
                                    "ber uns</title></head>"
                                    "<body><a href=\"team.html\">Team</a><p>more text</p></body></html>";
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=ISO-8859-1\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    const QString address = QStringLiteral("http://127.0.0.1:%1/about.html").arg(server.serverPort());
    ASSERT_TRUE(browse(address)) << m_browser.errorString().toStdString();
    EXPECT_TRUE(request.startsWith("GET /about.html HTTP/1.1"));
    EXPECT_EQ(m_html.GetTitel(), QString::fromUtf8("Über uns"));
    QStringList links;
    m_html.GetAllLinks(links);
    EXPECT_EQ(links, QStringList{"team.html"});
}

} // namespace
