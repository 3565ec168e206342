#pragma once

#include "app/operations/OperationQuestions.h"
#include "engine/OperationHost.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Runs one engine operation at a time on a worker thread, so the window keeps painting while the
// disk works. The worker reaches the user only through OperationQuestions, whose calls are carried
// over to the UI thread while the worker waits for the answer.
class OperationRunner : public QObject, private OperationHost {
    Q_OBJECT
public:
    OperationRunner(std::atomic<std::int64_t>& byteCounter, std::atomic<bool>& stopRequested,
                    OperationQuestions& questions, QObject* parent = nullptr);
    ~OperationRunner() override;

    bool isRunning() const { return m_running.load(); }

    // Runs `job` on the worker; `finished` then runs on the UI thread. A previous worker that is
    // still closing its files after a stop is waited for first.
    template <class Result>
    void start(std::function<Result(OperationHost&)> job, std::function<void(const Result&)> finished) {
        auto result = std::make_shared<Result>();
        startJob([this, job = std::move(job), result] { *result = job(*this); },
                 [finished = std::move(finished), result] { finished(*result); });
    }

    // The host for the steps before the copy, on the UI thread: its questions are asked directly.
    OperationHost& uiThreadHost() { return *this; }

    // While held, the worker waits at its next chunk boundary (the Stop box is open).
    void hold();
    void release();

    // Ends a running operation as fast as possible without asking anything (the window closes):
    // requests the stop, answers every pending and later question negatively, and waits for the
    // worker. The operation's finished callback is not run.
    void abandon();

    // Processes events until the worker has ended and its finished callback has run.
    void waitForFinished();

signals:
    void operationFinished();

private:
    void startJob(std::function<void()> work, std::function<void()> finished);
    void joinWorker();
    template <class T>
    T askOnUiThread(std::function<T()> question, T answerWhenAbandoned);
    // UI thread: shows the file the worker reported last, then looks again after a pause, so that
    // thousands of small parts wake the UI thread a few times a second and not once per part.
    void showLatestFile();
    // UI thread: shows the file reported last if it has not been shown yet; true when it showed one.
    bool showPendingFile();

    std::atomic<std::int64_t>& byteCounter() override { return m_byteCounter; }
    bool stopRequested() override;
    void currentFile(const std::string& text) override;
    bool confirmOverwrite(const std::string& path) override;
    void partMissing(const std::string& path) override;
    ExistingOutputChoice existingOutput(const std::string& path) override;
    std::optional<std::string> newOutputName(const std::string& currentName) override;

    std::atomic<std::int64_t>& m_byteCounter;
    std::atomic<bool>& m_stopRequested;
    OperationQuestions& m_questions;

    std::thread m_worker;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_abandoned{false};
    std::mutex m_fileMutex;
    std::optional<std::string> m_pendingFile; // reported by the worker, not yet shown
    bool m_fileShowing = false;               // an update is queued or pausing
    std::mutex m_holdMutex;
    std::condition_variable m_holdChanged;
    bool m_held = false;
};
