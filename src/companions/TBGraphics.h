#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <atomic>

// Draws the graphs of expressions in x onto an image, with an optional grid and axis cross, over
// a window of the plane. Line i of Colors is the colour of expression i as a decimal colour
// number (0xBBGGRR), line i of Steps its x step in plane units.
class TBGraphics : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList Expressions READ expressions WRITE setExpressions)
    Q_PROPERTY(QStringList Colors READ colors WRITE setColors)
    Q_PROPERTY(QStringList Steps READ steps WRITE setSteps)
    Q_PROPERTY(QColor Background MEMBER m_background)
    Q_PROPERTY(bool PointsOnly MEMBER m_pointsOnly)
    Q_PROPERTY(bool Cross MEMBER m_cross)
    Q_PROPERTY(QColor CrossColor MEMBER m_crossColor)
    Q_PROPERTY(bool Grid MEMBER m_grid)
    Q_PROPERTY(QColor GridColor MEMBER m_gridColor)
    Q_PROPERTY(double GridSpace MEMBER m_gridSpace)
    Q_PROPERTY(double X_From MEMBER m_xFrom)
    Q_PROPERTY(double X_To MEMBER m_xTo)
    Q_PROPERTY(double Y_From MEMBER m_yFrom)
    Q_PROPERTY(double Y_To MEMBER m_yTo)
    Q_PROPERTY(int DestinationWidth MEMBER m_destinationWidth)
    Q_PROPERTY(int DestinationHeight MEMBER m_destinationHeight)
    Q_PROPERTY(double Y_MaxDifference MEMBER m_yMaxDifference)
    Q_PROPERTY(bool ClearCanvas MEMBER m_clearCanvas)
public:
    explicit TBGraphics(QObject* parent = nullptr);

    QStringList expressions() const { return m_expressions; }
    void setExpressions(const QStringList& expressions) { m_expressions = expressions; }
    QStringList colors() const { return m_colors; }
    void setColors(const QStringList& colors) { m_colors = colors; }
    QStringList steps() const { return m_steps; }
    void setSteps(const QStringList& steps) { m_steps = steps; }

    // -1 when cancelled, 0 when every expression parsed, else the number (index + 1) of the last
    // expression that did not parse. A missing colour line draws black, a missing step line
    // keeps the step of the expression before (1 at first).
    int DrawToCanvas(QImage& canvas);
    // A running DrawToCanvas returns -1 at its next look at the flag: before each grid line,
    // each expression and each column.
    void Cancel() { m_cancelled = true; }

    // The colour of a decimal colour number text (0xBBGGRR); black when the text does not
    // begin with a number.
    static QColor ColorFromText(const QString& text);

private:
    bool drawGrid(QPainter& painter, int imageWidth, int imageHeight);
    void drawCross(QPainter& painter);
    void drawGraph(QPainter& painter, class BParser& engine, long double step, QColor colour);

    QStringList m_expressions;
    QStringList m_colors;
    QStringList m_steps;
    QColor m_background = Qt::white;
    bool m_pointsOnly = true;
    bool m_cross = true;
    QColor m_crossColor = Qt::black;
    bool m_grid = false;
    QColor m_gridColor = QColor(0xC0, 0xC0, 0xC0);
    double m_gridSpace = 1;
    double m_xFrom = -10;
    double m_xTo = 10;
    double m_yFrom = -10;
    double m_yTo = 10;
    int m_destinationWidth = 640;
    int m_destinationHeight = 480;
    double m_yMaxDifference = 0;
    bool m_clearCanvas = true;
    std::atomic<bool> m_cancelled = false;
};
