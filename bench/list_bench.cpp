// The file list with many files: how soon the window shows files given on its command line, how
// long each sort takes, and how often the desktop is asked for an icon.
//
//   list_bench [--files N] [--runs N]
//
// Makes N files (default 10,000) of mixed types, sizes and dates in a temporary folder, then
// starts itself once per view style as the program would be started with those files, on a
// private HOME and the offscreen platform unless another is set. Prints figures and PASS/FAIL;
// always exits 0.
#include "app/MainWindow.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/IconCache.h"
#include "app/list/ProgramState.h"
#include "components/TEnhancedFormProgram.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/TBReg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr qint64 ShownBarMs = 1000;
constexpr qint64 SortBarMs = 100;
constexpr int PaintTimeoutMs = 10000;
const QString WindowMode = QStringLiteral("--window");

// The desktop's common types; every third file writes its extension in capitals.
const std::array<const char*, 50> Extensions{
    "txt",  "pdf", "jpg",  "png",  "gif",  "zip",  "tar", "gz",   "mp3",  "mp4", "avi", "mkv",  "doc",
    "docx", "xls", "xlsx", "odt",  "ods",  "html", "css", "js",   "json", "xml", "csv", "iso",  "bin",
    "exe",  "deb", "rpm",  "c",    "cpp",  "h",    "py",  "sh",   "md",   "svg", "wav", "flac", "ogg",
    "bmp",  "tif", "ppt",  "pptx", "epub", "log",  "ini", "conf", "001",  "bak", "sql"};
constexpr int FolderCount = 20;

// Indexed by the stored "View" number.
const std::array<const char*, 4> StyleNames{"large icons", "small icons", "list", "report"};
const std::array<const char*, 5> KeyNames{"name", "folder", "size", "date", "Kennzeichen"};

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double msSince(qint64 startNs) {
    return static_cast<double>(nowNs() - startNs) / 1e6;
}

void say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// The settings, the desktop's caches and the temporary files stay in a folder of their own.
bool usePrivateHome(const QString& root) {
    for (const char* sub : {"config", "data", "cache", "runtime", "tmp"}) {
        if (!QDir(root).mkpath(QLatin1String(sub)))
            return false;
    }
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("HOME", qPrintable(root), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(root + QStringLiteral("/config")), 1);
    setenv("XDG_DATA_HOME", qPrintable(root + QStringLiteral("/data")), 1);
    setenv("XDG_CACHE_HOME", qPrintable(root + QStringLiteral("/cache")), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(root + QStringLiteral("/runtime")), 1);
    setenv("TMPDIR", qPrintable(root + QStringLiteral("/tmp")), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return true;
}

// Files spread over folders, with random names (some not plain ASCII), sizes and dates.
QStringList makeFiles(const QString& root, int count) {
    std::minstd_rand random(4711);
    const QDateTime earliest(QDate(1995, 1, 1), QTime(0, 0));
    const qint64 span = earliest.secsTo(QDateTime(QDate(2025, 12, 31), QTime(23, 59)));
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString folder = QStringLiteral("%1/folder%2")
                                   .arg(root)
                                   .arg(static_cast<int>(random() % FolderCount), 2, 10, QLatin1Char('0'));
        if (!QDir().mkpath(folder))
            return {};
        QString extension = QLatin1String(Extensions[static_cast<std::size_t>(i) % Extensions.size()]);
        if ((i / Extensions.size()) % 3 == 0)
            extension = extension.toUpper();
        const QString name = QStringLiteral("%1%2-%3.%4")
                                 .arg(i % 7 == 0 ? QStringLiteral("ä") : QString())
                                 .arg(static_cast<qulonglong>(random()), 0, 36)
                                 .arg(i)
                                 .arg(extension);
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(random() % 5'000'000) ||
            !file.setFileTime(earliest.addSecs(random() % span), QFileDevice::FileModificationTime))
            return {};
        file.close();
        paths.append(file.fileName());
    }
    return paths;
}

int distinctExtensions(const QStringList& paths) {
    QSet<QString> extensions;
    for (const QString& path : paths)
        extensions.insert(path.mid(path.lastIndexOf(u'.')).toUpper());
    return static_cast<int>(extensions.size());
}

