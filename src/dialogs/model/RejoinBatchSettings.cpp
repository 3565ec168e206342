#include "dialogs/model/RejoinBatchSettings.h"

#include "components/core/MainTexts.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/model/SplitSettings.h"

namespace {

enum BatchTextId { WebAddress = 2, Banner = 6, WebLine = 7, KeyLine1 = 8, KeyLine2 = 9, KeyLine3 = 10 };

// The bare address of the maker's mail link ("mailto:name@host?subject=..." gives "name@host").
QString MailAddress(int languageCode) {
    QString link =
        languageCode == LanguageGerman ? ProgramIdentity::FeedbackMailGerman : ProgramIdentity::FeedbackMailEnglish;
    if (link.startsWith(QLatin1String("mailto:")))
        link.remove(0, 7);
    return link.section(u'?', 0, 0);
}

} // namespace

RejoinBatchOptions RejoinBatchOptionsFor(const SplitSettings& settings, int languageCode) {
    RejoinBatchOptions options;
    options.deleteParts = settings.batchDeleteParts;
    options.deleteItself = settings.batchDeleteItself;
    const auto text = [languageCode](int id) { return TextById(id, languageCode).toStdString(); };
    const std::string mail = MailAddress(languageCode).toStdString();
    options.texts = defaultRejoinBatchTexts(
        languageCode == LanguageGerman ? TextLanguage::German : TextLanguage::English, text(WebAddress), mail);
    options.texts.bannerLine = text(Banner);
    options.texts.webLine = text(WebLine);
    options.texts.mailAddress = mail;
    options.texts.keyLine1 = text(KeyLine1);
    options.texts.keyLine2 = text(KeyLine2);
    options.texts.keyLine3 = text(KeyLine3);
    return options;
}
