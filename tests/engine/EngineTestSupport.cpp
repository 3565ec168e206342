#include "EngineTestSupport.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <stdexcept>
#include <unistd.h>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "engine-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::string countingBytes(std::int64_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i % 256);
    return bytes;
}

std::string writeCountingFile(const std::string& path, std::int64_t size) {
    std::string bytes = countingBytes(size);
    writeFile(path, bytes);
    return bytes;
}

std::string scrambledBytes(std::int64_t size) {
    std::mt19937_64 generator(size);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (std::size_t i = 0; i < bytes.size(); i += sizeof(std::uint64_t)) {
        const std::uint64_t word = generator();
        std::memcpy(bytes.data() + i, &word, std::min(sizeof word, bytes.size() - i));
    }
    return bytes;
}

std::string writeScrambledFile(const std::string& path, std::int64_t size) {
    std::string bytes = scrambledBytes(size);
    writeFile(path, bytes);
    return bytes;
}

::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
    const auto difference = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    if (difference.first == actual.end() && difference.second == expected.end())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                         << " were expected, first difference at offset "
                                         << (difference.first - actual.begin());
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool ScriptedHost::stopRequested() {
    counterAtStopQuestions.push_back(counter);
    if (stopInFile != 0 && currentFiles.size() == stopInFile) {
        stopInFile = 0;
        return true;
    }
    return ++stopCalls == stopOnCall;
}

bool ScriptedHost::confirmOverwrite(const std::string& path) {
    overwriteQuestions.push_back(path);
    return overwriteAnswer;
}

ExistingOutputChoice ScriptedHost::existingOutput(const std::string& path) {
    existingQuestions.push_back(path);
    if (existingAnswers.empty()) {
        ADD_FAILURE() << "unexpected question about " << path;
        return ExistingOutputChoice::Cancel;
    }
    const ExistingOutputChoice answer = existingAnswers.front();
    existingAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedHost::newOutputName(const std::string& currentName) {
    nameQuestions.push_back(currentName);
    if (nameAnswers.empty()) {
        ADD_FAILURE() << "unexpected name question";
        return std::nullopt;
    }
    std::optional<std::string> answer = nameAnswers.front();
    nameAnswers.pop_front();
    return answer;
}

SplitRequest splitRequest(std::string sourcePath, std::string destinationFolder, std::int64_t partSize,
                          std::optional<RejoinBatchOptions> batch) {
    SplitRequest request;
    request.sourcePath = std::move(sourcePath);
    request.destinationFolder = std::move(destinationFolder);
    request.partSize = partSize;
    request.batch = std::move(batch);
    return request;
}
