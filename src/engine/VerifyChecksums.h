#pragma once

#include "engine/ChecksumFile.h"
#include "engine/OperationHost.h"
#include "engine/OperationResult.h"

#include <cstdint>
#include <string>
#include <vector>

// The checksum file that `file` refers to: `file` itself when it ends in ".sha256"; for a part
// ("movie.avi.003") the original's checksum file ("movie.avi.sha256"), unless the part has one
// of its own; for any other name, that name with ".sha256" appended.
std::string checksumFileToVerify(const std::string& file);

// What a verification checks, read from the checksum file before anything is hashed.
struct VerifyPlan {
    ChecksumFileReading reading;
    std::string folder;          // the checksum file's folder, with a "/"; the names are relative to it
    std::string originalName;    // the checksum file's name without ".sha256"
    std::int64_t totalBytes = 0; // the sizes of the listed files that exist, for the progress
};

VerifyPlan planVerify(const std::string& checksumPath);

struct FileCheck {
    enum class State {
        Ok,
        Failed,     // present, but its bytes have another digest
        Missing,    // no such file
        Unreadable, // present, but opening or reading it failed (systemError)
    };
    std::string fileName;    // as the checksum file lists it
    bool isOriginal = false; // the line for the original rather than a part
    State state = State::Missing;
    int systemError = 0;
};

struct VerifyResult : OperationResult {
    std::vector<FileCheck> checks; // one per listed file, in the checksum file's order
    // Every part is present and matches (and at least one part is listed), or the original is
    // present and matches.
    bool confirmed = false;
};

// Hashes every listed file that exists and compares. The byte counter grows with each chunk
// read, and a stop request ends the verification between chunks (Stopped, checks so far kept).
// Only reads: a failing file is reported in its check, never as the outcome. plan.reading must
// hold entries.
VerifyResult verifyChecksums(const VerifyPlan& plan, OperationHost& host);
