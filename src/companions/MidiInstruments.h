#pragma once

#include <QString>
#include <QStringList>

// The names of the first 80 General MIDI instruments, in program number order.
const QStringList& InstrumentNames();
