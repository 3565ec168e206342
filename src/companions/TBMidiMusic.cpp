// The small music functions of TBMidi: pitches, durations, instruments.
#include "companions/TBMidi.h"

#include "companions/MidiInstruments.h"
#include "companions/MidiLengths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Frequencies of the C and the C sharp of octaves 0 to 10, in Hz.
constexpr std::array<std::pair<long double, long double>, 11> octaveReference{{
    {8.1758L, 8.662L},
    {16.3516L, 17.3239L},
    {32.7032L, 34.6478L},
    {65.4064L, 69.2957L},
    {130.8128L, 138.5913L},
    {261.6256L, 277.1827L},
    {523.2512L, 554.3654L},
    {1046.5025L, 1108.7307L},
    {2093.0049L, 2217.4614L},
    {4186.0098L, 4434.9229L},
    {8372.0196L, 8869.8457L},
}};

// "12345" -> "12" + separator + "345"; a value below 1 keeps a leading "0" and its zeros.
QString withThreeDecimals(long double value, QChar separator) {
    const long double thousandths = std::trunc(value * 1000);
    // No integer type holds every value (1e16 thousandths would wrap), so the digits are printed
    // from the floating-point value itself.
    if (!std::isfinite(thousandths))
        return std::isnan(thousandths) ? QStringLiteral("nan")
               : thousandths < 0       ? QStringLiteral("-inf")
                                       : QStringLiteral("inf");
    std::array<char, 5000> printed{};
    std::snprintf(printed.data(), printed.size(), "%.0Lf", std::fabs(thousandths));
    QString digits = QString::fromLatin1(printed.data());
    if (digits.size() < 4)
        digits = QString(4 - digits.size(), QLatin1Char('0')) + digits;
    digits.insert(digits.size() - 3, separator);
    return thousandths < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

int TBMidi::GetOctave(int note) {
    return std::clamp(note / 12, 0, 10);
}

QString TBMidi::GetHz(int note) {
    const int octave = GetOctave(note);
    const auto [c, cSharp] = octaveReference[octave];
    // Counting from the octave's C also carries notes beyond the table on along the scale.
    const long double frequency = c * std::pow(cSharp / c, (long double)(note - 12 * octave));
    return withThreeDecimals(frequency, QLatin1Char(','));
}

long double TBMidi::GetSekundenOfLength(const QString& lengthCode, long double whole) {
    return whole * LengthFraction(lengthCode);
}

QString TBMidi::LongToStr(long double value) {
    return withThreeDecimals(value, QLatin1Char('.'));
}

void TBMidi::FillInstrumentList(QStringList& target) {
    target += InstrumentNames();
}

int TBMidi::GetHexInstrument(const QString& name) {
    return std::max<qsizetype>(0, InstrumentNames().indexOf(name));
}

QString TBMidi::GetStringInstrument(int index) {
    return InstrumentNames().value(index);
}
