#include "components/core/UnsafeBatchNameText.h"

#include "components/core/OperationTexts.h"

namespace {

OperationText ReasonText(UnsafeNameReason reason) {
    switch (reason) {
    case UnsafeNameReason::QuotationMark:
        return OperationText::NameHasQuotationMark;
    case UnsafeNameReason::Wildcard:
        return OperationText::NameHasWildcard;
    case UnsafeNameReason::Backslash:
        return OperationText::NameHasBackslash;
    case UnsafeNameReason::ControlCharacter:
        return OperationText::NameHasControlCharacter;
    case UnsafeNameReason::None:
    case UnsafeNameReason::CodePage:
        break;
    }
    return OperationText::NameOutsideCodePage;
}

} // namespace

QString UnsafeBatchNameText(const RejoinBatchResult& batch, int languageCode) {
    return OperationTextById(OperationText::UnsafeBatchName, languageCode)
        .arg(QString::fromStdString(batch.unsafeName), OperationTextById(ReasonText(batch.unsafeReason), languageCode));
}
