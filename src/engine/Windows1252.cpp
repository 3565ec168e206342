#include "engine/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<char> byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t index = 0; index < HighControlRange.size(); ++index) {
        if (HighControlRange[index] != 0 && HighControlRange[index] == codePoint)
            return static_cast<char>(0x80 + index);
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `pos`, advancing it; std::nullopt for malformed input.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int length;
    char32_t value;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        value = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < length; ++i) {
        if (pos >= text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 4> smallestOfLength = {0, 0x80, 0x800, 0x10000};
    if (value < smallestOfLength[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> toWindows1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<char32_t> codePoint = nextCodePoint(utf8, pos);
        if (!codePoint)
            return std::nullopt;
        const std::optional<char> byte = byteOf(*codePoint);
        if (!byte)
            return std::nullopt;
        result += *byte;
    }
    return result;
}

std::string keepWindows1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> codePoint = nextCodePoint(utf8, pos);
        if (codePoint && byteOf(*codePoint))
            result.append(utf8.substr(start, pos - start));
        else
            result += '?';
    }
    return result;
}
