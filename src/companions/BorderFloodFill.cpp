#include "companions/BorderFloodFill.h"

#include <vector>

void BorderFloodFill(QImage& image, QPoint start, QColor colour) {
    if (!image.rect().contains(start))
        return;
    if (image.depth() != 32)
        image.convertTo(QImage::Format_RGB32);
    const QRgb fill = colour.rgb();
    auto isBorder = [&image, fill](int x, int y) {
        return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0xFFFFFF) == (fill & 0xFFFFFF);
    };
    if (isBorder(start.x(), start.y()))
        return;

    // Scanline fill: each popped seed fills its whole run and seeds the rows above and below.
    std::vector<QPoint> seeds{start};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (isBorder(seed.x(), y))
            continue;
        int left = seed.x();
        while (left > 0 && !isBorder(left - 1, y))
            --left;
        int right = seed.x();
        while (right + 1 < image.width() && !isBorder(right + 1, y))
            ++right;
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = left; x <= right; ++x)
            row[x] = fill;
        for (const int next : {y - 1, y + 1}) {
            if (next < 0 || next >= image.height())
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = !isBorder(x, next);
                if (open && !inRun)
                    seeds.emplace_back(x, next);
                inRun = open;
            }
        }
    }
}
