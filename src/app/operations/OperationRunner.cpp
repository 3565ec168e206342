#include "app/operations/OperationRunner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

namespace {
// How long the status line keeps a file before it shows the next one the worker reached.
constexpr int FileShowPauseMs = 50;
} // namespace

OperationRunner::OperationRunner(std::atomic<std::int64_t>& byteCounter, std::atomic<bool>& stopRequested,
                                 OperationQuestions& questions, QObject* parent)
    : QObject(parent)
    , m_byteCounter(byteCounter)
    , m_stopRequested(stopRequested)
    , m_questions(questions) {}

OperationRunner::~OperationRunner() {
    abandon();
}

void OperationRunner::startJob(std::function<void()> work, std::function<void()> finished) {
    // A stopped worker closes its files within one chunk; the next operation starts after that.
    waitForFinished();
    // A stop pressed after the last operation had ended is stale; it must not end this one.
    m_stopRequested = false;
    m_abandoned = false;
    m_running = true;
    m_worker = std::thread([this, work = std::move(work), finished = std::move(finished)]() mutable {
        work();
        QMetaObject::invokeMethod(
            this,
            [this, finished = std::move(finished)] {
                joinWorker();
                m_running = false;
                {
                    // A file reported just before the end is not shown after it.
                    std::lock_guard lock(m_fileMutex);
                    m_pendingFile.reset();
                }
                if (!m_abandoned)
                    finished();
                emit operationFinished();
            },
            Qt::QueuedConnection);
    });
}

void OperationRunner::joinWorker() {
    if (m_worker.joinable())
        m_worker.join();
}

void OperationRunner::hold() {
    std::lock_guard lock(m_holdMutex);
    m_held = true;
}

void OperationRunner::release() {
    {
        std::lock_guard lock(m_holdMutex);
        m_held = false;
    }
    m_holdChanged.notify_all();
}

void OperationRunner::abandon() {
    if (!m_running)
        return;
    m_abandoned = true;
    m_stopRequested = true;
    release();
    waitForFinished();
}

void OperationRunner::waitForFinished() {
    if (!m_running)
        return;
    QEventLoop loop;
    connect(this, &OperationRunner::operationFinished, &loop, &QEventLoop::quit);
    if (m_running)
        loop.exec();
}

bool OperationRunner::stopRequested() {
    {
        std::unique_lock lock(m_holdMutex);
        m_holdChanged.wait(lock, [this] { return !m_held; });
    }
    // The engine takes the request over, so the next operation does not see it.
    return m_stopRequested.exchange(false);
}

template <class T>
T OperationRunner::askOnUiThread(std::function<T()> question, T answerWhenAbandoned) {
    if (m_abandoned)
        return answerWhenAbandoned;
    if (QThread::currentThread() == thread())
        return question();
    T answer = answerWhenAbandoned;
    QMetaObject::invokeMethod(
        this,
        [&] {
            if (m_abandoned)
                return;
            showPendingFile(); // the question is about the file the status line names
            answer = question();
        },
        Qt::BlockingQueuedConnection);
    return answer;
}

void OperationRunner::currentFile(const std::string& text) {
    std::lock_guard lock(m_fileMutex);
    m_pendingFile = text;
    if (m_fileShowing)
        return; // the update under way shows it
    m_fileShowing = true;
    QMetaObject::invokeMethod(this, &OperationRunner::showLatestFile, Qt::QueuedConnection);
}

bool OperationRunner::showPendingFile() {
    std::optional<std::string> text;
    {
        std::lock_guard lock(m_fileMutex);
        text.swap(m_pendingFile);
        // With nothing new, the worker's next report queues an update of its own.
        m_fileShowing = text.has_value();
    }
    if (text)
        m_questions.showCurrentFile(QString::fromStdString(*text));
    return text.has_value();
}

void OperationRunner::showLatestFile() {
    if (showPendingFile())
        QTimer::singleShot(FileShowPauseMs, this, &OperationRunner::showLatestFile);
}

bool OperationRunner::confirmOverwrite(const std::string& path) {
    const QString shown = QString::fromStdString(path);
    return askOnUiThread<bool>([&] { return m_questions.confirmOverwrite(shown); }, false);
}

void OperationRunner::partMissing(const std::string& path) {
    const QString shown = QString::fromStdString(path);
    askOnUiThread<bool>(
        [&] {
            m_questions.reportMissingPart(shown);
            return true;
        },
        true);
}

ExistingOutputChoice OperationRunner::existingOutput(const std::string& path) {
    const QString shown = QString::fromStdString(path);
    return askOnUiThread<ExistingOutputChoice>([&] { return m_questions.existingOutput(shown); },
                                               ExistingOutputChoice::Cancel);
}

std::optional<std::string> OperationRunner::newOutputName(const std::string& currentName) {
    const QString shown = QString::fromStdString(currentName);
    return askOnUiThread<std::optional<std::string>>(
        [&]() -> std::optional<std::string> {
            const std::optional<QString> name = m_questions.newOutputName(shown);
            if (!name)
                return std::nullopt;
            return name->toStdString();
        },
        std::nullopt);
}
