#include "app/frame/CommandStates.h"

#include "components/core/MainTexts.h"

namespace {
constexpr int SelectedText = 19;
constexpr int InListText = 20;
} // namespace

CommandStates NextCommandStates(const CommandStates& current, const CommandInputs& inputs) {
    CommandStates next = current;
    if (inputs.busy) {
        next.specialSplit = false;
        next.fromClipboard = false;
        next.split = false;
        next.merge = false;
    } else if (inputs.selectedCount == 0) {
        next.specialSplit = inputs.itemCount == 1;
        next.fromClipboard = inputs.clipboardHoldsFiles;
        next.deleteFile = false;
        next.split = inputs.itemCount == 1;
        next.merge = inputs.itemCount >= 2;
    } else {
        next.deleteFile = true;
        next.split = inputs.selectedCount == 1;
        next.merge = inputs.selectedCount >= 2;
    }
    return next;
}

QString IdleCountText(int itemCount, int selectedCount, int languageCode) {
    if (selectedCount > 0)
        return QString::number(selectedCount) + TextById(SelectedText, languageCode);
    return QString::number(itemCount) + TextById(InListText, languageCode);
}
