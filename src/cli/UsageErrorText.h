#pragma once

#include <QString>
#include <string>

// A usage error of the argument parser in the given language. The parser words its errors in
// English; a German wording is found by the English one, so an error without a German entry
// shows in English.
QString UsageErrorText(const std::string& englishError, int languageCode);
