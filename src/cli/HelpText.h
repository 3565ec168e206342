#pragma once

#include <string>

// The text of `parcelon --help`: every option, with examples.
std::string HelpText();

// The short hint after a usage error.
std::string UsageHint();
