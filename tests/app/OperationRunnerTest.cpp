#include "app/operations/OperationRunner.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

class RecordingQuestions : public OperationQuestions {
public:
    std::vector<QString> log;
    bool overwriteAnswer = true;
    Qt::HANDLE askedOn = nullptr;

    void showCurrentFile(const QString& text) override { log.push_back("file " + text); }
    bool confirmOverwrite(const QString& path) override {
        askedOn = QThread::currentThreadId();
        log.push_back("overwrite " + path);
        return overwriteAnswer;
    }
    void reportMissingPart(const QString& path) override { log.push_back("missing " + path); }
    ExistingOutputChoice existingOutput(const QString& path) override {
        log.push_back("exists " + path);
        return ExistingOutputChoice::Rename;
    }
    std::optional<QString> newOutputName(const QString& currentName) override {
        log.push_back("rename " + currentName);
        return std::nullopt;
    }
};

struct Fixture {
    std::atomic<std::int64_t> counter{0};
    std::atomic<bool> stop{false};
    RecordingQuestions questions;
    OperationRunner runner{counter, stop, questions};
};

} // namespace

TEST(OperationRunner, QuestionsAreAnsweredOnTheUiThreadAndTheResultComesBackThere) {
    Fixture f;
    Qt::HANDLE workerThread = nullptr;
    Qt::HANDLE finishedOn = nullptr;
    std::vector<std::string> answers;
    f.runner.start<int>(
        [&](OperationHost& host) {
            workerThread = QThread::currentThreadId();
            host.currentFile("a.001");
            answers.push_back(host.confirmOverwrite("/x/a.001") ? "yes" : "no");
            host.partMissing("/x/a.002");
            answers.push_back(host.existingOutput("/x/a") == ExistingOutputChoice::Rename ? "rename" : "?");
            answers.push_back(host.newOutputName("a").value_or("<cancelled>"));
            host.byteCounter() += 42;
            return 7;
        },
        [&](const int& result) {
            finishedOn = QThread::currentThreadId();
            EXPECT_EQ(result, 7);
        });
    EXPECT_TRUE(f.runner.isRunning());
    f.runner.waitForFinished();

    EXPECT_FALSE(f.runner.isRunning());
    EXPECT_NE(workerThread, QThread::currentThreadId());
    EXPECT_EQ(f.questions.askedOn, QThread::currentThreadId());
    EXPECT_EQ(finishedOn, QThread::currentThreadId());
    EXPECT_EQ(answers, (std::vector<std::string>{"yes", "rename", "<cancelled>"}));
    EXPECT_EQ(f.questions.log, (std::vector<QString>{"file a.001", "overwrite /x/a.001", "missing /x/a.002",
                                                     "exists /x/a", "rename a"}));
    EXPECT_EQ(f.counter.load(), 42);
}

TEST(OperationRunner, HeldWorkerWaitsAtItsNextCheckAndThenTakesTheStopRequestOver) {
    Fixture f;
    std::atomic<int> chunks{0};
    std::atomic<bool> sawStop{false};
    f.runner.hold();
    f.runner.start<bool>(
        [&](OperationHost& host) {
            while (!host.stopRequested())
                ++chunks;
            sawStop = true;
            return true;
        },
        [](const bool&) {});
    QThread::msleep(50); // the worker is parked at its first check
    EXPECT_EQ(chunks.load(), 0);
    f.stop = true;
    f.runner.release();
    f.runner.waitForFinished();
    EXPECT_TRUE(sawStop.load());
    EXPECT_EQ(chunks.load(), 0);
    EXPECT_FALSE(f.stop.load()) << "the engine took the request over";
}

TEST(OperationRunner, AbandonEndsTheWorkerWithoutAskingAndWithoutTheFinishedStep) {
    Fixture f;
    bool finishedRan = false;
    std::atomic<bool> overwriteAnswer{true};
    f.runner.hold();
    f.runner.start<int>(
        [&](OperationHost& host) {
            host.stopRequested();
            overwriteAnswer = host.confirmOverwrite("/x/a.001");
            return 0;
        },
        [&](const int&) { finishedRan = true; });
    f.runner.abandon();
    EXPECT_FALSE(f.runner.isRunning());
    EXPECT_FALSE(overwriteAnswer.load());
    EXPECT_FALSE(finishedRan);
    EXPECT_TRUE(f.questions.log.empty());
}

TEST(OperationRunner, NextOperationStartsOnlyAfterThePreviousWorkerEnded) {
    Fixture f;
    std::vector<int> order;
    f.runner.start<int>(
        [&](OperationHost&) {
            QThread::msleep(30);
            return 1;
        },
        [&](const int& r) { order.push_back(r); });
    f.runner.start<int>([&](OperationHost&) { return 2; }, [&](const int& r) { order.push_back(r); });
    f.runner.waitForFinished();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(OperationRunner, ManyFilesInARowAreShownAsTheLatestWithoutOneUpdatePerFile) {
    Fixture f;
    f.runner.start<int>(
        [&](OperationHost& host) {
            for (int part = 1; part <= 2000; ++part)
                host.currentFile("a." + std::to_string(part));
            host.confirmOverwrite("/x/a.2001");
            return 0;
        },
        [](const int&) {});
    f.runner.waitForFinished();

    const auto shown = std::count_if(f.questions.log.begin(), f.questions.log.end(),
                                     [](const QString& entry) { return entry.startsWith("file "); });
    EXPECT_LT(shown, 1000);
    ASSERT_GE(f.questions.log.size(), 2u);
    // The question comes with the status line naming the file reported last.
    EXPECT_EQ(f.questions.log[f.questions.log.size() - 2], "file a.2000");
    EXPECT_EQ(f.questions.log.back(), "overwrite /x/a.2001");
}
