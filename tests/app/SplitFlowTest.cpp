#include "OperationFlowFixture.h"

#include "app/frame/MainStatusBar.h"
#include "app/operations/ProgressDisplay.h"
#include "dialogs/model/SplitSettings.h"
#include "support/QStringPrinter.h"

#include <QProgressBar>
#include <cerrno>
#include <cstring>

namespace {

constexpr qint64 PresetPart = 1457664; // preset 0 of a fresh install
constexpr qint64 SourceSize = 3000000; // two full parts and a rest

} // namespace

class SplitFlow : public OperationFlowFixture {
protected:
    // A 3,000,000-byte "film.bin" as the only file of the list.
    MainWindow& windowWithSource() {
        MainWindow& window = openFlowWindow();
        m_source = patternFile(QStringLiteral("film.bin"), SourceSize);
        window.fileList()->AddFileToList(m_source);
        return window;
    }

    void split() {
        m_window->runCommand(MainCommand::Split);
        m_window->operationRunner().waitForFinished();
    }

    QString part(int number) const {
        return destinationFile(QStringLiteral("film.bin.%1").arg(number, 3, 10, QChar(u'0')));
    }
    QByteArray sourcePiece(int partNumber) const {
        return contents(m_source).mid((partNumber - 1) * PresetPart, PresetPart);
    }
    QString overwriteQuestion(int partNumber) const { return message(4) + part(partNumber) + message(5); }

    // The window is idle again: nothing running, the idle texts back.
    void expectIdle() const {
        EXPECT_FALSE(m_window->operationRunner().isRunning());
        EXPECT_FALSE(m_state.Busy);
        EXPECT_FALSE(m_window->progressDisplay().isRunning());
        EXPECT_EQ(m_window->progressBar()->value(), 0);
        EXPECT_EQ(m_window->statusBar1()->panelText(MainStatusBar::FilePanel), "1 File(s) in list");
        EXPECT_EQ(m_window->statusBar1()->panelText(MainStatusBar::PercentPanel), "");
        EXPECT_EQ(m_window->windowTitle(), "Brimvale Parcelon 1.4");
        EXPECT_TRUE(m_window->menuItem("Splitten1")->isEnabled());
        EXPECT_TRUE(openFilesIn(m_destination.path()).isEmpty());
        EXPECT_TRUE(openFilesIn(m_folder.path()).isEmpty());
    }

    QString m_source;
};

TEST_F(SplitFlow, AFileSmallerThanOnePartIsRefusedBeforeTheDestinationIsAskedFor) {
    MainWindow& window = openFlowWindow();
    window.fileList()->AddFileToList(patternFile(QStringLiteral("small.bin"), 1000));
    m_messages.answer(MessageAnswer::Ok);
    m_state.StopRequested = true; // left over from an earlier stop: the guard does not touch it

    split();

    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "File mußt be splitted in 2 or more files.\nPlease check the settings.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Brimvale Parcelon");
    EXPECT_EQ(m_messages.shown()[0].flags, MbExclamationOk);
    EXPECT_EQ(m_destinationScript.showings(), 0);
    EXPECT_TRUE(store().Pop("LastDestDir").isEmpty());
    EXPECT_TRUE(destinationNames().isEmpty());
    EXPECT_FALSE(m_state.Busy);
    EXPECT_TRUE(m_state.StopRequested);
}

TEST_F(SplitFlow, WritesThePartsAndTheBatchFileIntoTheChosenFolderAndLeavesTheCurrentFolder) {
    MainWindow& window = windowWithSource();
    // Typed without its closing "/": the parts land inside the folder all the same.
    m_destinationScript.proceedIn(m_destination.path());

    split();

    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(m_destinationScript.showings(), 1);
    EXPECT_EQ(destinationNames(), QStringList({"film.bin.001", "film.bin.002", "film.bin.003", "film.bin.bat",
                                               "film.bin.sh", "film.bin.sha256"}));
    for (int number : {1, 2, 3})
        EXPECT_EQ(contents(part(number)), sourcePiece(number)) << number;
    EXPECT_EQ(QFileInfo(part(3)).size(), SourceSize - 2 * PresetPart);
    EXPECT_TRUE(contents(destinationFile("film.bin.sh")).startsWith("#!/bin/sh\n"));
    EXPECT_EQ(m_state.PartNames, QStringList({"film.bin.001", "film.bin.002", "film.bin.003"}));

    // Both delete options are on in a fresh install; the last line has no line break.
    const QList<QByteArray> lines = contents(destinationFile("film.bin.bat")).split('\n');
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines.front(), "echo off\r");
    EXPECT_EQ(lines[3], "echo --  Brimvale Parcelon 1.4 --\r");
    EXPECT_TRUE(lines.contains("copy /b \"film.bin.001\"+\"film.bin.002\"+\"film.bin.003\" \"film.bin\"\r"));
    EXPECT_TRUE(lines.contains("del \"film.bin.003\"\r"));
    EXPECT_EQ(lines.back(), "del \"film.bin.bat\"");

    EXPECT_EQ(store().Pop("LastDestDir"), m_destination.path());
    EXPECT_EQ(QDir::currentPath(), m_startFolder);
    EXPECT_FALSE(m_state.StopRequested);
    EXPECT_EQ(contents(m_source).size(), SourceSize);
    expectIdle();
    EXPECT_EQ(window.applicationTitle(), "Brimvale Parcelon 1.4");
}

