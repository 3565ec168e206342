#pragma once

#include "engine/FileHandle.h"

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <vector>

// Keeps an operation from writing over one of its inputs. Files are compared by device and inode,
// so a symlink or a hard link to an input is caught as well as the input's own path.
class InputGuard {
public:
    void addInput(const std::string& path, const struct stat& status);

    // The input that `status` describes, or nullptr.
    const std::string* inputSameAs(const struct stat& status) const;

    // The input that `path` (links followed) is, or nullptr; also nullptr when `path` does not exist.
    const std::string* inputSameAs(const std::string& path) const;

private:
    struct Input {
        dev_t device;
        ino_t inode;
        std::string path;
    };
    std::vector<Input> m_inputs;
};

// Result of opening an output under the guard.
struct OutputOpening {
    int systemError = 0;                        // errno when open, fstat or truncate failed
    const std::string* sameAsInput = nullptr;   // the input the output turned out to be
    const std::string* sameAsWritten = nullptr; // the earlier output of `written` it turned out to be
};

// Opens `path` for writing, creating it, and truncates it only once it is known to be neither an
// input nor one of the outputs in `written`, so that not a byte of them is lost even when a link
// appears after the early checks, or the file system takes two names for one ("A" and "a").
OutputOpening openOutput(const std::string& path, const InputGuard& guard, FileHandle& handle,
                         const InputGuard* written = nullptr);

// Opens the source of a split for reading and makes it the guard's input. Returns 0 or the errno
// (EISDIR for a folder); `size` receives its length.
int openSource(const std::string& path, FileHandle& source, InputGuard& guard, std::int64_t& size);
