#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A file recognised as part `number` of the original at `setPath` (its path without the part
// extension: "/d/movie.avi.007" is part 7 of "/d/movie.avi").
struct RecognisedPart {
    std::string path;
    std::int64_t number = 0;
    std::string setPath;
    std::int64_t size = 0; // as the caller knows it; for the progress total only
};

// Part numbers `first` to `last` of the original at `setPath` are not among the parts.
struct PartGap {
    std::string setPath;
    std::int64_t first = 0;
    std::int64_t last = 0;
};

// The path without its part extension, or empty when the file name does not end in one.
std::string partSetPath(std::string_view path);

// The numbers each original lacks from 1 to its highest part, in the order the originals first
// appear among `parts`; empty when every original runs from .001 without a gap.
std::vector<PartGap> partGaps(const std::vector<RecognisedPart>& parts);

// "movie.avi.002, movie.avi.005 … movie.avi.007": the missing parts' file names, a range with an
// ellipsis; after `maxRanges` ranges a closing "…".
std::string gapListText(const std::vector<PartGap>& gaps, std::size_t maxRanges = 10);

// The file names of the paths, separated by ", ".
std::string fileNameListText(const std::vector<std::string>& paths);

// For the files the program writes beside the parts (the batch file NAME.bat, the shell script
// NAME.sh and the checksum file NAME.sha256) the path of the original NAME they belong to; empty
// for any other name. Such a file is never a part of NAME.
std::string companionOwner(std::string_view path);

// Every part of the original at `setPath` that its folder holds (anything but a folder named
// setPath + a part extension, any number of digits), in part-number order.
std::vector<RecognisedPart> partsInFolder(const std::string& setPath);
