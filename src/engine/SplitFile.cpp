#include "engine/SplitFile.h"

#include "engine/ChecksumFile.h"
#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/JoinRecognition.h"
#include "engine/OperationErrors.h"
#include "engine/PartNaming.h"
#include "engine/PartWriter.h"
#include "engine/StaleParts.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

bool isPartName(const std::string& name, const std::string& sourceName, std::int64_t partCount) {
    if (!name.starts_with(sourceName))
        return false;
    const std::optional<std::int64_t> number = partNumberOf(name);
    return number && *number <= partCount && name.size() == sourceName.size() + PartExtension(*number).size();
}

// The rejoin files the request writes besides the parts, as names in the folder.
std::vector<std::string> rejoinFileNames(const SplitRequest& request, const std::string& sourceName) {
    std::vector<std::string> names;
    if (request.batch)
        names.push_back(rejoinBatchFileName(sourceName));
    if (request.script)
        names.push_back(rejoinScriptFileName(sourceName));
    return names;
}

// The companion files of an earlier split that this one did not write: the batch file when none
// was written (off, or a name it cannot hold), the script and the checksum file when they are off.
std::vector<std::string> companionsNotWritten(const SplitRequest& request, const std::string& sourceName,
                                              const SplitResult& result) {
    std::vector<std::string> names;
    if (!request.batch || result.batch.status != RejoinBatchResult::Status::Written)
        names.push_back(rejoinBatchFileName(sourceName));
    if (!request.script)
        names.push_back(rejoinScriptFileName(sourceName));
    if (!request.checksums)
        names.push_back(checksumFilePath(sourceName));
    return names;
}

// An existing file the split would write that is the source itself (through a link). Looking
// through the folder once finds it before anything is written, however many parts there are.
std::optional<std::string> outputThatIsSource(const std::string& folder, const std::string& sourceName,
                                              std::int64_t partCount, const std::vector<std::string>& rejoinFiles,
                                              const InputGuard& guard) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return std::nullopt; // creating the first part reports the folder's error
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        const bool isOutput = std::find(rejoinFiles.begin(), rejoinFiles.end(), name) != rejoinFiles.end() ||
                              isPartName(name, sourceName, partCount);
        if (isOutput && guard.inputSameAs(folder + name))
            return folder + name;
    }
    return std::nullopt;
}

// Lets whoever may read the script run it too. Best effort: a FAT stick refuses modes, and the
// script runs as "sh NAME.sh" all the same.
void allowExecution(int fd) {
    struct stat info = {};
    if (::fstat(fd, &info) == 0)
        (void)::fchmod(fd, (info.st_mode & 07777) | ((info.st_mode & 0444) >> 2));
}

// Writes a rejoin file; false (with `result` telling why) takes the split's error path.
bool writeRejoinFile(const std::string& path, const std::string& bytes, bool executable, const InputGuard& guard,
                     SplitResult& result) {
    FileHandle file;
    const OutputOpening opening = openOutput(path, guard, file);
    if (opening.sameAsInput) {
        refuseAsInput(result, path, *opening.sameAsInput);
        return false;
    }
    int error = opening.systemError;
    if (error == 0)
        error = writeAll(file.fd(), bytes.data(), static_cast<std::int64_t>(bytes.size()));
    if (error == 0 && executable)
        allowExecution(file.fd());
    const int closeError = file.close();
    if (error == 0)
        error = closeError;
    if (error != 0) {
        failWith(result, path, error);
        return false;
    }
    return true;
}

bool writeBatch(const std::string& folder, const std::string& sourceName, const InputGuard& guard,
                const RejoinBatchOptions& options, SplitResult& result) {
    const RejoinBatchText text = rejoinBatchText(options, result.partNames, sourceName);
    if (!text.unsafeName.empty()) {
        result.batch = {RejoinBatchResult::Status::UnsafeName, text.unsafeName, text.unsafeReason};
        return true;
    }
    if (!writeRejoinFile(folder + rejoinBatchFileName(sourceName), text.bytes, false, guard, result))
        return false;
    result.batch.status = RejoinBatchResult::Status::Written;
    return true;
}