TEST_F(SplitFlow, ARelativePathCountsFromTheOfferedFolderOnce) {
    windowWithSource();
    store().Push("LastDestDir", destination());
    const QString sub = destinationFile(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(sub));
    m_destinationScript.proceedIn(QStringLiteral("sub"));

    split();

    EXPECT_EQ(QDir(sub).entryList(QDir::Files, QDir::Name),
              QStringList(
                  {"film.bin.001", "film.bin.002", "film.bin.003", "film.bin.bat", "film.bin.sh", "film.bin.sha256"}));
    EXPECT_FALSE(QFileInfo::exists(sub + QStringLiteral("/sub")));
    EXPECT_EQ(store().Pop("LastDestDir"), sub);
    EXPECT_EQ(QDir::currentPath(), m_startFolder);
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(SplitFlow, PartSizesFollowTheStoredSettingsAndTheFileChosenInTheList) {
    const struct {
        const char* name;
        SplitMode mode;
        int sizeIndex;
        const char* sizeText;
        const char* fileCount;
        qint64 sourceSize;
        QList<qint64> partSizes;
    } cases[] = {
        {"bytes, rest in the last part", SplitMode::BySize, CustomBytesIndex, "4", "2", 10, {4, 4, 2}},
        {"bytes, exact multiple gives an empty part", SplitMode::BySize, CustomBytesIndex, "4", "2", 8, {4, 4, 0}},
        {"kilobytes", SplitMode::BySize, CustomKBIndex, "1", "2", 2500, {1024, 1024, 452}},
        {"count of three", SplitMode::ByCount, 0, "", "3", 10, {3, 3, 3, 1}},
    };
    MainWindow& window = openFlowWindow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SplitSettings settings;
        settings.splitMode = c.mode;
        settings.sizeIndex = c.sizeIndex;
        settings.sizeText = c.sizeText;
        settings.fileCountText = c.fileCount;
        settings.batchFile = false;
        settings.checksumFile = false;
        SaveSettings(store(), settings);
        // A custom size is the one remembered for its unit.
        store().Push("LastIndivSizeBytes", c.sizeIndex == CustomBytesIndex ? c.sizeText : "");
        store().Push("LastIndivSizeKB", c.sizeIndex == CustomKBIndex ? c.sizeText : "");
        // Of several files the selected one is split; the others only keep it company.
        for (const QString& name : destinationNames())
            QFile::remove(destinationFile(name));
        window.fileList()->clearList();
        window.fileList()->AddFilesToList(
            {file("before.bin", 5000), patternFile("data", c.sourceSize), file("after.bin", 5000)});
        const int row = listedNames().indexOf("data");
        ASSERT_GE(row, 0);
        window.listView()->selectionModel()->select(window.fileList()->index(row, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_destinationScript.proceedIn(destination());

        split();

        EXPECT_TRUE(m_messages.shown().empty());
        QList<qint64> sizes;
        for (const QString& name : destinationNames())
            sizes.append(QFileInfo(destinationFile(name)).size());
        EXPECT_EQ(sizes, c.partSizes);
        EXPECT_EQ(m_state.PartNames.size(), c.partSizes.size());
        EXPECT_EQ(destinationNames().value(0), "data.001");
    }
}

TEST_F(SplitFlow, CancellingTheDestinationWritesNothingAndKeepsTheStoredFolder) {
    windowWithSource();
    QTemporaryDir other;
    store().Push("LastDestDir", destination());
    m_destinationScript.cancel(other.path() + u'/');
    m_state.PartNames = QStringList{"earlier.001"};
    m_state.StopRequested = true;

    split();

    EXPECT_EQ(m_destinationScript.showings(), 1);
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(store().Pop("LastDestDir"), destination());
    EXPECT_TRUE(destinationNames().isEmpty());
    EXPECT_TRUE(QDir(other.path()).isEmpty());
    EXPECT_EQ(QDir::currentPath(), m_startFolder);
    EXPECT_EQ(m_state.PartNames, QStringList{"earlier.001"});
    EXPECT_FALSE(m_state.StopRequested);
    expectIdle();
}

TEST_F(SplitFlow, OneYesOverwritesEveryExistingPartAndNoSecondOperationStartsMeanwhile) {
    MainWindow& window = windowWithSource();
    writeFile(part(1), "old first part, longer than nothing");
    writeFile(part(3), "old third part");
    m_destinationScript.proceedIn(destination());
    m_messages.answer(MessageAnswer::Yes);
    bool busyWhileAsked = false;
    m_messages.whileShown([&](const ScriptedMessages::Shown&) {
        busyWhileAsked = m_state.Busy;
        window.runCommand(MainCommand::Split); // refused while the split runs
    });

    split();

    ASSERT_EQ(shownTexts(), QStringList{overwriteQuestion(1)});
    EXPECT_EQ(m_messages.shown()[0].flags, MbExclamationYesNo);
    EXPECT_EQ(m_messages.shown()[0].caption, "Brimvale Parcelon");
    EXPECT_TRUE(busyWhileAsked);
    EXPECT_EQ(m_destinationScript.showings(), 1);
    for (int number : {1, 2, 3})
        EXPECT_EQ(contents(part(number)), sourcePiece(number)) << number;
    EXPECT_TRUE(QFileInfo::exists(destinationFile("film.bin.bat")));
    expectIdle();
}

TEST_F(SplitFlow, OverwritingAnEarlierSplitRemovesItsHigherPartsAndSaysHowMany) {
    windowWithSource();
    for (const int number : {1, 4, 5})
        writeFile(part(number), "an earlier, larger split");
    writeFile(destinationFile("film.bin.1000"), "an earlier, much larger split");
    ASSERT_TRUE(QFile::link(destinationFile("elsewhere"), part(6))); // a link is never removed
    m_destinationScript.proceedIn(destination());
    m_messages.answer(MessageAnswer::Yes);
    m_messages.answer(MessageAnswer::Ok);

    split();

    ASSERT_EQ(shownTexts(),
              QStringList({overwriteQuestion(1), "3 file(s) of an earlier split of the same file were removed."}));
    EXPECT_EQ(m_messages.shown()[1].flags, MbInformationOk);
    EXPECT_EQ(destinationNames(), QStringList({"film.bin.001", "film.bin.002", "film.bin.003", "film.bin.006",
                                               "film.bin.bat", "film.bin.sh", "film.bin.sha256"}));
    for (int number : {1, 2, 3})
        EXPECT_EQ(contents(part(number)), sourcePiece(number)) << number;
    expectIdle();
}

TEST_F(SplitFlow, NoToTheOverwriteQuestionStopsWithTheEarlierPartsKept) {
    windowWithSource();
    writeFile(part(2), "old second part");
    m_destinationScript.proceedIn(destination());
    m_messages.answer(MessageAnswer::No);
    m_messages.answer(MessageAnswer::Ok);

    split();

    ASSERT_EQ(shownTexts(), QStringList({overwriteQuestion(2), message(27)}));
    EXPECT_EQ(m_messages.shown()[1].flags, MbStopOk);
    EXPECT_EQ(contents(part(1)), sourcePiece(1));
    EXPECT_EQ(contents(part(2)), "old second part");
    EXPECT_EQ(destinationNames(), QStringList({"film.bin.001", "film.bin.002"}));
    EXPECT_EQ(m_state.PartNames, QStringList{"film.bin.001"});
    EXPECT_TRUE(m_state.StopRequested) << "set by the Stop command, cleared by the next operation";
    expectIdle();
}

TEST_F(SplitFlow, StopDuringTheCopyShowsItsBoxFirstAndKeepsWhatWasWritten) {
    MainWindow& window = windowWithSource();
    // Without hashing, the kernel copies a whole part in one chunk, so the stop comes between parts.
    store().Push("ChecksumFile", "0");
    // The question for part 2 holds the worker at a known point while Stop is pressed.
    writeFile(part(2), "old second part");
    m_destinationScript.proceedIn(destination());
    // Answers are taken as the boxes close: the stop box (opened over the question) first.
    m_messages.answer(MessageAnswer::Ok);
    m_messages.answer(MessageAnswer::Yes);
    QString fileWhileCopying;
    QString captionWhileCopying;
    bool busyWhileStopBox = true;
    bool displayWhileStopBox = true;
    bool runningWhileStopBox = false;
    bool secondPartWrittenWhileStopBox = true;
    m_messages.whileShown([&](const ScriptedMessages::Shown& box) {
        if (box.text == overwriteQuestion(2)) {
            fileWhileCopying = window.statusBar1()->panelText(MainStatusBar::FilePanel);
            window.progressDisplay().tick();
            captionWhileCopying = window.windowTitle();
            window.runCommand(MainCommand::Stop);
        } else {
            busyWhileStopBox = m_state.Busy;
            displayWhileStopBox = window.progressDisplay().isRunning();
            runningWhileStopBox = window.operationRunner().isRunning();
            secondPartWrittenWhileStopBox = contents(part(2)) != "old second part";
        }
    });

    split();

    ASSERT_EQ(shownTexts(), QStringList({overwriteQuestion(2), message(27)}));
    EXPECT_EQ(fileWhileCopying, "film.bin.001");
    EXPECT_EQ(captionWhileCopying, "Brimvale Parcelon 1.4 - 48%");
    EXPECT_FALSE(busyWhileStopBox);
    EXPECT_FALSE(displayWhileStopBox);
    EXPECT_TRUE(runningWhileStopBox);
    EXPECT_FALSE(secondPartWrittenWhileStopBox);
    // The worker went on to its next chunk boundary only after the box had closed.
    EXPECT_EQ(contents(part(1)), sourcePiece(1));
    EXPECT_EQ(contents(part(2)), sourcePiece(2));
    EXPECT_EQ(destinationNames(), QStringList({"film.bin.001", "film.bin.002"}));
    EXPECT_EQ(m_state.PartNames, QStringList({"film.bin.001", "film.bin.002"}));
    EXPECT_FALSE(m_state.StopRequested) << "the split took the request over";
    expectIdle();
}

TEST_F(SplitFlow, AWriteErrorIsReportedWithTheSystemsReasonAndEndsThroughStop) {
    windowWithSource();
    ASSERT_TRUE(QFile::link("/dev/full", part(2)));
    m_destinationScript.proceedIn(destination());
    m_messages.answer(MessageAnswer::Yes); // overwrite the existing part 2
    m_messages.answer(MessageAnswer::Ok);
    m_messages.answer(MessageAnswer::Ok);

    split();

    ASSERT_EQ(shownTexts(),
              QStringList({overwriteQuestion(2),
                           message(32) + "\n\n" + part(2) + ": " + QString::fromLocal8Bit(std::strerror(ENOSPC)),
                           message(27)}));
    EXPECT_EQ(m_messages.shown()[1].flags, MbExclamationOk);
    EXPECT_EQ(m_messages.shown()[2].flags, MbStopOk);
    EXPECT_EQ(contents(part(1)), sourcePiece(1));
    EXPECT_EQ(QFileInfo(part(2)).symLinkTarget(), "/dev/full");
    EXPECT_EQ(destinationNames(), QStringList({"film.bin.001", "film.bin.002"}));
    EXPECT_EQ(m_state.PartNames, QStringList({"film.bin.001", "film.bin.002"}));
    EXPECT_TRUE(m_state.StopRequested);
    expectIdle();
}

TEST_F(SplitFlow, ASourceGoneSinceItWasListedIsReportedByNameAndNothingIsWritten) {
    windowWithSource();
    ASSERT_TRUE(QFile::remove(m_source));
    m_destinationScript.proceedIn(destination());
    m_messages.answer(MessageAnswer::Ok);
    m_messages.answer(MessageAnswer::Ok);

    split();

    ASSERT_EQ(shownTexts(), QStringList({QStringLiteral("The file '%1' could not be read:\n%2")
                                             .arg(m_source, QString::fromLocal8Bit(std::strerror(ENOENT))),
                                         message(27)}));
    EXPECT_TRUE(destinationNames().isEmpty());
    EXPECT_TRUE(m_state.PartNames.isEmpty());
    expectIdle();
}

TEST_F(SplitFlow, ClosingTheWindowEndsTheSplitWithItsFilesClosedAndKept) {
    MainWindow& window = windowWithSource();
    m_destinationScript.proceedIn(destination());
    // The worker waits after its first chunk, which is the whole first part when nothing is hashed.
    store().Push("ChecksumFile", "0");
    window.operationRunner().hold();
    window.runCommand(MainCommand::Split);
    ASSERT_TRUE(window.operationRunner().isRunning());

    window.close();

    EXPECT_FALSE(window.operationRunner().isRunning());
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_TRUE(openFilesIn(m_destination.path()).isEmpty());
    EXPECT_TRUE(openFilesIn(m_folder.path()).isEmpty());
    EXPECT_EQ(destinationNames(), QStringList{"film.bin.001"});
    EXPECT_EQ(contents(part(1)), sourcePiece(1));
    EXPECT_TRUE(m_state.PartNames.isEmpty());
}
