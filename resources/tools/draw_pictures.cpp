// Draws the program's pictures into the resources folder. Build and run from the project root:
//   g++ -std=c++20 -fPIC resources/tools/draw_pictures.cpp -o /tmp/draw_pictures \
//       $(pkg-config --cflags --libs Qt6Gui) && QT_QPA_PLATFORM=offscreen /tmp/draw_pictures resources
// Every picture is drawn on a 32 x 32 grid and scaled, so the toolbar and menu sets match.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
using Drawing = std::function<void(QPainter&)>;

const QColor Outline(40, 52, 70);
const QColor PaperTop(255, 255, 255);
const QColor PaperBottom(222, 230, 240);
const QColor CutRed(214, 64, 48);
const QColor Teal(32, 128, 140);

QPen outlinePen(qreal width = 1.2) {
    return QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush paper(const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, PaperTop);
    g.setColorAt(1, PaperBottom);
    return g;
}

// A page with a folded top-right corner.
void page(QPainter& p, const QRectF& r, qreal fold = 6) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(paper(r));
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(190, 202, 218));
    p.drawPath(corner);
}

// Text lines on a page, so a page reads as a document even when small.
void pageLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step = 3.5) {
    p.setPen(QPen(QColor(120, 140, 165), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right - (i % 2) * 3, top + i * step));
}

void roundBadge(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(160), 1.0));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void whiteStroke(QPainter& p, qreal width) {
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const qreal head = width * 2.2;
    QPolygonF tip{to + u * head * 0.6, to - u * head + n * head, to - u * head - n * head};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tip);
}

void drawAdd(QPainter& p) {
    page(p, QRectF(4.5, 2.5, 18, 24));
    pageLines(p, 8, 18, 10, 4);
    roundBadge(p, QPointF(22.5, 22.5), 7.5, QColor(46, 160, 67));
    whiteStroke(p, 2.6);
    p.drawLine(QPointF(22.5, 18.5), QPointF(22.5, 26.5));
    p.drawLine(QPointF(18.5, 22.5), QPointF(26.5, 22.5));
}

void cutLine(QPainter& p, qreal y) {
    QPen pen(CutRed, 1.8, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({2.0, 1.5});
    p.setPen(pen);
    p.drawLine(QPointF(1.5, y), QPointF(30.5, y));
}

void drawSplit(QPainter& p) {
    // The upper and lower piece of one page, pulled apart along the cut.
    QPainterPath top;
    top.moveTo(4.5, 2.5);
    top.lineTo(19.5, 2.5);
    top.lineTo(25.5, 8.5);
    top.lineTo(25.5, 13.5);
    top.lineTo(4.5, 13.5);
    top.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(paper(QRectF(4.5, 2.5, 21, 11)));
    p.drawPath(top.translated(-2, 0));
    p.drawRect(QRectF(8.5, 18.5, 21, 11));
    pageLines(p, 6, 18, 8, 2);
    pageLines(p, 11.5, 25, 22, 2);
    cutLine(p, 16);
}

void drawMerge(QPainter& p) {
    page(p, QRectF(2.5, 2.5, 10, 11), 3.5);
    page(p, QRectF(2.5, 18.5, 10, 11), 3.5);
    page(p, QRectF(18.5, 5.5, 11, 21), 4.5);
    pageLines(p, 21, 27, 12, 4);
    arrow(p, QPointF(12.5, 8), QPointF(16.5, 12.5), Teal, 1.8);
    arrow(p, QPointF(12.5, 24), QPointF(16.5, 19.5), Teal, 1.8);
}

void drawStop(QPainter& p) {
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45.0 * i) * M_PI / 180.0;
        octagon << QPointF(16 + 13.5 * std::cos(a), 16 + 13.5 * std::sin(a));
    }
    QLinearGradient g(0, 2, 0, 30);
    g.setColorAt(0, QColor(236, 92, 78));
    g.setColorAt(1, QColor(176, 32, 24));
    p.setPen(QPen(QColor(120, 20, 16), 1.2));
    p.setBrush(g);
    p.drawPolygon(octagon);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10, 10, 12, 12), 1.5, 1.5);
}

void gear(QPainter& p, const QPointF& c, qreal outer, qreal inner, qreal hole, int teeth) {
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    QPainterPath centre;
    centre.addEllipse(c, hole, hole);
    QLinearGradient g(0, c.y() - outer, 0, c.y() + outer);
    g.setColorAt(0, QColor(170, 184, 200));
    g.setColorAt(1, QColor(92, 108, 128));
    p.setPen(outlinePen(1.0));
    p.setBrush(g);
    p.drawPath(path.subtracted(centre));
}

