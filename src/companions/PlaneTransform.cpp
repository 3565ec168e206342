#include "companions/PlaneTransform.h"

#include <cmath>

namespace {

// Far enough to be off every canvas, near enough that line clipping stays exact.
constexpr long double farAway = 1e7L;

long double wholeRange(long double from, long double to) {
    const long double range = std::trunc(to - from);
    return range != 0 ? range : to - from;
}

} // namespace

int TruncToPixel(long double value) {
    if (std::isnan(value))
        return 0;
    if (value > farAway)
        return int(farAway);
    if (value < -farAway)
        return -int(farAway);
    return int(std::trunc(value));
}

int UmrechnenX(long double x, int w, long double from, long double to) {
    const long double range = wholeRange(from, to);
    return range == 0 ? 0 : TruncToPixel((x - from) * w / range);
}

int UmrechnenY(long double y, int h, long double from, long double to) {
    const long double range = wholeRange(from, to);
    return range == 0 ? 0 : TruncToPixel((to - y) * h / range);
}
