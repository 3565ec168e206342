#pragma once

#include "engine/OperationHost.h"
#include "engine/SplitFile.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
bool exists(const std::string& path);
// Bytes 0, 1, 2, ... 255, 0, 1, ... so that every offset's content is known.
std::string countingBytes(std::int64_t size);
// Writes countingBytes(size) to `path` and returns them.
std::string writeCountingFile(const std::string& path, std::int64_t size);
// Bytes without a period, so that a chunk copied to the wrong offset shows.
std::string scrambledBytes(std::int64_t size);
// Writes scrambledBytes(size) to `path` and returns them.
std::string writeScrambledFile(const std::string& path, std::int64_t size);
// Equal bytes; otherwise the sizes and the first offset that differs, not the whole contents.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);
// The file names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

// A split request with these fields; every other one keeps its default.
SplitRequest splitRequest(std::string sourcePath, std::string destinationFolder, std::int64_t partSize,
                          std::optional<RejoinBatchOptions> batch);

// A host that answers from a script and records what it was told.
class ScriptedHost : public OperationHost {
public:
    std::atomic<std::int64_t>& byteCounter() override { return counter; }
    bool stopRequested() override;
    void currentFile(const std::string& text) override { currentFiles.push_back(text); }
    bool confirmOverwrite(const std::string& path) override;
    void partMissing(const std::string& path) override { missingNotices.push_back(path); }
    ExistingOutputChoice existingOutput(const std::string& path) override;
    std::optional<std::string> newOutputName(const std::string& currentName) override;

    std::atomic<std::int64_t> counter{-1};
    // Answer true to the stop question on this call (1 = the first); 0 never.
    int stopOnCall = 0;
    // Or answer true to the first stop question once this many files have been reported; 0 never.
    std::size_t stopInFile = 0;
    int stopCalls = 0;
    std::vector<std::int64_t> counterAtStopQuestions;
    bool overwriteAnswer = true;
    std::deque<ExistingOutputChoice> existingAnswers;
    std::deque<std::optional<std::string>> nameAnswers;

    std::vector<std::string> currentFiles;
    std::vector<std::string> overwriteQuestions;
    std::vector<std::string> missingNotices;
    std::vector<std::string> existingQuestions;
    std::vector<std::string> nameQuestions;
};
