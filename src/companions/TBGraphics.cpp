#include "companions/TBGraphics.h"

#include "companions/BParser.h"
#include "companions/BorderFloodFill.h"
#include "companions/ExpressionError.h"
#include "companions/PlaneTransform.h"
#include "engine/NumberText.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QColor silver(0xC0, 0xC0, 0xC0);

// A one-pixel pen whose lines leave out their end point, so that a line from p to p + (1, 1)
// sets exactly the pixel p.
QPen linePen(QColor colour) {
    QPen pen(colour);
    pen.setWidth(0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

long double countOf(long double limit, long double space) {
    return std::trunc(std::fabs(limit / space));
}

// The k in 1..count whose line at origin + k * spacing lies within 0..last; lines outside
// the image are not drawn at all.
struct StepRange {
    qint64 first = 1;
    qint64 last = 0;
};

StepRange visibleSteps(qint64 origin, qint64 spacing, long double count, qint64 last) {
    const qint64 wanted = count >= 1e15L ? qint64(1e15) : qint64(count);
    if (spacing == 0) // every line on the axis: one is enough
        return (origin >= 0 && origin <= last) ? StepRange{1, std::min<qint64>(wanted, 1)} : StepRange{};
    // Positions move away from origin by |spacing| per step, toward last or toward 0.
    const qint64 near = spacing > 0 ? -origin : origin - last;
    const qint64 far = spacing > 0 ? last - origin : origin;
    const qint64 step = spacing > 0 ? spacing : -spacing;
    const qint64 first = std::max<qint64>(1, near <= 0 ? 1 : (near + step - 1) / step);
    const qint64 lastStep = far < 0 ? 0 : std::min(wanted, far / step);
    return {first, lastStep};
}

} // namespace

TBGraphics::TBGraphics(QObject* parent)
    : QObject(parent) {}

QColor TBGraphics::ColorFromText(const QString& text) {
    const qint64 value = DecimalValue(text.toStdString());
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int TBGraphics::DrawToCanvas(QImage& canvas) {
    m_cancelled = false;
    if (canvas.depth() != 32)
        canvas.convertTo(QImage::Format_RGB32);
    if (m_clearCanvas) {
        QPainter clearing(&canvas);
        clearing.fillRect(QRect(0, 0, m_destinationWidth, m_destinationHeight), silver);
    }
    BParser engine;
    engine.settings().precision = 8;
    long double step = 1;
    BorderFloodFill(canvas, QPoint(10, 10), m_background);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_grid && !drawGrid(painter, canvas.width(), canvas.height()))
        return -1;
    if (m_cross)
        drawCross(painter);

    qsizetype lastFailed = -1;
    // The lists are read afresh each time: processing events may change them.
    for (qsizetype i = 0; i < m_expressions.size(); ++i) {
        if (m_cancelled)
            return -1;
        QCoreApplication::processEvents();
        if (i >= m_expressions.size())
            break;
        const QColor colour = i < m_colors.size() ? ColorFromText(m_colors[i]) : QColor(Qt::black);
        if (i < m_steps.size()) {
            try {
                step = engine.StrToLongDouble(m_steps[i]);
            } catch (const ExpressionError&) {
                // an unreadable step keeps the one before
            }
        }
        engine.setExpression(m_expressions[i]);
        if (!engine.CreateTree()) {
            lastFailed = i;
            continue;
        }
        drawGraph(painter, engine, step, colour);
    }
    return m_cancelled ? -1 : int(lastFailed + 1);
}

bool TBGraphics::drawGrid(QPainter& painter, int imageWidth, int imageHeight) {
    const long double space = m_gridSpace;
    const long double xRange = (long double)m_xTo - m_xFrom;
    const long double yRange = (long double)m_yTo - m_yFrom;
    if (space == 0 || xRange == 0 || yRange == 0)
        return true;
    const int w = m_destinationWidth;
    const int h = m_destinationHeight;
    const qint64 ox = UmrechnenX(0, w, m_xFrom, m_xTo);
    const qint64 oy = UmrechnenY(0, h, m_yFrom, m_yTo);
    const qint64 dx = TruncToPixel(w * space / xRange);
    const qint64 dy = TruncToPixel(h * space / yRange);
    painter.setPen(linePen(m_gridColor));

    struct Run {
        bool horizontal;
        qint64 origin;
        qint64 spacing;
        long double count;
    };
    const Run runs[] = {
        {true, oy, dy, countOf(m_yFrom, space)},
        {true, oy, -dy, countOf(m_yTo, space)},
        {false, ox, dx, countOf(m_xTo, space)},
        {false, ox, -dx, countOf(m_xFrom, space)},
    };
    for (const Run& run : runs) {
        const StepRange steps =
            visibleSteps(run.origin, run.spacing, run.count, (run.horizontal ? imageHeight : imageWidth) - 1);
        for (qint64 k = steps.first; k <= steps.last; ++k) {
            if (m_cancelled)
                return false;
            QCoreApplication::processEvents();
            const int at = int(run.origin + k * run.spacing);
            if (run.horizontal)
                painter.drawLine(QPoint(1, at), QPoint(w, at));
            else
                painter.drawLine(QPoint(at, 1), QPoint(at, h));
        }
    }
    return true;
}

void TBGraphics::drawCross(QPainter& painter) {
    const int ox = UmrechnenX(0, m_destinationWidth, m_xFrom, m_xTo);
    const int oy = UmrechnenY(0, m_destinationHeight, m_yFrom, m_yTo);
    painter.setPen(linePen(m_crossColor));
    painter.drawLine(QPoint(1, oy), QPoint(m_destinationWidth, oy));
    painter.drawLine(QPoint(ox, 1), QPoint(ox, m_destinationHeight));
}

void TBGraphics::drawGraph(QPainter& painter, BParser& engine, long double step, QColor colour) {
    const int w = m_destinationWidth;
    const long double xRange = (long double)m_xTo - m_xFrom;
    const long double pixelStep = xRange == 0 ? 1 : w * step / xRange;
    const int columnStep = std::isnan(pixelStep) || pixelStep < 1 ? 1 : TruncToPixel(pixelStep);
    painter.setPen(linePen(colour));

    std::optional<QPoint> previous;
    for (qint64 c = 1; c <= w; c += columnStep) {
        if (m_cancelled)
            return;
        const long double x = m_xFrom + xRange * c / w;
        engine.settings().x = engine.LongDoubleToStr(x);
        try {
            const long double value = engine.Evaluate();
            if (m_yMaxDifference > 0 && std::fabs(value) >= m_yMaxDifference)
                previous.reset();
            const int py = UmrechnenY(value, m_destinationHeight, m_yFrom, m_yTo);
            const QPoint point(int(c), py);
            if (!previous)
                previous = point - QPoint(1, 1);
            const QPoint from = m_pointsOnly ? point - QPoint(1, 1) : *previous;
            if (!m_pointsOnly)
                previous = point;
            painter.drawLine(from, point);
        } catch (const ExpressionError&) {
            previous.reset(); // the graph breaks at a column without a value
        }
    }
}
