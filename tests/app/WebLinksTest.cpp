#include "DialogFlowFixture.h"

#include "app/ProgramDialogs.h"
#include "components/core/ProgramIdentity.h"
#include "support/OpenedUrls.h"

#include <QAbstractButton>
#include <QUrl>

namespace {

QString encoded(const QString& address) {
    return QUrl(address).toString(QUrl::FullyEncoded);
}

} // namespace

using WebLinks = DialogFlowFixture;

TEST_F(WebLinks, WebSiteAndFeedbackOpenTheMakersAddressesWithoutTheAboutDialog) {
    const struct {
        const char* languageItem;
        QString webAddress;
        QString feedback;
        QString aboutTitle;
    } cases[] = {
        {"English1", ProgramIdentity::WebAddressEnglish, ProgramIdentity::FeedbackMailEnglish,
         "About Brimvale Parcelon 1.4"},
        {"Deutsch1", ProgramIdentity::WebAddressGerman, ProgramIdentity::FeedbackMailGerman,
         QString::fromUtf8("Über Brimvale Parcelon 1.4")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.languageItem);
        trigger(c.languageItem);
        const qsizetype dialogsBefore = m_dialogs.shown().size();
        OpenedUrls opened;
        trigger("ZurBrimvaleWebseite1");
        trigger("Feedback1");

        EXPECT_EQ(opened.urls, (QStringList{encoded(c.webAddress), encoded(c.feedback)}));
        EXPECT_EQ(m_dialogs.shown().size(), dialogsBefore);

        QString title;
        m_dialogs.then("Form4", [&title](QDialog& dialog) {
            title = dialog.windowTitle();
            dialog.findChild<QAbstractButton*>("BitBtn1")->click();
        });
        trigger("berBrimvaleParcelon1");
        EXPECT_EQ(title, c.aboutTitle);
        EXPECT_FALSE(window().dialogs()->about.isVisible());
    }
    EXPECT_TRUE(m_messages.shown().empty());
}
