#pragma once

#include <optional>
#include <string>
#include <string_view>

// The UTF-8 text in Windows-1252, or std::nullopt when it is not valid UTF-8 or holds a character
// that code page lacks.
std::optional<std::string> toWindows1252(std::string_view utf8);

// The UTF-8 text with every character Windows-1252 lacks (and every malformed byte) replaced by
// "?", so that toWindows1252 accepts it.
std::string keepWindows1252(std::string_view utf8);
