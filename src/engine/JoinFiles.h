#pragma once

#include "engine/JoinResume.h"
#include "engine/OperationHost.h"
#include "engine/OperationResult.h"

#include <optional>
#include <string>
#include <vector>

// The output path of a join in `folder` ("/" appended when missing) under `name`. A path that an
// interrupted join left its journal beside is taken without a question: that join resumes there
// (or is refused), and the file is never overwritten. While a file of the path exists otherwise,
// host.existingOutput decides: Rename asks host.newOutputName and checks the new
// name again, Overwrite takes the path, Cancel gives std::nullopt. A cancelled or empty new name
// also gives std::nullopt. Nothing is written here.
std::optional<std::string> chooseJoinOutputPath(const std::string& folder, const std::string& name,
                                                OperationHost& host);

struct JoinRequest {
    std::vector<std::string> partPaths; // in join order
    std::string outputPath;
    // Delete each part once its bytes are in the output and the output has been synced to disk
    // (synced every 64 MiB, and at the end or at a stop). Before the first deletion a journal is
    // written beside the output, so that the same join repeated after an interruption resumes.
    // A missing part then ends the join on the error path instead of being skipped.
    bool deleteParts = false;
    // Under the delete option: the bytes copied between two syncs that let the parts go. Fewer
    // syncs are faster; more free the parts' disk space sooner.
    std::int64_t syncEvery = std::int64_t{64} << 20;
    // The checksum file to check the join against. Its parts, in its order, are joined instead
    // of partPaths (whose other files are left out); every one must be there before anything is
    // written. Each part is checked as it passes, the output at the end; with the delete option a
    // part goes only once it has matched.
    std::optional<std::string> checksumPath = std::nullopt;
};

// A part the delete option did not delete, though its bytes are in the output.
struct PartLeft {
    enum class Why {
        NotRegularFile, // a FIFO, a device, a link
        NotTheFileRead, // its name now names another file, or it changed while it was read
        SystemError,    // unlink failed with `systemError`
    };
    std::string path;
    Why why = Why::SystemError;
    int systemError = 0;
};

struct JoinResult : OperationResult {
    std::vector<std::string> missingParts; // entries that did not exist and were skipped
    std::vector<std::string> deletedParts; // by this join
    // A resumed join: the parts the interrupted join had deleted (their bytes were in the output).
    std::vector<std::string> deletedEarlier;
    bool resumed = false;
    std::vector<PartLeft> partsLeft;
    std::string checksumPath;                 // the checksum file the join used, if any
    bool verified = false;                    // every part and the output matched it
    bool outputDamaged = false;               // ChecksumMismatch of the output, the parts each matched
    std::vector<std::string> leftOut;         // listed files the checksum file does not name
    std::vector<std::string> checksumMissing; // ChecksumPartsMissing: the parts that are not there
    // NotResumable: why, and the part concerned. error.inputPath holds the journal's path.
    ResumeProblem resumeProblem = ResumeProblem::None;
    std::string resumeProblemPath;
};

// Concatenates the parts into the output (created or truncated). Before anything is written the
// output is compared with every part (device and inode, so links are caught; the names, also
// relative ones, for parts that do not exist): equal refuses the join. A missing part is reported
// (host.partMissing, after host.currentFile with its file name) and skipped, unless the delete
// option is on. The byte counter counts every byte plus one per part read (its end).
//
// When a journal of an interrupted join lies beside the output, the join resumes it instead: the
// output keeps the deleted parts' bytes and the rest is appended (see checkResume); when that is
// not safe the join is refused (NotResumable) and nothing is touched.
JoinResult joinFiles(const JoinRequest& request, OperationHost& host);
