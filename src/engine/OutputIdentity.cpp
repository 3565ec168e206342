#include "engine/OutputIdentity.h"

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;

// A dangling link is written through: the file made is where the link points.
fs::path followDanglingLinks(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

} // namespace

OutputIdentity outputIdentityOf(const std::string& path) {
    OutputIdentity identity;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        identity.exists = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        return identity;
    }
    std::error_code error;
    const fs::path followed = followDanglingLinks(fs::absolute(path, error));
    const fs::path resolved = fs::weakly_canonical(followed, error);
    identity.resolvedPath = (error ? followed.lexically_normal() : resolved).string();
    return identity;
}

std::optional<std::pair<std::size_t, std::size_t>> firstSameOutput(const std::vector<std::string>& paths) {
    std::map<std::tuple<bool, dev_t, ino_t, std::string>, std::size_t> seen;
    for (std::size_t later = 0; later < paths.size(); ++later) {
        OutputIdentity identity = outputIdentityOf(paths[later]);
        const auto [place, isNew] = seen.try_emplace(
            {identity.exists, identity.device, identity.inode, std::move(identity.resolvedPath)}, later);
        if (!isNew)
            return std::pair(place->second, later);
    }
    return std::nullopt;
}
