#include "engine/PartNaming.h"

std::string PartExtension(std::int64_t partNumber) {
    std::string digits = std::to_string(partNumber);
    if (partNumber >= 0 && digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return "." + digits;
}

std::string LastDotSuffix(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    return std::string(dot == std::string_view::npos ? text : text.substr(dot));
}
