#include "engine/StaleParts.h"

#include "engine/JoinRecognition.h"
#include "engine/PartSets.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Stops at the first failed removal; a name gone meanwhile is no failure.
void removeNames(const std::string& folder, int folderFd, const std::vector<std::string>& names,
                 StalePartsRemoval& removal) {
    for (const std::string& name : names) {
        // unlinkat never follows a link, should the name have become one since it was looked at.
        if (::unlinkat(folderFd, name.c_str(), 0) == 0) {
            ++removal.removed;
        } else if (errno != ENOENT) {
            removal.failedPath = folder + name;
            removal.systemError = errno;
            return;
        }
    }
}

} // namespace

StalePartsRemoval removeStaleParts(const std::string& folder, const std::string& sourceName, std::int64_t lastNumber,
                                   const InputGuard& guard) {
    StalePartsRemoval removal;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        removal.failedPath = folder;
        removal.systemError = errno;
        return removal;
    }
    const int folderFd = ::dirfd(dir.get());
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!name.starts_with(sourceName) || partSetPath(name) != sourceName)
            continue;
        const std::optional<std::int64_t> number = partNumberOf(name);
        struct stat status = {};
        if (*number <= lastNumber || ::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(status.st_mode) && !guard.inputSameAs(status))
            stale.push_back(name);
    }
    removeNames(folder, folderFd, stale, removal);
    return removal;
}

StalePartsRemoval removeStaleCompanions(const std::string& folder, const std::vector<std::string>& names,
                                        const InputGuard& guard) {
    StalePartsRemoval removal;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        removal.failedPath = folder;
        removal.systemError = errno;
        return removal;
    }
    const int folderFd = ::dirfd(dir.get());
    std::vector<std::string> stale;
    for (const std::string& name : names) {
        struct stat status = {};
        if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
            !guard.inputSameAs(status))
            stale.push_back(name);
    }
    removeNames(folder, folderFd, stale, removal);
    return removal;
}
