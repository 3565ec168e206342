#include "engine/StaleParts.h"

#include "engine/JoinRecognition.h"
#include "engine/PartSets.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
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

// Only a regular file that is none of the operation's inputs; a link is never followed.
bool removableFile(int folderFd, const std::string& name, const InputGuard& guard) {
    struct stat status = {};
    return ::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
           !guard.inputSameAs(status);
}

// Opens `folder`, lets `pick` choose names in it and removes them.
StalePartsRemoval removeInFolder(const std::string& folder,
                                 const std::function<std::vector<std::string>(DIR*, int)>& pick) {
    StalePartsRemoval removal;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        removal.failedPath = folder;
        removal.systemError = errno;
        return removal;
    }
    const int folderFd = ::dirfd(dir.get());
    removeNames(folder, folderFd, pick(dir.get(), folderFd), removal);
    return removal;
}

} // namespace

StalePartsRemoval removeStaleParts(const std::string& folder, const std::string& sourceName, std::int64_t lastNumber,
                                   const InputGuard& guard) {
    return removeInFolder(folder, [&](DIR* dir, int folderFd) {
        std::vector<std::string> stale;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (!name.starts_with(sourceName) || partSetPath(name) != sourceName)
                continue;
            if (*partNumberOf(name) > lastNumber && removableFile(folderFd, name, guard))
                stale.push_back(name);
        }
        return stale;
    });
}

StalePartsRemoval removeStaleCompanions(const std::string& folder, const std::vector<std::string>& names,
                                        const InputGuard& guard) {
    return removeInFolder(folder, [&](DIR*, int folderFd) {
        std::vector<std::string> stale;
        for (const std::string& name : names) {
            if (removableFile(folderFd, name, guard))
                stale.push_back(name);
        }
        return stale;
    });
}
