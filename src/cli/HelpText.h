#pragma once

#include <string>

// The text of `parcelon --help`: every option, with examples, in the given language.
std::string HelpText(int languageCode);
std::string EnglishHelpText();
std::string GermanHelpText();

// The short hint after a usage error.
std::string UsageHint(int languageCode);