void writeChecksums(const std::string& folder, const std::string& sourceName, PartDigests& digests,
                    SplitResult& result) {
    const std::string path = checksumFilePath(folder + sourceName);
    const std::optional<PartDigests::Digests> done = digests.finish();
    if (!done || done->parts.size() != result.partNames.size()) {
        failWith(result, path, ENOMEM);
        return;
    }
    std::vector<ChecksumEntry> entries;
    for (std::size_t i = 0; i < result.partNames.size(); ++i)
        entries.push_back({done->parts[i], result.partNames[i]});
    entries.push_back({done->whole, sourceName});
    if (const int error = writeChecksumFile(path, entries); error != 0) {
        failWith(result, path, error);
        return;
    }
    result.checksumFileWritten = true;
}

} // namespace

SplitResult splitFile(const SplitRequest& request, OperationHost& host) {
    SplitResult result;
    if (request.partSize < 1) {
        refuseRequest(result);
        return result;
    }
    FileHandle source;
    InputGuard guard;
    std::int64_t sourceSize = 0;
    if (const int error = openSource(request.sourcePath, source, guard, sourceSize); error != 0) {
        failReading(result, request.sourcePath, error);
        return result;
    }

    const std::string folder = withTrailingSlash(request.destinationFolder);
    const std::string sourceName = fileNameOf(request.sourcePath);
    const std::int64_t partCount = sourceSize / request.partSize + 1;
    const std::vector<std::string> rejoinFiles = rejoinFileNames(request, sourceName);
    if (const auto clash = outputThatIsSource(folder, sourceName, partCount, rejoinFiles, guard)) {
        refuseAsInput(result, *clash, request.sourcePath);
        return result;
    }

    host.byteCounter().store(0);
    PartWriter writer(source, guard, host);
    if (request.askBeforeReplacingRejoinFiles) {
        for (const std::string& name : rejoinFiles) {
            if (!writer.mayOverwrite(folder + name, result))
                return result;
        }
    }
    std::optional<PartDigests> digests;
    if (request.checksums) {
        if (!writer.mayOverwrite(checksumFilePath(folder + sourceName), result))
            return result;
        writer.setDigests(&digests.emplace());
    }
    bool reachedEnd = false;
    for (std::int64_t number = 1; !reachedEnd; ++number) {
        const std::string name = sourceName + PartExtension(number);
        if (!writer.create(folder + name, result))
            return result;
        result.partNames.push_back(name);
        host.currentFile(name);
        if (!writer.fill(request.partSize, result, reachedEnd))
            return result;
    }
    if (const int error = source.close(); error != 0) {
        failReading(result, request.sourcePath, error);
        return result;
    }
    if (digests) {
        writeChecksums(folder, sourceName, *digests, result);
        if (result.outcome != OperationOutcome::Completed)
            return result;
    }
    if (request.batch && !writeBatch(folder, sourceName, guard, *request.batch, result))
        return result;
    if (request.script)
        writeRejoinFile(folder + rejoinScriptFileName(sourceName),
                        rejoinShellScript(*request.script, result.partNames, sourceName), true, guard, result);
    if (result.outcome == OperationOutcome::Completed && writer.overwroteAPart()) {
        StalePartsRemoval removal =
            removeStaleParts(folder, sourceName, static_cast<std::int64_t>(result.partNames.size()), guard);
        if (removal.failedPath.empty()) {
            const StalePartsRemoval companions =
                removeStaleCompanions(folder, companionsNotWritten(request, sourceName, result), guard);
            removal.removed += companions.removed;
            removal.failedPath = companions.failedPath;
            removal.systemError = companions.systemError;
        }
        result.stalePartsRemoved = removal.removed;
        if (!removal.failedPath.empty())
            failWith(result, removal.failedPath, removal.systemError);
    }
    return result;
}
