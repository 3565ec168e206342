#pragma once

#include <QString>

// What `parcelon verify` says.
enum class VerifyText {
    Ok,
    Failed,
    Missing,
    Unreadable,      // %1 the system's reason
    NotChecksumFile, // %1 path
    PartsConfirmed,
    OriginalConfirmed,
    NotConfirmed,
};

QString VerifyTextById(VerifyText text, int languageCode);
