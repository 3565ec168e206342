#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Value of the leading decimal number of a text: leading blanks and one sign allowed, reading
// stops at the first other character; 0 when the text does not begin with a number. Never fails;
// a value beyond the 64-bit range saturates at INT64_MAX / INT64_MIN.
std::int64_t DecimalValue(std::string_view text);

// True when the text is not empty and its first character is a decimal digit.
bool IsInt(std::string_view text);

// "1457664" -> "1.457.664": a "." before every third digit from the right.
std::string GroupDigits(std::string_view decimalText);
