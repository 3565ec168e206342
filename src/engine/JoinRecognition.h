#pragma once

#include "engine/PartSets.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The number a file name is read as: the characters after the first one of its last-dot suffix
// (LastDotSuffix), when they are all decimal digits: "x.avi.007" gives 7, "x.1000" 1000,
// "a123" 123; "x.txt", "x.1ab" and "x." give none, and so does a run too long for 64 bits.
std::optional<std::int64_t> partNumberReading(std::string_view fileName);

// The highest partNumberReading among the names; 0 when none has one.
std::int64_t HighestPartNumber(const std::vector<std::string>& fileNames);

// The part number a file belongs to: n >= 1 when its last-dot suffix is exactly PartExtension(n)
// (".001", ".010", ".100", ".1000"); ".01", ".0001", ".000" and ".1ab" belong to none.
std::optional<std::int64_t> partNumberOf(std::string_view fileName);

// When the join asks the user for the order.
enum class JoinOrderPolicy {
    AskWhenUnclear = 1,
    AlwaysAsk = 2,
    NeverAsk = 3,
};

// One file of the list the join considers.
struct JoinCandidate {
    std::string path;
    std::int64_t size = 0; // as the list shows it; used for the progress total only
    bool selected = false;
};

struct JoinPlan {
    std::vector<std::string> joinList; // paths to join, in order
    std::int64_t totalSize = 0;        // sum of the sizes of joinList
    bool orderClear = false;           // every considered file belongs to a part number
    bool showOrderDialog = false;      // the user is to confirm or change joinList
    // Nothing to join: the policy never asks and no considered file belongs to a part number.
    bool nothingRecognised = false;
    std::vector<RecognisedPart> parts;          // the considered files that belong to a number, in order
    std::vector<PartGap> gaps;                  // numbers the recognised originals lack (partGaps)
    std::vector<std::string> companionsLeftOut; // considered companion files of those originals
};

// Recognition. The files considered are the selected candidates, or all when none is selected,
// without the companion files (isCompanionOf) of the originals whose parts are among them. Those
// that belong to a part number are put in part-number order (equal numbers keep list
// order); the order is clear when all considered files belong to one. The dialog is shown under
// AlwaysAsk, or when the order is unclear and the policy is not NeverAsk; when it is shown for
// an unclear order, joinList holds every considered file in list order instead. O(n log n).
JoinPlan planJoin(const std::vector<JoinCandidate>& listItems, JoinOrderPolicy policy);

// The proposed output name: the file name of `firstEntryPath` without its part extension
// ("movie.avi.001" and "movie.avi.1000" give "movie.avi"); a name with another suffix loses
// that suffix ("readme.txt" gives "readme"); a name without a point, or one that is nothing but
// its suffix (".hidden"), stays as it is.
std::string defaultJoinOutputName(std::string_view firstEntryPath);
