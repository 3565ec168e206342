#pragma once

#include "dialogs/DialogCaptionTable.h"
#include "support/QStringPrinter.h"

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

// The dialog's control of that name and type; fails the test when there is none.
template <typename T>
T* childOf(const QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Every caption of the table is what its control shows in that language.
inline void expectCaptionsShown(const QWidget& dialog, std::span<const DialogCaption> captions, int languageCode) {
    for (const DialogCaption& caption : captions) {
        const QString expected = caption.text.in(languageCode);
        QString shown;
        if (dialog.objectName() == QLatin1String(caption.control))
            shown = dialog.windowTitle();
        else if (const auto* button = dialog.findChild<QAbstractButton*>(caption.control))
            shown = button->text();
        else if (const auto* label = dialog.findChild<QLabel*>(caption.control))
            shown = label->text();
        else
            ADD_FAILURE() << "no control " << caption.control;
        EXPECT_EQ(shown, expected) << caption.control << " in language " << languageCode;
    }
}
