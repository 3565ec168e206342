#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