void drawSettings(QPainter& p) {
    gear(p, QPointF(16, 16), 13.5, 10.5, 4.5, 8);
}

void drawExit(QPainter& p) {
    // A door frame, the door swung open, and an arrow leading out.
    p.setPen(outlinePen());
    p.setBrush(QColor(236, 240, 245));
    p.drawRect(QRectF(4.5, 3.5, 15, 25));
    QPolygonF door{QPointF(4.5, 3.5), QPointF(12.5, 6.5), QPointF(12.5, 31), QPointF(4.5, 28.5)};
    QLinearGradient g(4, 0, 13, 0);
    g.setColorAt(0, QColor(176, 118, 64));
    g.setColorAt(1, QColor(128, 80, 40));
    p.setBrush(g);
    p.drawPolygon(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(QPointF(10.5, 18), 1.1, 1.1);
    arrow(p, QPointF(15, 16), QPointF(27, 16), QColor(46, 160, 67), 2.6);
}

void drawDelete(QPainter& p) {
    p.setPen(QPen(CutRed.darker(130), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(25, 25));
    p.drawLine(QPointF(25, 7), QPointF(7, 25));
    p.setPen(QPen(CutRed.lighter(115), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(25, 25));
    p.drawLine(QPointF(25, 7), QPointF(7, 25));
}

void viewFrame(QPainter& p) {
    p.setPen(outlinePen());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 3.5, 27, 25));
}

void tile(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Teal.darker(140), 1.0));
    p.setBrush(Teal);
    p.drawRect(r);
}

void bar(QPainter& p, qreal x1, qreal x2, qreal y) {
    p.setPen(QPen(QColor(96, 112, 134), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void drawDetails(QPainter& p) {
    viewFrame(p);
    for (int row = 0; row < 4; ++row) {
        const qreal y = 8.5 + row * 5.5;
        tile(p, QRectF(5.5, y - 1.8, 3.6, 3.6));
        bar(p, 11.5, 19, y);
        bar(p, 21, 26.5, y);
    }
}

void drawList(QPainter& p) {
    viewFrame(p);
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 4; ++row) {
            const qreal x = 5.5 + column * 12;
            const qreal y = 8.5 + row * 5.5;
            tile(p, QRectF(x, y - 1.8, 3.6, 3.6));
            bar(p, x + 5, x + 10, y);
        }
    }
}

void drawSmallIcons(QPainter& p) {
    viewFrame(p);
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row)
            tile(p, QRectF(6 + column * 7.5, 7.5 + row * 7, 5, 5));
    }
}

void drawLargeIcons(QPainter& p) {
    viewFrame(p);
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 2; ++row)
            tile(p, QRectF(6 + column * 11.5, 7 + row * 11, 9, 8.5));
    }
}

void sortBars(QPainter& p, bool ascending) {
    for (int i = 0; i < 3; ++i) {
        const qreal height = 7 + 7 * (ascending ? i : 2 - i);
        tile(p, QRectF(3 + i * 6.5, 29 - height, 4.5, height));
    }
    if (ascending)
        arrow(p, QPointF(26, 28), QPointF(26, 7), QColor(46, 100, 190), 2.6);
    else
        arrow(p, QPointF(26, 4), QPointF(26, 25), QColor(46, 100, 190), 2.6);
}

void drawAbout(QPainter& p) {
    roundBadge(p, QPointF(16, 16), 13.5, QColor(46, 100, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.3, 2.3);
    p.drawRoundedRect(QRectF(13.8, 13.5, 4.4, 11.5), 1.2, 1.2);
}

void languageLabel(QPainter& p, const QString& text, const QColor& colour) {
    p.setPen(QPen(colour.darker(150), 1.2));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 5.5, 29, 21), 4, 4);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 5.5, 29, 21), Qt::AlignCenter, text);
}

void drawClipboard(QPainter& p) {
    QLinearGradient g(0, 3, 0, 30);
    g.setColorAt(0, QColor(196, 140, 84));
    g.setColorAt(1, QColor(140, 92, 48));
    p.setPen(outlinePen());
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4.5, 4.5, 23, 26), 2.5, 2.5);
    page(p, QRectF(8.5, 9.5, 15, 18), 4);
    pageLines(p, 11, 21, 15, 3);
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(170, 180, 192));
    p.drawRoundedRect(QRectF(11.5, 2.5, 9, 5), 1.5, 1.5);
}

