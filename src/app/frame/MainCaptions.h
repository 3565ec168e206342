#pragma once

#include <QString>
#include <vector>

// One caption of the main window: the component's objectName and its text in both languages.
// The list columns appear as "ListView1.Column0".."ListView1.Column4", the open dialog's
// filter as "OpenDialog1".
struct MainCaption {
    QString objectName;
    QString german;
    QString english;

    const QString& text(int languageCode) const;
};

// Every caption the main window writes on a language switch, in the order it writes them.
const std::vector<MainCaption>& MainCaptionTable();

// The caption of one component in the given language; empty text for an unknown name.
QString MainCaptionText(const QString& objectName, int languageCode);

QString ListColumnCaptionName(int column);
