#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

// What the user answers when the joined file already exists.
enum class ExistingOutputChoice {
    Rename,    // ask for another name
    Overwrite, // replace the existing file
    Cancel,    // end the operation; nothing is written
};

// How a split, special split or join talks to whoever runs it: the window (on its worker thread)
// or the command-line tool. Every call is synchronous: a question returns only once the user has
// answered, so the window blocks its worker here while the UI thread shows the box.
//
// The engine calls these from the thread it runs on. Questions and notices come only between
// chunks, never in the middle of one.
class OperationHost {
public:
    virtual ~OperationHost() = default;

    // Progress. The engine sets it to 0 when copying starts and adds each chunk's bytes once the
    // chunk is done; the progress display may read it from any thread at any time.
    virtual std::atomic<std::int64_t>& byteCounter() = 0;

    // Asked between chunks. Answering true ends the operation at once: the files being written are
    // closed and kept, nothing is deleted. Answering true hands the request over to the engine, so
    // the host clears it. The window may block here while its Stop box is open. A request left
    // over from an earlier operation is the caller's to clear before it starts the next one.
    virtual bool stopRequested() = 0;

    // The text for the status line about the file the operation is on: a split passes the part's
    // file name, a special split the part's full path, a join the file name of a missing entry.
    virtual void currentFile(const std::string& text) = 0;

    // Split and special split: a part file about to be written exists already. True overwrites it
    // and, without asking again, every later part of this operation; false ends the operation
    // (OperationOutcome::Declined) with the earlier parts kept.
    virtual bool confirmOverwrite(const std::string& path) = 0;

    // Join: an entry of the join list does not exist. It is skipped once this returns.
    virtual void partMissing(const std::string& path) = 0;

    // Join: the output file exists (asked by chooseJoinOutputPath, before any copying).
    virtual ExistingOutputChoice existingOutput(const std::string& path) = 0;

    // Join: a new file name (without folder) for the output, proposed as `currentName`;
    // std::nullopt when the user cancels.
    virtual std::optional<std::string> newOutputName(const std::string& currentName) = 0;
};
