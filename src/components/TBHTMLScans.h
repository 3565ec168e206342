#pragma once

#include <QString>
#include <QStringList>

// The scans of a body's markup behind TBHTML's GetAllLinks, GetAllVar and GetAllImages. They
// compare exactly (case matters) and let the application process its events every few
// thousand characters. Values are appended in document order, duplicates included.

// Every value between '<A href="' and the next '"'. True only when the markup ends inside
// such a value, whose text is then not appended.
bool ScanLinks(const QString& markup, QStringList& values);

// After each startText, the value between the next valuePrefix and the next terminator (the
// prefix may lie in a later element when the element holds none). The character right after
// a terminator is not looked at. True when a value was begun, complete or not. An empty
// startText finds nothing.
bool ScanValues(const QString& markup, const QString& startText, const QString& valuePrefix, const QString& terminator,
                QStringList& values);

// The sources of IMG elements: ScanValues with '<IMG ', 'src="' and '"', except that the search
// goes on right after a terminator and a new '<IMG ' inside a value starts that value afresh.
bool ScanImages(const QString& markup, QStringList& values);
