#pragma once

#include "dialogs/DialogCaptionTable.h"

// Captions of the about dialog that change with the language, written at every showing.
inline constexpr DialogCaption AboutCaptions[] = {
    {"Label4", {u"Geschrieben von brimvale im Mai 2025.", u"Written by brimvale in May 2025."}},
    {"Label5", {u"Entwickelt in C++20 mit Qt 6.", u"Developed in C++20 with Qt 6."}},
    {"BitBtn1", {u"&Schließen     ", u"&Close         "}},
};

inline constexpr DialogText AboutTitleStart = {u"Über ", u"About "};
inline constexpr DialogText AboutVersionWord = {u"Version", u"Version"};

inline constexpr QStringView AboutMakerName = u"brimvale";
inline constexpr QStringView AboutProductName = u"Parcelon";
inline constexpr QStringView AboutProductWebAddress = u"https://www.brimvale.example/parcelon/";
inline constexpr QStringView AboutRightsNotice = u"© brimvale. All rights reserved.\nAlle Rechte vorbehalten.";
