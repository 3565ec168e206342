#include "app/list/ListQuestions.h"

#include "components/core/MainTexts.h"

QString DeleteQuestionText(int selectedCount, int languageCode) {
    if (selectedCount == 1)
        return TextById(12, languageCode) + u'1' + TextById(13, languageCode);
    return TextById(14, languageCode) + QString::number(selectedCount) + TextById(15, languageCode);
}
