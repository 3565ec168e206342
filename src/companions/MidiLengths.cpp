#include "companions/MidiLengths.h"

#include <array>

namespace {

struct Length {
    const char* code;
    int numerator;
    int denominator;
};

constexpr std::array<Length, 24> lengths{{
    {"1", 1, 1},  {"2", 1, 2},  {"4", 1, 4},   {"8", 1, 8},   {"16", 1, 16},  {"32", 1, 32},
    {"T1", 2, 3}, {"T2", 1, 3}, {"T4", 1, 6},  {"T8", 1, 12}, {"T16", 1, 24}, {"T32", 1, 48},
    {"P1", 3, 2}, {"P2", 3, 4}, {"P4", 3, 8},  {"P8", 3, 16}, {"P16", 3, 32}, {"P32", 3, 64},
    {"D1", 7, 4}, {"D2", 7, 8}, {"D4", 7, 16}, {"D8", 7, 32}, {"D16", 7, 64}, {"D32", 7, 128},
}};

constexpr int ticksPerWholeNote = 3072;

const Length* find(const QString& code) {
    for (const Length& length : lengths) {
        if (code == QLatin1String(length.code))
            return &length;
    }
    return nullptr;
}

} // namespace

long double LengthFraction(const QString& code) {
    const Length* length = find(code);
    return length ? (long double)length->numerator / length->denominator : 0;
}

int LengthTicks(const QString& code) {
    const Length* length = find(code);
    return length ? ticksPerWholeNote * length->numerator / length->denominator : 0;
}

QByteArray VariableLength(quint32 ticks) {
    QByteArray bytes(1, char(ticks & 0x7F));
    while (ticks >>= 7)
        bytes.prepend(char(0x80 | (ticks & 0x7F)));
    return bytes;
}
