#include "engine/SpecialSplit.h"

#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/OperationErrors.h"
#include "engine/OutputIdentity.h"
#include "engine/PartWriter.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

bool isUsable(const SpecialSplitRequest& request) {
    if (request.entries.empty())
        return false;
    const std::optional<std::vector<std::int64_t>> starts = cutStarts(request.entries, request.counting);
    return starts &&
           std::all_of(request.entries.begin(), request.entries.end(),
                       [](const CutEntry& entry) { return entry.position >= 0 && !entry.name.empty(); }) &&
           std::is_sorted(starts->begin(), starts->end());
}

std::vector<std::string> outputPaths(const std::string& folder, const std::vector<CutEntry>& entries) {
    std::vector<std::string> paths;
    for (const CutEntry& entry : entries)
        paths.push_back(folder + entry.name);
    return paths;
}

} // namespace

std::optional<std::vector<std::int64_t>> cutStarts(const std::vector<CutEntry>& entries, CutCounting counting) {
    std::vector<std::int64_t> starts;
    std::int64_t sum = 0;
    for (const CutEntry& entry : entries) {
        if (counting == CutCounting::FromStart)
            sum = entry.position;
        else if (__builtin_add_overflow(sum, entry.position, &sum))
            return std::nullopt;
        starts.push_back(sum);
    }
    return starts;
}

std::vector<CutPart> cutParts(const std::vector<CutEntry>& entries, CutCounting counting, std::int64_t sourceSize) {
    const std::vector<std::int64_t> starts =
        cutStarts(entries, counting).value_or(std::vector<std::int64_t>(entries.size(), sourceSize));
    std::vector<CutPart> parts;
    for (std::size_t index = 0; index < entries.size() && starts[index] < sourceSize; ++index) {
        const std::int64_t end = index + 1 < entries.size() ? std::min(starts[index + 1], sourceSize) : sourceSize;
        parts.push_back({entries[index].name, starts[index], std::max(end, starts[index])});
    }
    return parts;
}

SpecialSplitResult specialSplit(const SpecialSplitRequest& request, OperationHost& host) {
    SpecialSplitResult result;
    if (!isUsable(request)) {
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
    const std::vector<std::string> paths = outputPaths(folder, request.entries);
    for (const std::string& path : paths) {
        if (const std::string* input = guard.inputSameAs(path)) {
            refuseAsInput(result, path, *input);
            return result;
        }
    }
    if (const auto same = firstSameOutput(paths)) {
        refuseAsSameOutput(result, paths[same->second], paths[same->first]);
        return result;
    }

    const std::vector<CutPart> parts = cutParts(request.entries, request.counting, sourceSize);
    // The bytes before the first part are passed over, not read, but count as done.
    const std::int64_t skipped = parts.empty() ? sourceSize : parts.front().begin;
    host.byteCounter().store(skipped);
    if (parts.empty()) {
        host.byteCounter().fetch_add(1); // as a read that finds the end would
        return result;
    }
    if (::lseek(source.fd(), skipped, SEEK_SET) < 0) {
        failReading(result, request.sourcePath, errno);
        return result;
    }

    PartWriter writer(source, guard, host);
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const CutPart& part = parts[index];
        const std::string path = folder + part.name;
        if (!writer.create(path, result))
            return result;
        result.partPaths.push_back(path);
        host.currentFile(path);
        // The last part takes the rest of the source, as far as it goes.
        const bool isLast = index + 1 == parts.size();
        bool reachedEnd = false;
        if (!writer.fill(isLast ? std::nullopt : std::optional(part.end - part.begin), result, reachedEnd))
            return result;
        if (reachedEnd && !isLast)
            break; // the source has shrunk since it was measured
    }
    if (const int error = source.close(); error != 0)
        failReading(result, request.sourcePath, error);
    return result;
}
