#include "engine/SplitFile.h"

#include "engine/ChecksumFile.h"
#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/JoinRecognition.h"
#include "engine/OperationErrors.h"
#include "engine/PartNaming.h"
#include "engine/PartWriter.h"

#include <cerrno>
#include <dirent.h>
#include <memory>

namespace {

bool isPartName(const std::string& name, const std::string& sourceName, std::int64_t partCount) {
    if (!name.starts_with(sourceName))
        return false;
    const std::optional<std::int64_t> number = partNumberOf(name);
    return number && *number <= partCount && name.size() == sourceName.size() + PartExtension(*number).size();
}

// An existing file the split would write that is the source itself (through a link). Looking
// through the folder once finds it before anything is written, however many parts there are.
std::optional<std::string> outputThatIsSource(const std::string& folder, const std::string& sourceName,
                                              std::int64_t partCount, bool withBatch, const InputGuard& guard) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return std::nullopt; // creating the first part reports the folder's error
    const std::string batchName = rejoinBatchFileName(sourceName);
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        const bool isOutput = (withBatch && name == batchName) || isPartName(name, sourceName, partCount);
        if (isOutput && guard.inputSameAs(folder + name))
            return folder + name;
    }
    return std::nullopt;
}

void writeBatch(const std::string& folder, const std::string& sourceName, const InputGuard& guard,
                const RejoinBatchOptions& options, SplitResult& result) {
    const RejoinBatchText text = rejoinBatchText(options, result.partNames, sourceName);
    if (!text.unsafeName.empty()) {
        result.batch = {RejoinBatchResult::Status::UnsafeName, text.unsafeName};
        return;
    }
    const std::string path = folder + rejoinBatchFileName(sourceName);
    FileHandle batch;
    const OutputOpening opening = openOutput(path, guard, batch);
    if (opening.sameAsInput) {
        refuseAsInput(result, path, *opening.sameAsInput);
        return;
    }
    int error = opening.systemError;
    if (error == 0)
        error = writeAll(batch.fd(), text.bytes.data(), static_cast<std::int64_t>(text.bytes.size()));
    const int closeError = batch.close();
    if (error == 0)
        error = closeError;
    if (error != 0) {
        failWith(result, path, error);
        return;
    }
    result.batch.status = RejoinBatchResult::Status::Written;
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
    if (const auto clash = outputThatIsSource(folder, sourceName, partCount, request.batch.has_value(), guard)) {
        refuseAsInput(result, *clash, request.sourcePath);
        return result;
    }

    host.byteCounter().store(0);
    PartWriter writer(source, guard, host);
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
    if (request.batch)
        writeBatch(folder, sourceName, guard, *request.batch, result);
    return result;
}
