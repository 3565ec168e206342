#pragma once

#include "engine/JoinRecognition.h"

#include <QString>
#include <cstdint>

class TBReg;

enum class SplitMode { BySize, ByCount };

// Size choices 0 to 5 are fixed presets; 6, 7 and 8 are a custom size in bytes, KB and MB.
constexpr int PresetCount = 6;
constexpr int SizeChoiceCount = 9;
constexpr int CustomBytesIndex = 6;
constexpr int CustomKBIndex = 7;
constexpr int CustomMBIndex = 8;

// The preset's byte count as text ("1457664" for index 0); the empty text for a custom index.
QString PresetSizeText(int sizeIndex);
bool IsCustomSizeIndex(int sizeIndex);

// The split and join settings as the settings dialog edits them. Texts hold exactly what the
// dialog's edit boxes hold, so a text that is not a number survives a load and a save.
struct SplitSettings {
    SplitMode splitMode = SplitMode::BySize;
    int sizeIndex = 0;          // the size choice in force (0 ... 8)
    QString sizeText;           // part size text, in the unit of sizeIndex
    QString lastIndivSizeBytes; // remembered custom sizes, one per unit
    QString lastIndivSizeKB;
    QString lastIndivSizeMB;
    QString fileCountText = QStringLiteral("1"); // number of parts as typed
    int fileCountPosition = 2;                   // the up-down's position (2 ... 999)
    bool batchFile = true;
    bool batchDeleteParts = true;
    bool batchDeleteItself = true;
    bool shellScript = true;  // with the batch file, the rejoin shell script NAME.sh
    bool checksumFile = true; // a split writes the SHA-256 of every part and of the original
    JoinOrderPolicy joinOrder = JoinOrderPolicy::AskWhenUnclear;
    bool deleteSplitFiles = false;

    bool operator==(const SplitSettings&) const = default;
};

// Reads every value with its fallback; a missing or malformed value never stops the load.
SplitSettings LoadSettings(const TBReg& reg);
// Writes every value as it stands (the remembered custom sizes are written by RememberCustomSize).
void SaveSettings(const TBReg& reg, const SplitSettings& settings);

// Choosing a size: a preset shows its byte count, a custom unit its remembered value.
void ApplySizeChoice(SplitSettings& settings, int sizeIndex);
// Switching the mode; the count mode turns a number of parts of "1" into "2".
void ApplySplitMode(SplitSettings& settings, SplitMode mode);
// Leaving the size box: a custom size is remembered at once (stored and kept in settings).
void RememberCustomSize(const TBReg& reg, SplitSettings& settings);

// The number of parts box checks every keystroke: anything but a whole number from 2 to 999
// becomes "2". Returns the text the box shows and sets the position.
QString CheckedFileCount(const QString& typed, int& position);
