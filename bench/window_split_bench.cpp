// Splits one file from the main window, with every dialog and box answered by a script, and
// watches the UI thread while the worker copies: a 10 ms timer on it must keep ticking. Runs
// `parcelon split` of the same file in turn, so both meet the same cache and the same disk.
//
//   window_split_bench SOURCE FOLDER PARCELON RUNS
//
// Both split with the settings of the store under HOME, which the caller makes private and
// leaves empty: a fresh install's parts of 1457664 bytes, many parts and many status updates.
// Prints one figure per line: "window_ms" and "parcelon_ms" (medians of RUNS timed runs after one
// warm-up each), "ratio" (median of window / tool over the runs, each pair run back to back),
// "max_gap_ms" (largest gap between ticks over all window runs), "max_gap_ui_cpu_ms" (how much of
// that gap the UI thread ran; the rest it waited for a processor), "boxes" (message
// boxes the split showed; any is a fault), "parts_ok" (1 when every window run wrote the parts
// the tool wrote).
#include "app/MainWindow.h"
#include "app/ProgramDialogs.h"
#include "app/list/ProgramState.h"
#include "app/operations/OperationRunner.h"
#include "components/MessageService.h"
#include "components/TEnhancedFormProgram.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// A box during the split is a fault of the run; it is counted and answered so the run ends.
class CountingMessages : public MessageService {
public:
    MessageAnswer showMessage(const QString& text, const QString&, int) override {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
        ++shown;
        return MessageAnswer::No;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        ++shown;
        return std::nullopt;
    }
    int shown = 0;
};

// Presses Weiter on the destination dialog once it shows, with `folder` in its path field, and
// starts the clock at that moment: from there on the split is the window's.
class DestinationAnswer : public QObject {
public:
    DestinationAnswer(DestinationDialog& dialog, QString folder, QElapsedTimer& clock)
        : m_folder(std::move(folder))
        , m_clock(clock) {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = static_cast<DestinationDialog*>(watched);
            QTimer::singleShot(0, dialog, [this, dialog] {
                dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(m_folder);
                dialog->Timer1Timer();
                m_clock.start();
                dialog->findChild<QToolButton*>(QStringLiteral("BitBtn1"))->click();
                if (dialog->isVisible())
                    dialog->reject();
            });
        }
        return false;
    }

private:
    QString m_folder;
    QElapsedTimer& m_clock;
};

void emptyFolder(const QString& folder) {
    QDir dir(folder);
    dir.removeRecursively();
    QDir().mkpath(folder);
}

QStringList partSizes(const QString& folder) {
    QStringList sizes;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        sizes.append(file.fileName() + u'=' + QString::number(file.size()));
    return sizes;
}

qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64{now.tv_sec} * 1000000000 + now.tv_nsec;
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? T{} : values[(values.size() - 1) / 2];
}

} // namespace

int main(int argc, char** argv) {
    ProgramState state;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: window_split_bench SOURCE FOLDER PARCELON RUNS\n");
        return 2;
    }
    const QString source = args[1];
    const QString windowFolder = args[2] + QStringLiteral("/window/");
    const QString toolFolder = args[2] + QStringLiteral("/tool/");
    const QString parcelon = args[3];
    const int runs = std::max(1, args[4].toInt());

    CountingMessages messages;
    MessageService::setCurrent(&messages);
    MainWindow window(state, {source});
    window.createDialogs();
    attachProgramDecoration(&window, ProgramWindowKind::MainWindow);
    window.show();

    QElapsedTimer splitClock;
    DestinationAnswer answer(window.dialogs()->destination, windowFolder, splitClock);

    // The UI thread's pulse: the largest gap between two ticks while the worker copies, and how
    // much of it the UI thread itself ran (the rest it waited for a processor).
    QElapsedTimer pulseClock;
    qint64 lastTick = 0;
    qint64 lastTickCpu = 0;
    qint64 maxGapNs = 0;
    qint64 maxGapCpuNs = 0;
    bool watching = false;
    const auto noteGap = [&] {
        const qint64 now = pulseClock.nsecsElapsed();
        const qint64 cpu = threadCpuNs();
        if (watching && now - lastTick > maxGapNs) {
            maxGapNs = now - lastTick;
            maxGapCpuNs = cpu - lastTickCpu;
        }
        lastTick = now;
        lastTickCpu = cpu;
    };
    QTimer pulse;
    pulse.setTimerType(Qt::PreciseTimer);
    pulse.setInterval(10);
    QObject::connect(&pulse, &QTimer::timeout, noteGap);
    pulseClock.start();
    lastTickCpu = threadCpuNs();
    pulse.start();

    std::vector<qint64> windowMs;
    std::vector<qint64> toolMs;
    // Each window run is compared with the tool run next to it, which met the same load.
    std::vector<double> ratios;
    bool partsOk = true;
    for (int run = 0; run <= runs; ++run) {
        emptyFolder(windowFolder);
        window.runCommand(MainCommand::Split);
        watching = true;
        window.operationRunner().waitForFinished();
        const qint64 splitTime = splitClock.elapsed();
        noteGap(); // the gap up to the end counts too
        watching = false;

        emptyFolder(toolFolder);
        QElapsedTimer toolClock;
        toolClock.start();
        const int exitCode = QProcess::execute(parcelon, {QStringLiteral("split"), source, QStringLiteral("-d"),
                                                          toolFolder, QStringLiteral("-y"), QStringLiteral("-q")});
        const qint64 toolTime = toolClock.elapsed();
        if (exitCode != 0) {
            std::fprintf(stderr, "parcelon split ended with %d\n", exitCode);
            partsOk = false;
        }
        partsOk = partsOk && partSizes(windowFolder) == partSizes(toolFolder) && !partSizes(windowFolder).isEmpty();
        if (run > 0) { // the first run of each warms up
            windowMs.push_back(splitTime);
            toolMs.push_back(toolTime);
            ratios.push_back(static_cast<double>(splitTime) / static_cast<double>(std::max<qint64>(1, toolTime)));
        }
    }
    emptyFolder(windowFolder);
    emptyFolder(toolFolder);
    MessageService::setCurrent(nullptr);

    std::printf("window_ms %lld\n", static_cast<long long>(median(windowMs)));
    std::printf("parcelon_ms %lld\n", static_cast<long long>(median(toolMs)));
    std::printf("ratio %.3f\n", median(ratios));
    std::printf("max_gap_ms %.1f\n", static_cast<double>(maxGapNs) / 1e6);
    std::printf("max_gap_ui_cpu_ms %.1f\n", static_cast<double>(maxGapCpuNs) / 1e6);
    std::printf("boxes %d\n", messages.shown);
    std::printf("parts_ok %d\n", partsOk ? 1 : 0);
    return 0;
}