// Notes when a list view has painted: the window has shown what it holds.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(FileListViews& views) {
        for (QAbstractItemView* view :
             {static_cast<QAbstractItemView*>(views.reportView()), static_cast<QAbstractItemView*>(views.namesView())})
            view->viewport()->installEventFilter(this);
    }

    // Runs the events until a view has painted; false when none did in time.
    bool waitForPaint() {
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(PaintTimeoutMs, &loop, [&loop] { loop.exit(1); });
        const bool painted = loop.exec() == 0;
        m_loop = nullptr;
        return painted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The loop ends once the paint has been handled.
        if (event->type() == QEvent::Paint && m_loop)
            m_loop->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* m_loop = nullptr;
};

// One start of the window with the files on its command line; prints "key value" lines.
int runWindow(int argc, char** argv) {
    const qint64 launchedNs = std::strtoll(argv[2], nullptr, 10);
    const int runs = std::atoi(argv[3]);
    QApplication app(argc, argv);
    ProgramState state;
    int lookups = 0;
    state.Icons = IconCache([&lookups](const QString& fileName) {
        ++lookups;
        return IconCache::desktopIcon(fileName);
    });

    // As the program's entry does it.
    MainWindow window(state, QApplication::arguments().mid(4));
    window.createDialogs();
    attachProgramDecoration(&window, ProgramWindowKind::MainWindow);
    PaintWatch watch(*window.listView());
    window.show();
    if (!watch.waitForPaint()) {
        say(QStringLiteral("error the list was not painted"));
        return 1;
    }
    say(QStringLiteral("shown %1").arg(static_cast<double>(nowNs() - launchedNs) / 1e6, 0, 'f', 1));
    say(QStringLiteral("items %1").arg(window.fileList()->itemCount()));
    say(QStringLiteral("lookups %1").arg(lookups));

    // Each sort starts from the order of the key before it.
    for (int run = 0; run < runs; ++run) {
        for (int key = 0; key < static_cast<int>(KeyNames.size()); ++key) {
            const qint64 start = nowNs();
            window.setSortKey(key);
            if (!watch.waitForPaint()) {
                say(QStringLiteral("error the list was not painted after a sort"));
                return 1;
            }
            say(QStringLiteral("sort %1 %2").arg(key).arg(msSince(start), 0, 'f', 1));
        }
    }
    return 0;
}

struct StyleFigures {
    double shownMs = -1;
    int items = -1;
    int lookups = -1;
    std::array<QList<double>, 5> sortMs;
    QString error;
};

StyleFigures startWindow(const QString& program, int style, int runs, const QStringList& files) {
    TBReg store(ProgramIdentity::SettingsProgram, ProgramIdentity::SettingsCompany);
    // A first start of the program but for the view: sorted by date, ascending.
    QFile::remove(store.storePath());
    store.Push(QStringLiteral("View"), QString::number(style));

    StyleFigures figures;
    QProcess window;
    const qint64 launched = nowNs();
    window.start(program, QStringList{WindowMode, QString::number(launched), QString::number(runs)} + files);
    if (!window.waitForFinished(300'000) || window.exitStatus() != QProcess::NormalExit) {
        figures.error = QStringLiteral("the window did not end: ") + window.errorString();
        window.kill();
        window.waitForFinished();
        return figures;
    }
    for (const QByteArray& line : window.readAllStandardOutput().split('\n')) {
        const QStringList words = QString::fromUtf8(line).split(u' ');
        if (words.first() == u"shown")
            figures.shownMs = words.value(1).toDouble();
        else if (words.first() == u"items")
            figures.items = words.value(1).toInt();
        else if (words.first() == u"lookups")
            figures.lookups = words.value(1).toInt();
        else if (words.first() == u"sort")
            figures.sortMs[words.value(1).toUInt() % 5].append(words.value(2).toDouble());
        else if (words.first() == u"error")
            figures.error = QString::fromUtf8(line);
    }
    if (window.exitCode() != 0 && figures.error.isEmpty())
        figures.error = QStringLiteral("the window failed: ") + QString::fromUtf8(window.readAllStandardError());
    return figures;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) / 2];
}

