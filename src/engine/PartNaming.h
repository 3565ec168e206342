#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// ".001" ... ".999", then ".1000" and on.
std::string PartExtension(std::int64_t partNumber);

// The text from its last "." to the end, dot included; the whole text when it has no dot.
std::string LastDotSuffix(std::string_view text);
