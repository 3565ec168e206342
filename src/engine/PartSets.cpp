#include "engine/PartSets.h"

#include "engine/FileHandle.h"
#include "engine/JoinRecognition.h"
#include "engine/PartNaming.h"

#include <algorithm>
#include <dirent.h>
#include <map>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr std::string_view CompanionSuffixes[] = {".bat", ".sh", ".sha256"};

// The folder part of a path, "/" included; "" for a bare name.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

std::string partSetPath(std::string_view path) {
    const std::optional<std::int64_t> number = partNumberOf(fileNameOf(std::string(path)));
    if (!number)
        return {};
    return std::string(path.substr(0, path.size() - PartExtension(*number).size()));
}

std::vector<PartGap> partGaps(const std::vector<RecognisedPart>& parts) {
    std::vector<std::string> setOrder;
    std::map<std::string, std::vector<std::int64_t>> numbersOfSet;
    for (const RecognisedPart& part : parts) {
        auto [entry, added] = numbersOfSet.try_emplace(part.setPath);
        if (added)
            setOrder.push_back(part.setPath);
        entry->second.push_back(part.number);
    }
    std::vector<PartGap> gaps;
    for (const std::string& setPath : setOrder) {
        std::vector<std::int64_t>& numbers = numbersOfSet[setPath];
        std::sort(numbers.begin(), numbers.end());
        std::int64_t expected = 1;
        for (const std::int64_t number : numbers) {
            if (number > expected)
                gaps.push_back({setPath, expected, number - 1});
            expected = std::max(expected, number + 1);
        }
    }
    return gaps;
}

std::string gapListText(const std::vector<PartGap>& gaps, std::size_t maxRanges) {
    std::string text;
    for (std::size_t index = 0; index < gaps.size(); ++index) {
        if (index > 0)
            text += ", ";
        if (index == maxRanges) {
            text += "…";
            break;
        }
        const PartGap& gap = gaps[index];
        const std::string name = fileNameOf(gap.setPath);
        text += name + PartExtension(gap.first);
        if (gap.last > gap.first)
            text += (gap.last == gap.first + 1 ? ", " : " … ") + name + PartExtension(gap.last);
    }
    return text;
}

std::string fileNameListText(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += (text.empty() ? "" : ", ") + fileNameOf(path);
    return text;
}

std::string companionOwner(std::string_view path) {
    for (const std::string_view suffix : CompanionSuffixes) {
        if (path.size() > suffix.size() && path.ends_with(suffix))
            return std::string(path.substr(0, path.size() - suffix.size()));
    }
    return {};
}

std::vector<RecognisedPart> partsInFolder(const std::string& setPath) {
    const std::string folder = folderOf(setPath);
    const std::string name = fileNameOf(setPath);
    std::vector<RecognisedPart> parts;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), &::closedir);
    if (!dir)
        return parts;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string entryName = entry->d_name;
        if (!entryName.starts_with(name) || partSetPath(entryName) != name)
            continue;
        struct stat status = {};
        const std::string path = folder + entryName;
        const bool found = ::stat(path.c_str(), &status) == 0;
        if (found && S_ISDIR(status.st_mode))
            continue;
        parts.push_back({path, *partNumberOf(entryName), setPath, found ? status.st_size : 0});
    }
    std::sort(parts.begin(), parts.end(),
              [](const RecognisedPart& a, const RecognisedPart& b) { return a.number < b.number; });
    return parts;
}
