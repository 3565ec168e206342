#pragma once

#include <QList>
#include <QString>

// One line of the join order list and whether the user has selected it.
struct JoinOrderEntry {
    QString text;
    bool selected = false;

    bool operator==(const JoinOrderEntry&) const = default;
};

using JoinOrderEntries = QList<JoinOrderEntry>;

// Each run of consecutive selected entries moves one place up as a block and stays selected;
// the entry that was above a run ends up just below it. A run at the top stays where it is.
void moveSelectedRunsUp(JoinOrderEntries& entries);

// Each run followed by an unselected entry moves one place down as a block; that entry ends up
// just above the run. A run reaching the bottom stays where it is.
void moveSelectedRunsDown(JoinOrderEntries& entries);
