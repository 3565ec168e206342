#pragma once

#include <string>

// `path` made absolute, with "." and ".." resolved and its folder's links followed, but not a link
// that is the file itself: two names give the same text when they name the same directory entry,
// whether or not the file exists.
std::string normalisedPath(const std::string& path);

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string& path);

// Makes the folder's entries (a created, renamed or removed file) durable. 0 or the errno.
int syncFolder(const std::string& folder);
