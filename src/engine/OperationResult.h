#pragma once

#include <string>

// How an operation ended.
enum class OperationOutcome {
    Completed, // ran to its end
    Stopped,   // a stop request was honoured; files written so far are kept
    Declined,  // the user answered No when asked to overwrite a part; earlier parts are kept
    Failed,    // an I/O error; `error` names the file and the system's reason; nothing was deleted.
               // (Also a join part that turns out to be the output only once copying has begun.)
    Refused,   // nothing was written: an output is one of the inputs, two outputs are one file, or the
               // request is unusable. (Also a part that turns out to be an earlier one only once writing
               // has begun: the parts before it are kept whole.)
};

// Why an operation failed or was refused.
struct OperationError {
    enum class Kind {
        None,
        System,               // a system call failed on `path`; `systemError` is its errno
        ReadFailed,           // reading the input `path` failed (or it was missing); `systemError` is the errno
        NotResumable,         // an interrupted join into `path` cannot be resumed safely (JoinResult says why)
        ChecksumFileUnusable, // the checksum file `path` cannot be read (`systemError`) or holds none
        ChecksumPartsMissing, // parts the checksum file `inputPath` names are missing (JoinResult lists them)
        ChecksumMismatch,     // `path` does not match its line in the checksum file `inputPath`
        OutputIsInput,        // the output `path` is the same file as the input `inputPath`
        InvalidRequest,       // the request itself cannot be carried out (a part size below 1 ...)
        SameOutputTwice,      // two outputs, `inputPath` and then `path`, would be the same file
    };

    Kind kind = Kind::None;
    std::string path;      // the file concerned, as the operation named it
    std::string inputPath; // OutputIsInput: the input that `path` would have overwritten;
                           // SameOutputTwice: the earlier output `path` would have overwritten
    int systemError = 0;   // System: the errno value

    // The system's own text for `systemError` ("No space left on device"); empty without one.
    std::string reason() const;
};

// The part every operation's result shares.
struct OperationResult {
    OperationOutcome outcome = OperationOutcome::Completed;
    OperationError error;
};
