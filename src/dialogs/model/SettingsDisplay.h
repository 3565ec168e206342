#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct SplitSettings;

enum class LabelColour { Black, Red };

// Which file of the main list the information panel describes.
enum class FileChoice {
    One,    // exactly one item in the list, or exactly one selected
    None,   // an empty list, or several items and none selected
    TooMany // several selected
};

struct OriginalSize {
    QString bytesText = QStringLiteral("0"); // plain decimal size (Label4)
    FileChoice choice = FileChoice::None;
};

// The original size from the list's size column (plain decimal texts) and its selected rows.
OriginalSize ReadOriginalSize(const QStringList& listSizes, const QList<int>& selectedRows);

// What the settings dialog's information panel shows.
struct SettingsDisplay {
    QString label4; // original size, plain decimal
    QString label3; // original size grouped + " Bytes", or a message
    QString label1; // number of parts, or a message, or empty
    QString label8; // part size grouped + " Bytes", or a message, or empty
    QString label9; // part size, plain decimal, or empty
    LabelColour label1Colour = LabelColour::Black;
    LabelColour label8Colour = LabelColour::Black;
};

SettingsDisplay ComputeSettingsDisplay(const SplitSettings& settings, const OriginalSize& original, int languageCode);

// The part size a split may use: Label9's bytes when Label1 is a whole number of at least 2
// parts, else nothing (the split is refused).
std::optional<std::int64_t> UsablePartSize(const SettingsDisplay& display);