void sortArrow(QPainter& p, bool ascending) {
    const QPolygonF up{QPointF(16, 9), QPointF(25, 22), QPointF(7, 22)};
    const QPolygonF down{QPointF(16, 23), QPointF(25, 10), QPointF(7, 10)};
    p.setPen(QPen(QColor(70, 80, 96), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(110, 122, 140));
    p.drawPolygon(ascending ? up : down);
}

void lamp(QPainter& p, const QColor& colour) {
    QRadialGradient g(QPointF(12, 11), 18);
    g.setColorAt(0, colour.lighter(175));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(170));
    p.setPen(QPen(colour.darker(220), 1.6));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(12.5, 11), 4.5, 3.2);
}

// The program's own icon: a teal tile with a page cut into two parcels.
void drawProgramIcon(QPainter& p) {
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(48, 160, 170));
    g.setColorAt(1, QColor(22, 96, 120));
    p.setPen(QPen(QColor(16, 70, 88), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    QPainterPath top;
    top.moveTo(7, 5);
    top.lineTo(19.5, 5);
    top.lineTo(24, 9.5);
    top.lineTo(24, 14.5);
    top.lineTo(7, 14.5);
    top.closeSubpath();
    p.setPen(QPen(QColor(16, 70, 88), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(top.translated(-1.5, 0));
    p.drawRect(QRectF(8.5, 18, 17, 9.5));
    QPen cut(QColor(255, 170, 60), 1.6, Qt::CustomDashLine, Qt::FlatCap);
    cut.setDashPattern({2.0, 1.5});
    p.setPen(cut);
    p.drawLine(QPointF(3, 16.3), QPointF(29, 16.3));
}

QImage render(int size, const Drawing& drawing) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawing(p);
    return image;
}

// The toolbar band: a soft vertical gradient with faint diagonal lines that tiles sideways.
QImage band() {
    QImage image(256, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(240, 245, 250));
    g.setColorAt(0.55, QColor(214, 226, 238));
    g.setColorAt(1, QColor(190, 206, 224));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    for (int x = -64; x < 256 + 64; x += 16)
        p.drawLine(QPointF(x, 64), QPointF(x + 64, 0));
    p.setPen(QColor(160, 178, 200));
    p.drawLine(0, 63, 255, 63);
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= save(render(size, drawProgramIcon), out.filePath(QStringLiteral("parcelon-%1.png").arg(size)));
    ok &= save(band(), out.filePath(QStringLiteral("band.png")));

    const auto german = [](QPainter& p) { languageLabel(p, QStringLiteral("DE"), QColor(200, 60, 40)); };
    const auto english = [](QPainter& p) { languageLabel(p, QStringLiteral("EN"), QColor(40, 70, 150)); };
    const struct {
        const char* name;
        Drawing drawing;
        bool toolbar;
        bool menu;
    } pictures[] = {
        {"add", drawAdd, true, true},
        {"split", drawSplit, true, true},
        {"merge", drawMerge, true, true},
        {"stop", drawStop, true, false},
        {"settings", drawSettings, true, true},
        {"exit", drawExit, true, true},
        {"delete", drawDelete, false, true},
        {"details", drawDetails, false, true},
        {"list", drawList, false, true},
        {"small-icons", drawSmallIcons, false, true},
        {"large-icons", drawLargeIcons, false, true},
        {"ascending", [](QPainter& p) { sortBars(p, true); }, false, true},
        {"descending", [](QPainter& p) { sortBars(p, false); }, false, true},
        {"about", drawAbout, false, true},
        {"german", german, false, true},
        {"english", english, false, true},
        {"clipboard", drawClipboard, false, true},
    };
    for (const auto& picture : pictures) {
        const QString name = QString::fromLatin1(picture.name);
        if (picture.toolbar)
            ok &= save(render(32, picture.drawing), out.filePath(QStringLiteral("toolbar-%1.png").arg(name)));
        if (picture.menu)
            ok &= save(render(16, picture.drawing), out.filePath(QStringLiteral("menu-%1.png").arg(name)));
    }
    ok &= save(render(16, [](QPainter& p) { sortArrow(p, true); }), out.filePath(QStringLiteral("sort-ascending.png")));
    ok &=
        save(render(16, [](QPainter& p) { sortArrow(p, false); }), out.filePath(QStringLiteral("sort-descending.png")));
    ok &= save(render(16, [](QPainter& p) { lamp(p, QColor(220, 40, 32)); }),
               out.filePath(QStringLiteral("lamp-red.png")));
    ok &= save(render(16, [](QPainter& p) { lamp(p, QColor(40, 190, 60)); }),
               out.filePath(QStringLiteral("lamp-green.png")));
    ok &= save(render(16, [](QPainter& p) { lamp(p, QColor(150, 156, 164)); }),
               out.filePath(QStringLiteral("lamp-grey.png")));
    return ok ? 0 : 1;
}
