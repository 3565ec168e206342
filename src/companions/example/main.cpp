// Shows each companion unit at work: evaluates expressions, plots graphs to PNG files, writes a
// melody as a MIDI file, saves a snapshot of a small form as JPEG and reads a local HTML page.
// Usage: companions_example [output folder] [--choose-folder]
#include "companions/ExpressionError.h"
#include "companions/TBBrFolder.h"
#include "companions/TBGraphics.h"
#include "companions/TBMidi.h"
#include "companions/TBParser.h"
#include "companions/TBSnapShot.h"
#include "components/TBHTML.h"
#include "components/WebBrowser.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

void evaluateExpressions() {
    out() << "Expressions (x = 2):\n";
    TBParser parser;
    parser.setX(QStringLiteral("2"));
    parser.setPrecision(4);
    for (const char* text :
         {"2+3*4", "(2+3)*4", "-x^2", "2^3^2", "10-4-3", "sin(pi/2)+lg(1000)", "7 mod 3", "1/3", "1/(x-2)", "2x"}) {
        parser.setExpression(QString::fromLatin1(text));
        out() << "  " << text << " = ";
        if (!parser.CreateTree()) {
            out() << "(not an expression)\n";
            continue;
        }
        try {
            parser.Evaluate();
            out() << parser.ergebnisString() << "\n";
        } catch (const ExpressionError& error) {
            out() << "error: " << error.message() << "\n";
        }
    }
}

struct Plot {
    const char* file;
    QStringList expressions;
    QStringList colors;
    QStringList steps;
    QList<std::pair<const char*, QVariant>> settings;
};

bool plotGraphs(const QDir& folder) {
    const Plot plots[] = {
        {"plot-square.png", {"x^2"}, {"255"}, {"0.1"}, {}},
        {"plot-waves.png",
         {"5*sin(x)", "abs(x)-5", "x mod 3"},
         {"255", "32768", "16711680"},
         {"0.05", "0.05", "0.02"},
         {{"PointsOnly", false}, {"Grid", true}, {"GridSpace", 2.0}}},
        {"plot-poles.png",
         {"tan(x)", "ln(x)", "1/x"},
         {"8388736", "33023", "0"},
         {"0.01", "0.05", "0.01"},
         {{"PointsOnly", false}, {"Y_MaxDifference", 8.0}, {"Grid", true}}},
    };
    for (const Plot& plot : plots) {
        TBGraphics plotter;
        plotter.setExpressions(plot.expressions);
        plotter.setColors(plot.colors);
        plotter.setSteps(plot.steps);
        for (const auto& [name, value] : plot.settings)
            plotter.setProperty(name, value);
        QImage canvas(640, 480, QImage::Format_RGB32);
        const int result = plotter.DrawToCanvas(canvas);
        const QString file = folder.filePath(QString::fromLatin1(plot.file));
        if (!canvas.save(file)) {
            err() << file << " could not be written\n";
            return false;
        }
        out() << "Plotted " << plot.expressions.join(QStringLiteral(", ")) << " to " << file << " (result " << result
              << ")\n";
    }
    return true;
}

bool writeMelody(const QDir& folder) {
    TBMidi midi;
    midi.setExactLengths(true);
    TBMidi::ClearNotes();
    const std::tuple<const char*, const char*, const char*> melody[] = {
        {"60", "8", "100"}, {"62", "8", "90"},  {"64", "8", "90"},        {"65", "8", "90"},
        {"67", "4", "110"}, {"67", "4", "110"}, {"60,64,67", "P2", "80"},
    };
    out() << "Melody:\n";
    for (const auto& [notes, length, loudness] : melody) {
        TBMidi::AddNote(QString::fromLatin1(notes), QString::fromLatin1(length), QString::fromLatin1(loudness));
        const int first = QString::fromLatin1(notes).section(QLatin1Char(','), 0, 0).toInt();
        out() << "  " << notes << " length " << length << ": " << TBMidi::GetHz(first) << " Hz, "
              << TBMidi::LongToStr(TBMidi::GetSekundenOfLength(QString::fromLatin1(length), 2)) << " s\n";
    }
    const QString file = folder.filePath(QStringLiteral("melody.mid"));
    if (!midi.WriteMidiFile(file)) {
        err() << midi.errorString() << "\n";
        return false;
    }
    out() << "Wrote " << file << " (note track " << midi.CountBytes() << " bytes, " << TBMidi::GetStringInstrument(0)
          << ")\n";
    return true;
}

bool saveSnapshot(const QDir& folder) {
    QWidget form;
    form.resize(320, 160);
    form.setWindowTitle(QStringLiteral("Snapshot"));
    auto* panel = new QWidget(&form);
    panel->setGeometry(20, 20, 280, 120);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(QStringLiteral("A form area saved as JPEG"), panel));
    layout->addWidget(new QPushButton(QStringLiteral("Button"), panel));
    form.show();
    QApplication::processEvents();

    TBSnapShot snapshot;
    const QString file = folder.filePath(QStringLiteral("snapshot.jpg"));
    if (!snapshot.SaveToJPEGFile(85, file, &form, panel, 0, 0)) {
        err() << snapshot.errorString() << "\n";
        return false;
    }
    out() << "Saved the panel at (20, 20), 280 x 120, to " << file << "\n";
    return true;
}

bool readPage(const QDir& folder) {
    const QString file = folder.filePath(QStringLiteral("page.html"));
    QFile page(file);
    const QByteArray html = "<html><head><title>Companion page</title></head><body>"
                            "<h1>Links and pictures</h1><p>See <a href=\"first.html\">the first</a> and "
                            "<a href=\"second.html\">the second</a> page.</p>"
                            "<img src=\"plot-square.png\" alt=\"square\"><img alt=\"waves\" src=\"plot-waves.png\">"
                            "<p>The end.</p></body></html>";
    if (!page.open(QIODevice::WriteOnly) || page.write(html) != html.size() || !page.flush()) {
        err() << file << " could not be written: " << page.errorString() << "\n";
        return false;
    }
    page.close();

    WebBrowser browser;
    TBHTML reader;
    reader.Browser = &browser;
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(&browser, &WebBrowser::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    reader.BrowseTo(QUrl::fromLocalFile(file).toString());
    loop.exec();
    if (!loaded) {
        err() << browser.errorString() << "\n";
        return false;
    }
    QStringList links;
    QStringList images;
    reader.GetAllLinks(links);
    reader.GetAllImages(images);
    out() << "Read " << file << ": title \"" << reader.GetTitel() << "\"\n"
          << "  text: " << reader.GetBodyText().replace(QLatin1Char('\n'), QStringLiteral(" / ")) << "\n"
          << "  links: " << links.join(QStringLiteral(", ")) << "\n"
          << "  images: " << images.join(QStringLiteral(", ")) << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool chooseFolder = arguments.removeAll(QStringLiteral("--choose-folder")) > 0;
    QDir folder(arguments.value(0, QDir::currentPath()));
    if (!folder.mkpath(QStringLiteral("."))) {
        err() << folder.path() << " could not be created\n";
        return 1;
    }

    evaluateExpressions();
    const bool done = plotGraphs(folder) && writeMelody(folder) && saveSnapshot(folder) && readPage(folder);
    if (done && chooseFolder) {
        TBBrFolder browser;
        const QString chosen = browser.Execute(folder.absolutePath(), QStringLiteral("Choose a folder"), nullptr);
        out() << "Chosen folder: " << (chosen.isEmpty() ? QStringLiteral("(none)") : chosen) << "\n";
    }
    out().flush();
    return done ? 0 : 1;
}
