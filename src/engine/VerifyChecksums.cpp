#include "engine/VerifyChecksums.h"

#include "engine/FileHandle.h"
#include "engine/JoinRecognition.h"
#include "engine/PartNaming.h"
#include "engine/Sha256.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view ChecksumSuffix = ".sha256";
constexpr std::size_t ReadSize = std::size_t{1} << 20;

bool existsAsFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

struct FreeBuffer {
    void operator()(char* buffer) const { std::free(buffer); }
};

// Hashes the file into `check`; false when the host asked to stop.
bool checkFile(const std::string& path, const std::string& expected, char* buffer, OperationHost& host,
               FileCheck& check) {
    FileHandle file;
    if (const int error = openForReading(path, file); error != 0) {
        check.state = error == ENOENT ? FileCheck::State::Missing : FileCheck::State::Unreadable;
        check.systemError = error == ENOENT ? 0 : error;
        return true;
    }
    Sha256 hash;
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer, ReadSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            check.state = FileCheck::State::Unreadable;
            check.systemError = errno;
            return true;
        }
        if (got == 0)
            break;
        hash.update(buffer, static_cast<std::size_t>(got));
        host.byteCounter().fetch_add(got, std::memory_order_relaxed);
        if (host.stopRequested())
            return false;
    }
    check.state = hash.hexDigest() == expected ? FileCheck::State::Ok : FileCheck::State::Failed;
    return true;
}

bool confirmedBy(const std::vector<FileCheck>& checks) {
    bool anyPart = false;
    bool partsOk = true;
    bool originalOk = false;
    for (const FileCheck& check : checks) {
        const bool ok = check.state == FileCheck::State::Ok;
        if (check.isOriginal) {
            originalOk = originalOk || ok;
        } else {
            anyPart = true;
            partsOk = partsOk && ok;
        }
    }
    return (anyPart && partsOk) || originalOk;
}

} // namespace

std::string checksumFileToVerify(const std::string& file) {
    if (file.ends_with(ChecksumSuffix))
        return file;
    const std::string own = checksumFilePath(file);
    const std::string name = fileNameOf(file);
    if (const std::optional<std::int64_t> number = partNumberOf(name); number && !existsAsFile(own)) {
        const std::size_t extension = PartExtension(*number).size();
        return checksumFilePath(file.substr(0, file.size() - extension));
    }
    return own;
}

VerifyPlan planVerify(const std::string& checksumPath) {
    VerifyPlan plan;
    plan.reading = readChecksumFile(checksumPath);
    const std::size_t slash = checksumPath.rfind('/');
    plan.folder = slash == std::string::npos ? std::string() : checksumPath.substr(0, slash + 1);
    const std::string name = fileNameOf(checksumPath);
    plan.originalName = name.ends_with(ChecksumSuffix) ? name.substr(0, name.size() - ChecksumSuffix.size()) : name;
    if (plan.reading.entries) {
        for (const ChecksumEntry& entry : *plan.reading.entries) {
            struct stat status {};
            if (::stat((plan.folder + entry.fileName).c_str(), &status) == 0 && S_ISREG(status.st_mode))
                plan.totalBytes += status.st_size;
        }
    }
    return plan;
}

VerifyResult verifyChecksums(const VerifyPlan& plan, OperationHost& host) {
    VerifyResult result;
    host.byteCounter().store(0);
    const std::unique_ptr<char, FreeBuffer> buffer(static_cast<char*>(std::aligned_alloc(4096, ReadSize)));
    if (!buffer) {
        result.outcome = OperationOutcome::Failed;
        result.error = {OperationError::Kind::System, plan.folder, {}, ENOMEM};
        return result;
    }
    for (const ChecksumEntry& entry : *plan.reading.entries) {
        FileCheck check;
        check.fileName = entry.fileName;
        check.isOriginal = entry.fileName == plan.originalName;
        host.currentFile(entry.fileName);
        if (!checkFile(plan.folder + entry.fileName, entry.hexDigest, buffer.get(), host, check)) {
            result.outcome = OperationOutcome::Stopped;
            return result;
        }
        result.checks.push_back(std::move(check));
    }
    result.confirmed = confirmedBy(result.checks);
    return result;
}
