#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 850 is the console code page of German and Western European Windows: cmd.exe reads
// a batch file in it. Its letters ä ö ü Ä Ö Ü ß é stand at the same bytes as in code page 437.

// The UTF-8 text in code page 850, or std::nullopt when it is not valid UTF-8 or holds a
// character that code page lacks.
std::optional<std::string> toCodePage850(std::string_view utf8);

// The UTF-8 text with every character code page 850 lacks (and every malformed byte) replaced by
// "?", so that toCodePage850 accepts it.
std::string keepCodePage850(std::string_view utf8);
