#include "dialogs/model/SettingsDisplay.h"

#include "dialogs/model/PartArithmetic.h"
#include "dialogs/model/SettingsTexts.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/NumberText.h"

#include <algorithm>

namespace {

enum Message { NoFile = 1, TooManyFiles = 2, OnlyOnePart = 3, LargerThanOriginal = 5, IllegalSyntax = 6 };

QString GroupedBytes(const QString& decimalText) {
    return QString::fromStdString(GroupDigits(decimalText.toStdString())) + QStringLiteral(" Bytes");
}

bool IsWholeNumber(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void ShowSizeMode(SettingsDisplay& display, const SplitSettings& settings, const OriginalSize& original,
                  int languageCode) {
    const std::int64_t count = PartCountForSize(original.bytesText, settings.sizeText, settings.sizeIndex);
    if (count == 1) {
        display.label1Colour = display.label8Colour = LabelColour::Red;
        display.label1 = SettingsTexts::TextById(OnlyOnePart, languageCode);
        display.label8 = SettingsTexts::TextById(LargerThanOriginal, languageCode);
    } else if (count < 1) {
        display.label1Colour = display.label8Colour = LabelColour::Red;
        if (original.choice != FileChoice::None)
            display.label1 = SettingsTexts::TextById(IllegalSyntax, languageCode);
    } else {
        const std::int64_t partBytes = PartBytes(settings.sizeText, settings.sizeIndex);
        display.label1 = QString::number(count);
        display.label9 = QString::number(partBytes);
        display.label8 = GroupedBytes(display.label9);
    }
}

void ShowCountMode(SettingsDisplay& display, const SplitSettings& settings, const OriginalSize& original) {
    const std::int64_t partBytes = PartSizeForCount(original.bytesText, settings.fileCountText);
    if (partBytes <= 0)
        return;
    display.label1 = QString::number(settings.fileCountPosition);
    display.label9 = QString::number(partBytes);
    display.label8 = GroupedBytes(display.label9);
}

} // namespace

OriginalSize ReadOriginalSize(const QStringList& listSizes, const QList<int>& selectedRows) {
    OriginalSize original;
    if (selectedRows.size() == 1 && selectedRows.front() >= 0 && selectedRows.front() < listSizes.size()) {
        original.bytesText = listSizes[selectedRows.front()];
        original.choice = FileChoice::One;
    } else if (listSizes.size() == 1 && selectedRows.isEmpty()) {
        original.bytesText = listSizes.front();
        original.choice = FileChoice::One;
    } else {
        original.choice = selectedRows.isEmpty() ? FileChoice::None : FileChoice::TooMany;
    }
    return original;
}

SettingsDisplay ComputeSettingsDisplay(const SplitSettings& settings, const OriginalSize& original, int languageCode) {
    SettingsDisplay display;
    display.label4 = original.bytesText;
    switch (original.choice) {
    case FileChoice::One:
        display.label3 = GroupedBytes(original.bytesText);
        break;
    case FileChoice::None:
        display.label3 = SettingsTexts::TextById(NoFile, languageCode);
        break;
    case FileChoice::TooMany:
        display.label3 = SettingsTexts::TextById(TooManyFiles, languageCode);
        break;
    }
    if (settings.splitMode == SplitMode::BySize)
        ShowSizeMode(display, settings, original, languageCode);
    else
        ShowCountMode(display, settings, original);
    return display;
}

std::optional<std::int64_t> UsablePartSize(const SettingsDisplay& display) {
    if (!IsWholeNumber(display.label1) || DecimalValue(display.label1.toStdString()) < 2 ||
        !IsWholeNumber(display.label9))
        return std::nullopt;
    return DecimalValue(display.label9.toStdString());
}
