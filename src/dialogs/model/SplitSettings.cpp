#include "dialogs/model/SplitSettings.h"

#include "components/core/TBReg.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::array<const char*, PresetCount> PresetSizes{"1457664",   "1247899",   "100348723",
                                                           "257425408", "679477248", "731906048"};
constexpr int MinFileCount = 2;
constexpr int MaxFileCount = 999;

// A text made of digits only (at least one) whose value lies in [low, high].
std::optional<int> WholeNumberIn(const QString& text, int low, int high) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

QString CustomSizeValueName(int sizeIndex) {
    switch (sizeIndex) {
    case CustomBytesIndex:
        return QStringLiteral("LastIndivSizeBytes");
    case CustomKBIndex:
        return QStringLiteral("LastIndivSizeKB");
    case CustomMBIndex:
        return QStringLiteral("LastIndivSizeMB");
    default:
        return {};
    }
}

QString* RememberedCustomSize(SplitSettings& settings, int sizeIndex) {
    switch (sizeIndex) {
    case CustomBytesIndex:
        return &settings.lastIndivSizeBytes;
    case CustomKBIndex:
        return &settings.lastIndivSizeKB;
    case CustomMBIndex:
        return &settings.lastIndivSizeMB;
    default:
        return nullptr;
    }
}

int ClampedPosition(int value) {
    return std::clamp(value, MinFileCount, MaxFileCount);
}

} // namespace

QString PresetSizeText(int sizeIndex) {
    if (sizeIndex < 0 || sizeIndex >= PresetCount)
        return {};
    return QString::fromLatin1(PresetSizes[static_cast<std::size_t>(sizeIndex)]);
}

bool IsCustomSizeIndex(int sizeIndex) {
    return sizeIndex >= CustomBytesIndex && sizeIndex <= CustomMBIndex;
}

SplitSettings LoadSettings(const TBReg& reg) {
    SplitSettings settings;
    settings.lastIndivSizeBytes = reg.Pop(QStringLiteral("LastIndivSizeBytes"));
    settings.lastIndivSizeKB = reg.Pop(QStringLiteral("LastIndivSizeKB"));
    settings.lastIndivSizeMB = reg.Pop(QStringLiteral("LastIndivSizeMB"));

    settings.sizeIndex = WholeNumberIn(reg.Pop(QStringLiteral("SizeIndex")), 0, SizeChoiceCount - 1).value_or(0);
    // A preset's size is its fixed byte count, so a fresh store can split at once; the stored
    // "Size" only ever held that count for a preset anyway.
    settings.sizeText = IsCustomSizeIndex(settings.sizeIndex) ? *RememberedCustomSize(settings, settings.sizeIndex)
                                                              : PresetSizeText(settings.sizeIndex);

    const QString fileCount = reg.Pop(QStringLiteral("FileCount"));
    if (const std::optional<int> count = WholeNumberIn(fileCount, 1, MaxFileCount)) {
        settings.fileCountText = fileCount;
        settings.fileCountPosition = ClampedPosition(*count);
    }

    settings.deleteSplitFiles = reg.PopCheckBox(QStringLiteral("DeleteSplitFiles"), false);
    settings.batchFile = reg.PopCheckBox(QStringLiteral("BatchFile"), true);
    settings.batchDeleteParts = reg.PopCheckBox(QStringLiteral("BatchDelSplitFile"), true);
    settings.batchDeleteItself = reg.PopCheckBox(QStringLiteral("BatchDelItself"), true);
    settings.shellScript = reg.PopCheckBox(QStringLiteral("ShellScript"), true);
    settings.checksumFile = reg.PopCheckBox(QStringLiteral("ChecksumFile"), true);

    // The policy's values are the group positions 1 to 3.
    settings.joinOrder = static_cast<JoinOrderPolicy>(reg.PopGroupPosition(QStringLiteral("KitFileAsk"), 3, 1));

    const bool byCount = reg.PopGroupPosition(QStringLiteral("SplitMode"), 2, 1) == 2;
    ApplySplitMode(settings, byCount ? SplitMode::ByCount : SplitMode::BySize);
    return settings;
}

void SaveSettings(const TBReg& reg, const SplitSettings& settings) {
    const TBReg::Batch oneSave(reg);
    const bool bySize = settings.splitMode == SplitMode::BySize;
    reg.PushBool(QStringLiteral("SplitMode"), {bySize, !bySize});
    reg.Push(QStringLiteral("SizeIndex"), QString::number(settings.sizeIndex));
    reg.Push(QStringLiteral("Size"), settings.sizeText);
    reg.Push(QStringLiteral("FileCount"), settings.fileCountText);
    reg.PushCheckBox(QStringLiteral("BatchFile"), settings.batchFile);
    reg.PushCheckBox(QStringLiteral("BatchDelSplitFile"), settings.batchDeleteParts);
    reg.PushCheckBox(QStringLiteral("BatchDelItself"), settings.batchDeleteItself);
    reg.PushCheckBox(QStringLiteral("ShellScript"), settings.shellScript);
    reg.PushCheckBox(QStringLiteral("ChecksumFile"), settings.checksumFile);
    reg.PushCheckBox(QStringLiteral("DeleteSplitFiles"), settings.deleteSplitFiles);
    reg.PushBool(QStringLiteral("KitFileAsk"),
                 {settings.joinOrder == JoinOrderPolicy::AskWhenUnclear,
                  settings.joinOrder == JoinOrderPolicy::AlwaysAsk, settings.joinOrder == JoinOrderPolicy::NeverAsk});
}

void ApplySizeChoice(SplitSettings& settings, int sizeIndex) {
    settings.sizeIndex = sizeIndex;
    if (const QString* remembered = RememberedCustomSize(settings, sizeIndex))
        settings.sizeText = *remembered;
    else if (sizeIndex >= 0 && sizeIndex < PresetCount)
        settings.sizeText = PresetSizeText(sizeIndex);
}

void ApplySplitMode(SplitSettings& settings, SplitMode mode) {
    settings.splitMode = mode;
    if (mode == SplitMode::BySize) {
        ApplySizeChoice(settings, settings.sizeIndex);
    } else if (settings.fileCountText == QLatin1String("1")) {
        settings.fileCountText = QStringLiteral("2");
        settings.fileCountPosition = MinFileCount;
    }
}

void RememberCustomSize(const TBReg& reg, SplitSettings& settings) {
    QString* remembered = RememberedCustomSize(settings, settings.sizeIndex);
    if (!remembered)
        return;
    *remembered = settings.sizeText;
    reg.Push(CustomSizeValueName(settings.sizeIndex), settings.sizeText);
}

QString CheckedFileCount(const QString& typed, int& position) {
    if (const std::optional<int> count = WholeNumberIn(typed, MinFileCount, MaxFileCount)) {
        position = *count;
        return typed;
    }
    position = MinFileCount;
    return QString::number(MinFileCount);
}
