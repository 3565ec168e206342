#pragma once

#include "components/core/MainTexts.h"

#include <QString>
#include <QStringView>
#include <span>

class QWidget;

// A text of a dialog in both languages; languageCode 1 is German, 0 English.
struct DialogText {
    QStringView german;
    QStringView english;

    QString in(int languageCode) const { return (languageCode == LanguageGerman ? german : english).toString(); }
};

// A caption written into the control of that object name; the dialog's own name stands for its
// window title.
struct DialogCaption {
    const char* control;
    DialogText text;
};

void applyCaptions(QWidget* dialog, std::span<const DialogCaption> captions, int languageCode);
