#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The Add dialog: the files the user picks, none when cancelled. It opens large enough to show
// its columns, and Qt's own dialog shows sizes, dates and types in the program's language.
QStringList chooseFilesToAdd(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
