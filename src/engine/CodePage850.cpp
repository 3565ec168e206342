#include "engine/CodePage850.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0xFF; the bytes below are ASCII.
constexpr std::array<char32_t, 128> HighHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

std::optional<char> byteOf(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    for (std::size_t index = 0; index < HighHalf.size(); ++index) {
        if (HighHalf[index] == codePoint)
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

std::optional<std::string> toCodePage850(std::string_view utf8) {
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

std::string keepCodePage850(std::string_view utf8) {
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
