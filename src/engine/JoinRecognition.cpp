#include "engine/JoinRecognition.h"

#include "engine/FileHandle.h"
#include "engine/PartNaming.h"

#include <algorithm>
#include <limits>

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

JoinPlan planJoin(const std::vector<JoinCandidate>& listItems, JoinOrderPolicy policy) {
    const bool anySelected =
        std::any_of(listItems.begin(), listItems.end(), [](const JoinCandidate& item) { return item.selected; });
    std::vector<const JoinCandidate*> considered;
    for (const JoinCandidate& item : listItems) {
        if (!anySelected || item.selected)
            considered.push_back(&item);
    }

    struct Recognised {
        std::int64_t number;
        const JoinCandidate* item;
    };
    std::vector<Recognised> recognised;
    for (const JoinCandidate* item : considered) {
        if (const std::optional<std::int64_t> number = partNumberOf(fileNameOf(item->path)))
            recognised.push_back({*number, item});
    }
    // Files of equal number keep their list order.
    std::stable_sort(recognised.begin(), recognised.end(),
                     [](const Recognised& a, const Recognised& b) { return a.number < b.number; });

    JoinPlan plan;
    plan.orderClear = recognised.size() == considered.size();
    plan.showOrderDialog =
        policy == JoinOrderPolicy::AlwaysAsk || (!plan.orderClear && policy != JoinOrderPolicy::NeverAsk);
    const auto take = [&plan](const JoinCandidate& item) {
        plan.joinList.push_back(item.path);
        plan.totalSize += item.size;
    };
    if (plan.showOrderDialog && !plan.orderClear) {
        for (const JoinCandidate* item : considered)
            take(*item);
    } else {
        for (const Recognised& entry : recognised)
            take(*entry.item);
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
