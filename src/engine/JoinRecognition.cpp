#include "engine/JoinRecognition.h"

#include "engine/FileHandle.h"
#include "engine/PartNaming.h"
#include "engine/PartSets.h"

#include <algorithm>
#include <limits>
#include <set>

namespace {

// The value of a text made only of decimal digits; std::nullopt for anything else or too large.
std::optional<std::int64_t> digitRunValue(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace

std::optional<std::int64_t> partNumberReading(std::string_view fileName) {
    const std::string suffix = LastDotSuffix(fileName);
    if (suffix.empty())
        return std::nullopt;
    return digitRunValue(std::string_view(suffix).substr(1));
}

std::int64_t HighestPartNumber(const std::vector<std::string>& fileNames) {
    std::int64_t highest = 0;
    for (const std::string& name : fileNames)
        highest = std::max(highest, partNumberReading(name).value_or(0));
    return highest;
}

std::optional<std::int64_t> partNumberOf(std::string_view fileName) {
    const std::string suffix = LastDotSuffix(fileName);
    if (!suffix.starts_with('.'))
        return std::nullopt;
    const std::optional<std::int64_t> number = digitRunValue(std::string_view(suffix).substr(1));
    if (!number || *number < 1 || PartExtension(*number) != suffix)
        return std::nullopt;
    return number;
}

namespace {

struct Considered {
    std::vector<const JoinCandidate*> files;
    std::vector<RecognisedPart> parts; // in list order
    std::vector<std::string> companions;
};

// The files the join works on, with the companion files of the recognised originals set apart.
Considered consider(const std::vector<JoinCandidate>& listItems) {
    const bool anySelected =
        std::any_of(listItems.begin(), listItems.end(), [](const JoinCandidate& item) { return item.selected; });
    Considered considered;
    std::set<std::string> setPaths;
    for (const JoinCandidate& item : listItems) {
        if (anySelected && !item.selected)
            continue;
        if (const std::optional<std::int64_t> number = partNumberOf(fileNameOf(item.path))) {
            considered.parts.push_back({item.path, *number, partSetPath(item.path), item.size});
            setPaths.insert(considered.parts.back().setPath);
        }
        considered.files.push_back(&item);
    }
    std::erase_if(considered.files, [&](const JoinCandidate* item) {
        const std::string owner = companionOwner(item->path);
        if (owner.empty() || !setPaths.contains(owner))
            return false;
        considered.companions.push_back(item->path);
        return true;
    });
    return considered;
}

} // namespace

JoinPlan planJoin(const std::vector<JoinCandidate>& listItems, JoinOrderPolicy policy) {
    Considered considered = consider(listItems);
    JoinPlan plan;
    plan.parts = std::move(considered.parts);
    plan.companionsLeftOut = std::move(considered.companions);
    // Files of equal number keep their list order.
    std::stable_sort(plan.parts.begin(), plan.parts.end(),
                     [](const RecognisedPart& a, const RecognisedPart& b) { return a.number < b.number; });
    plan.gaps = partGaps(plan.parts);
    plan.orderClear = plan.parts.size() == considered.files.size();
    plan.showOrderDialog =
        policy == JoinOrderPolicy::AlwaysAsk || (!plan.orderClear && policy != JoinOrderPolicy::NeverAsk);
    const auto take = [&plan](const std::string& path, std::int64_t size) {
        plan.joinList.push_back(path);
        plan.totalSize += size;
    };
    if (plan.showOrderDialog && !plan.orderClear) {
        for (const JoinCandidate* item : considered.files)
            take(item->path, item->size);
    } else {
        for (const RecognisedPart& part : plan.parts)
            take(part.path, part.size);
    }
    plan.nothingRecognised = plan.joinList.empty();
    return plan;
}

std::string defaultJoinOutputName(std::string_view firstEntryPath) {
    const std::string name = fileNameOf(std::string(firstEntryPath));
    const std::string suffix = LastDotSuffix(name);
    if (!suffix.starts_with('.') || suffix.size() == name.size())
        return name;
    return name.substr(0, name.size() - suffix.size());
}