QString verdict(bool pass) {
    return pass ? QStringLiteral("PASS") : QStringLiteral("FAIL");
}

int optionValue(const QStringList& arguments, const QString& name, int fallback) {
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
}

int runBench(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid() || !usePrivateHome(home.path())) {
        say(QStringLiteral("== file list: SKIPPED, no temporary folder"));
        return 0;
    }
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int fileCount = std::max(1, optionValue(arguments, QStringLiteral("--files"), 10'000));
    const int runs = std::max(1, optionValue(arguments, QStringLiteral("--runs"), 5));

    const QStringList files = makeFiles(home.path() + QStringLiteral("/files"), fileCount);
    if (files.isEmpty()) {
        say(QStringLiteral("== file list: SKIPPED, the files could not be made"));
        return 0;
    }
    const int extensions = distinctExtensions(files);
    say(QStringLiteral("== file list: %1 files given on the command line, %2 extensions, %3 folders")
            .arg(fileCount)
            .arg(extensions)
            .arg(FolderCount));

    double worstShown = 0;
    // The sort bar reads the median of the runs of each key in each style, as the other bars
    // of bench/run.sh do; the slowest single sort is shown beside it.
    double worstSortMedian = 0;
    double slowestSort = 0;
    bool allShown = true;
    bool lookupsOnce = true;
    // The stored style of a first start (report) first, then the others.
    for (int style : {3, 2, 1, 0}) {
        const StyleFigures figures = startWindow(QCoreApplication::applicationFilePath(), style, runs, files);
        const QString label =
            QStringLiteral("  %1").arg(QLatin1String(StyleNames[static_cast<std::size_t>(style)]), -12);
        if (!figures.error.isEmpty()) {
            say(label + QStringLiteral(": ") + figures.error);
            allShown = lookupsOnce = false;
            worstSortMedian = slowestSort = 1e9;
            continue;
        }
        QString sorts;
        for (std::size_t key = 0; key < KeyNames.size(); ++key) {
            const QList<double>& times = figures.sortMs[key];
            const double worst = times.isEmpty() ? 1e9 : *std::max_element(times.begin(), times.end());
            const double middle = times.isEmpty() ? 1e9 : median(times);
            worstSortMedian = std::max(worstSortMedian, middle);
            slowestSort = std::max(slowestSort, worst);
            sorts += QStringLiteral(" %1 %2/%3")
                         .arg(QLatin1String(KeyNames[key]))
                         .arg(middle, 0, 'f', 0)
                         .arg(worst, 0, 'f', 0);
        }
        say(label + QStringLiteral(": %1 items shown %2 ms after start, %3 icon lookups")
                        .arg(figures.items)
                        .arg(figures.shownMs, 0, 'f', 0)
                        .arg(figures.lookups));
        say(QStringLiteral("    sorts (ms, median/worst of %1):%2").arg(runs).arg(sorts));
        worstShown = std::max(worstShown, figures.shownMs);
        allShown = allShown && figures.items == fileCount && figures.shownMs >= 0;
        lookupsOnce = lookupsOnce && figures.lookups == extensions;
    }
    say(QStringLiteral("  bar: all items shown within 1 s of start .... %1 (worst %2 ms)")
            .arg(verdict(allShown && worstShown <= ShownBarMs))
            .arg(worstShown, 0, 'f', 0));
    say(QStringLiteral("  bar: each sort <= 100 ms (median) ........... %1 (worst median %2 ms, slowest sort %3 ms)")
            .arg(verdict(worstSortMedian <= SortBarMs))
            .arg(worstSortMedian, 0, 'f', 0)
            .arg(slowestSort, 0, 'f', 0));
    say(QStringLiteral("  bar: one icon lookup per distinct extension . %1").arg(verdict(lookupsOnce)));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 3 && QString::fromLocal8Bit(argv[1]) == WindowMode)
        return runWindow(argc, argv);
    return runBench(argc, argv);
}
