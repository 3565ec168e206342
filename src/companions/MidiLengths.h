#pragma once

#include <QByteArray>
#include <QString>

// Note lengths by code: "1", "2", "4" ... "32" for plain lengths, with "T" before the number
// for triplets, "P" for dotted and "D" for double-dotted lengths. Codes are case-sensitive.

// The length as a fraction of a whole note; 0 for an unknown code.
long double LengthFraction(const QString& code);

// The length in ticks, 3072 per whole note; 0 for an unknown code.
int LengthTicks(const QString& code);

// A delta time in the variable-length encoding of MIDI files: seven bits per byte, the most
// significant first, the high bit set on every byte but the last.
QByteArray VariableLength(quint32 ticks);
