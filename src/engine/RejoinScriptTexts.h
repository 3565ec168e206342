#pragma once

#include "engine/RejoinBatchTexts.h"

#include <string>

// What the rejoin shell script tells the user, in UTF-8. Each sentence is printed as it stands
// or followed by a blank and a file name.
struct RejoinScriptTexts {
    std::string rebuilding;  // "{count}" the number of parts; then the file's name
    std::string cannotEnter; // then the script's folder
    std::string missingPart; // then the part's name
    std::string noTemporary; // then the folder
    std::string copyFailed;
    std::string checking;       // then the checksum file's name
    std::string noChecksumTool; // the checksum file is there, but neither tool
    std::string noChecksum;     // then the checksum file's name
    std::string hashFailed;
    std::string mismatch; // then the checksum file's name
    std::string checksumOk;
    std::string folderInWay;  // then the file's name
    std::string renameFailed; // then the file's name
    std::string rebuilt;      // then the file's name
    std::string deleteFailed;
    std::string interrupted;
    std::string nothingDeleted; // after every failure
};

RejoinScriptTexts defaultRejoinScriptTexts(TextLanguage language);
