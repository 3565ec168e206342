#include "DialogFlowFixture.h"

#include "components/core/OperationTexts.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/ChecksumFile.h"
#include "engine/Sha256.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray First("AAAA");
const QByteArray Second("BBBBBB");
const QByteArray Third("CCCCCCCCC");

QStringList itemsOf(QDialog& dialog) {
    QStringList texts;
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

std::string digestOf(const QByteArray& bytes) {
    Sha256 hash;
    hash.update(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return hash.hexDigest();
}

} // namespace

class JoinFlow : public DialogFlowFixture {
protected:
    void setJoinSettings(JoinOrderPolicy policy, bool deleteParts = false) {
        SplitSettings settings = LoadSettings(store());
        settings.joinOrder = policy;
        settings.deleteSplitFiles = deleteParts;
        SaveSettings(store(), settings);
    }

    // movie.avi.001 to .003, listed in the given order of their numbers.
    void listParts(std::initializer_list<int> numbers) {
        const QByteArray contents[] = {First, Second, Third};
        QStringList paths;
        for (const int number : numbers)
            paths.append(sourceFile(QStringLiteral("movie.avi.00%1").arg(number), contents[number - 1]));
        list(paths);
    }

    QString part(int number) const {
        return QDir(m_folder.path()).filePath(QStringLiteral("movie.avi.00%1").arg(number));
    }

    // Proceeds in the join order dialog after checking what it shows.
    void expectOrderDialog(const QStringList& items, const QString& proposedName) {
        m_dialogs.then(QStringLiteral("Form3"), [=](QDialog& dialog) {
            EXPECT_EQ(itemsOf(dialog), items);
            EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), proposedName);
            clickButton(dialog, "SpeedButton3");
        });
    }
};

TEST_F(JoinFlow, PartsListedOutOfOrderAreJoinedByNumberWithoutAQuestion) {
    listParts({3, 1, 2});
    proceedInOfferedFolder();
    press("ToolButton2");

    EXPECT_EQ(m_destinationScript.showings(), 1);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second + Third);
    EXPECT_EQ(m_state.JoinList, (QStringList{part(1), part(2), part(3)}));
    EXPECT_EQ(contents(part(2)), Second); // no part is touched without the delete option
    EXPECT_EQ(m_state.ByteCounter.load(), First.size() + Second.size() + Third.size() + 3);
    expectIdle();
}

TEST_F(JoinFlow, AlwaysAskShowsThePartsInNumberOrderAndProposesTheOriginalName) {
    setJoinSettings(JoinOrderPolicy::AlwaysAsk);
    listParts({2, 3, 1});
    proceedInOfferedFolder();
    expectOrderDialog({part(1), part(2), part(3)}, "movie.avi");
    trigger("Zusammenfhren1");

    EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second + Third);
    expectIdle();
}

TEST_F(JoinFlow, AForeignFileMakesTheOrderUnclear) {
    const QByteArray readme("readme");
    const QString readmePath = sourceFile("readme.txt", readme);
    const QStringList listed{sourceFile("movie.avi.002", Second), readmePath, sourceFile("movie.avi.001", First),
                             sourceFile("movie.avi.003", Third)};
    list(listed);
    const struct {
        JoinOrderPolicy policy;
        bool dialog;
        QByteArray joined;
    } cases[] = {
        // The dialog shows every file in list order; proceeding joins them so.
        {JoinOrderPolicy::AskWhenUnclear, true, Second + readme + First + Third},
        // Never asking joins the recognised parts only, by number.
        {JoinOrderPolicy::NeverAsk, false, First + Second + Third},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.policy));
        QFile::remove(destinationFile("movie.avi"));
        setJoinSettings(c.policy);
        proceedInOfferedFolder();
        if (c.dialog)
            expectOrderDialog(listed, "movie.avi");
        press("ToolButton2");

        EXPECT_EQ(contents(destinationFile("movie.avi")), c.joined);
        EXPECT_TRUE(m_messages.shown().empty());
        expectIdle();
    }
}

TEST_F(JoinFlow, CancellingADialogEndsTheJoinWithoutAMessage) {
    listParts({1, 2});
    const struct {
        const char* name;
        bool orderDialog;
    } cases[] = {{"destination", false}, {"order", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setJoinSettings(c.orderDialog ? JoinOrderPolicy::AlwaysAsk : JoinOrderPolicy::AskWhenUnclear);
        if (c.orderDialog) {
            proceedInOfferedFolder();
            m_dialogs.then("Form3", [](QDialog& dialog) { clickButton(dialog, "SpeedButton4"); });
        } else {
            m_destinationScript.cancel();
        }
        press("ToolButton2");

        EXPECT_TRUE(destinationNames().isEmpty());
        EXPECT_TRUE(m_messages.shown().empty());
        EXPECT_FALSE(m_state.StopRequested.load());
        expectIdle();
    }
}

TEST_F(JoinFlow, AnExistingOutputIsRenamedOverwrittenOrKeptAsTheUserAnswers) {
    listParts({1, 2, 3});
    const QByteArray joined = First + Second + Third;
    const QByteArray old("old");
    struct Step {
        MessageAnswer answer;
        std::optional<QString> newName; // the name box's answer after Yes
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        QString output; // the joined file; empty when nothing is joined
    } cases[] = {
        {"overwrite", {{MessageAnswer::No, {}}}, "movie.avi"},
        {"cancel", {{MessageAnswer::Cancel, {}}}, ""},
        {"rename to a free name", {{MessageAnswer::Yes, "other.bin"}}, "other.bin"},
        // A new name that exists too is asked about again, each time with all three answers.
        {"rename twice", {{MessageAnswer::Yes, "taken.bin"}, {MessageAnswer::Yes, "free.bin"}}, "free.bin"},
        {"rename, then overwrite", {{MessageAnswer::Yes, "taken.bin"}, {MessageAnswer::No, {}}}, "taken.bin"},
        {"rename, then cancel", {{MessageAnswer::Yes, "taken.bin"}, {MessageAnswer::Cancel, {}}}, ""},
        // A cancelled name box stops the join; nothing is overwritten.
        {"name box cancelled", {{MessageAnswer::Yes, std::nullopt}}, ""},
        {"empty name", {{MessageAnswer::Yes, ""}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        emptyDestination();
        writeFile(destinationFile("movie.avi"), old);
        writeFile(destinationFile("taken.bin"), old);
        const std::size_t before = m_messages.shown().size();
        QStringList expectedQuestions;
        QString asked = "movie.avi";
        for (const Step& step : c.steps) {
            expectedQuestions.append(message(4) + destinationFile(asked) + message(21));
            m_messages.answer(step.answer);
            if (step.answer == MessageAnswer::Yes) {
                expectedQuestions.append(message(23) + '|' + asked);
                m_messages.answerInput(step.newName);
                asked = step.newName.value_or(QString());
            }
        }
        if (c.output.isEmpty()) {
            expectedQuestions.append(message(27));
            m_messages.answer(MessageAnswer::Ok);
        }
        proceedInOfferedFolder();
        press("ToolButton2");

        QStringList shown;
        for (std::size_t index = before; index < m_messages.shown().size(); ++index) {
            const ScriptedMessages::Shown& box = m_messages.shown()[index];
            shown.append(box.text);
            if (box.isInput)
                EXPECT_EQ(box.caption, message(22));
            else
                EXPECT_EQ(box.flags, box.text == message(27) ? MbStopOk : MbExclamationYesNoCancel);
        }
        EXPECT_EQ(shown, expectedQuestions);
        EXPECT_TRUE(m_messages.allAnswersUsed());
        for (const char* name : {"movie.avi", "taken.bin", "other.bin", "free.bin"}) {
            const QString path = destinationFile(name);
            if (name == c.output) {
                EXPECT_EQ(contents(path), joined) << name;
            } else if (QFile::exists(path)) {
                EXPECT_EQ(contents(path), old) << name;
            }
        }
        EXPECT_EQ(destinationNames().size(), 2 + (c.output == "other.bin" || c.output == "free.bin"));
        expectIdle();
    }
}

TEST_F(JoinFlow, ANewNameWithAFolderIsRefusedAndAskedForAgain) {
    listParts({1, 2, 3});
    writeFile(destinationFile("movie.avi"), "old");
    m_messages.answer(MessageAnswer::Yes);
    m_messages.answerInput(QStringLiteral("../escaped.bin"));
    m_messages.answer(MessageAnswer::Ok);
    m_messages.answerInput(QStringLiteral("inside.bin"));
    proceedInOfferedFolder();
    press("ToolButton2");

    const QString refusal =
        OperationTextById(OperationText::NameWithFolder, window().languageCode()).arg("../escaped.bin");
    EXPECT_EQ(shownTexts(), (QStringList{message(4) + destinationFile("movie.avi") + message(21),
                                         message(23) + "|movie.avi", refusal, message(23) + "|movie.avi"}));
    EXPECT_EQ(contents(destinationFile("inside.bin")), First + Second + Third);
    EXPECT_FALSE(QFile::exists(QDir(m_destination.path()).filePath("../escaped.bin")));
    expectIdle();
}

TEST_F(JoinFlow, AMissingPartIsReportedAndSkippedWhileTheJoinGoesOn) {
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german);
        window().fileList()->clearList();
        german ? window().switchToGerman() : window().switchToEnglish();
        QFile::remove(destinationFile("movie.avi"));
        listParts({1, 2, 3});
        QFile::remove(part(2));
        const std::size_t before = m_messages.shown().size();
        QString panelWhileShown;
        m_messages.whileShown([&](const ScriptedMessages::Shown&) { panelWhileShown = panelText(); });
        m_messages.answer(MessageAnswer::Ok);
        proceedInOfferedFolder();
        press("ToolButton2");

        ASSERT_EQ(m_messages.shown().size(), before + 1);
        const ScriptedMessages::Shown& box = m_messages.shown().back();
        EXPECT_EQ(box.text, message(24) + part(2) + message(25));
        EXPECT_EQ(box.caption, german ? "Fehler" : "Error");
        EXPECT_EQ(box.flags, MbStopOk);
        EXPECT_EQ(panelWhileShown, "movie.avi.002");
        EXPECT_EQ(contents(destinationFile("movie.avi")), First + Third);
        expectIdle();
        m_messages.whileShown({});
    }
}

TEST_F(JoinFlow, StopInTheSecondPartKeepsWhatIsJoinedAndTheSameJoinResumesIt) {
    setJoinSettings(JoinOrderPolicy::AskWhenUnclear, true);
    // The second part is a pipe, so the join waits inside it for as long as the test wants.
    const QString secondPath = part(2);
    ASSERT_EQ(::mkfifo(secondPath.toLocal8Bit().constData(), 0600), 0);
    const int pipe = ::open(secondPath.toLocal8Bit().constData(), O_RDWR);
    ASSERT_GE(pipe, 0);
    const QByteArray begun("bbb");
    ASSERT_EQ(::write(pipe, begun.constData(), begun.size()), begun.size());
    list({sourceFile("movie.avi.001", First), secondPath, sourceFile("movie.avi.003", Third)});

    proceedInOfferedFolder();
    window().toolButton("ToolButton2")->click();
    ASSERT_TRUE(m_state.Busy.load());
    // The first part, its end, and what the pipe held so far.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_state.ByteCounter.load() == First.size() + 1 + begun.size(); }));
    m_messages.answer(MessageAnswer::Ok);
    window().toolButton("ToolButton6")->click();
    // One more byte lets a join that was waiting in the pipe see the stop.
    ASSERT_EQ(::write(pipe, "b", 1), 1);
    m_messages.answer(MessageAnswer::Ok);
    window().operationRunner().waitForFinished();
    ::close(pipe);

    // After the Stop box: the part that now lives only in the output, and how to go on.
    ASSERT_GE(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown().end()[-2].text, message(27));
    EXPECT_EQ(m_messages.shown().back().text,
              QStringLiteral("These parts have been deleted already; their bytes are now only in '%1':\n%2\n"
                             "Repeat the same join with the same parts to resume it.")
                  .arg(destinationFile("movie.avi"), part(1)));
    const QByteArray output = contents(destinationFile("movie.avi"));
    EXPECT_TRUE(output == First + begun || output == First + begun + "b") << output.toStdString();
    EXPECT_FALSE(QFile::exists(part(1)));
    EXPECT_TRUE(QFileInfo::exists(secondPath));
    EXPECT_EQ(contents(part(3)), Third);
    expectIdle();

    // The same join again: it goes on after the deleted part, reading the pipe anew, and says so.
    std::thread writer([&] {
        const QByteArray path = secondPath.toLocal8Bit();
        int fd = -1;
        // Without a reader yet, a writer that must not block is refused.
        for (int tries = 0; fd < 0 && tries < 500; ++tries) {
            fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (fd >= 0) {
            ::fcntl(fd, F_SETFL, 0);
            EXPECT_EQ(::write(fd, Second.constData(), Second.size()), Second.size());
            ::close(fd);
        }
    });
    proceedInOfferedFolder();
    m_messages.answer(MessageAnswer::Ok); // a pipe is never deleted
    const std::size_t before = m_messages.shown().size();
    press("ToolButton2");
    writer.join();
    ASSERT_EQ(m_messages.shown().size(), before + 1);
    EXPECT_TRUE(m_messages.shown().back().text.endsWith(secondPath + QStringLiteral(": not a regular file")));
    EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second + Third);
    EXPECT_EQ(panelText(), "Resumed: movie.avi");
    EXPECT_FALSE(m_state.Busy.load());
}

TEST_F(JoinFlow, NothingRecognisedUnderNeverAskSaysSoAndWritesNothing) {
    setJoinSettings(JoinOrderPolicy::NeverAsk);
    list({sourceFile("a.txt", First), sourceFile("b.txt", Second)});
    m_messages.answer(MessageAnswer::Ok);
    proceedInOfferedFolder();
    press("ToolButton2");

    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown().front().text,
              OperationTextById(OperationText::NothingRecognised, window().languageCode()));
    EXPECT_EQ(m_messages.shown().front().flags, MbExclamationOk);
    EXPECT_TRUE(destinationNames().isEmpty());
    expectIdle();
}

TEST_F(JoinFlow, AnOutputThatIsOneOfThePartsIsRefused) {
    // The destination is the parts' own folder and the new name is that of a part.
    setJoinSettings(JoinOrderPolicy::AlwaysAsk);
    listParts({1, 2, 3});
    m_destinationScript.proceedIn(m_folder.path() + u'/');
    m_dialogs.then("Form3", [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        dialog.findChild<QLineEdit*>("Edit1")->setText("movie.avi.002");
        clickButton(dialog, "SpeedButton3");
    });
    m_messages.answer(MessageAnswer::No); // overwrite
    m_messages.answer(MessageAnswer::Ok);
    press("ToolButton2");

    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown()[1].text,
              OperationTextById(OperationText::OutputIsInput, window().languageCode()).arg(part(2), part(2)));
    EXPECT_EQ(m_messages.shown()[1].flags, MbExclamationOk);
    EXPECT_EQ(contents(part(1)), First);
    EXPECT_EQ(contents(part(2)), Second);
    EXPECT_EQ(contents(part(3)), Third);
    expectIdle();
}

TEST_F(JoinFlow, AFailedWriteIsReportedAndEndsThroughStop) {
    listParts({1, 2});
    const QString output = destinationFile("movie.avi");
    ASSERT_TRUE(QFile::link("/dev/full", output));
    m_messages.answer(MessageAnswer::No); // overwrite
    m_messages.answer(MessageAnswer::Ok);
    m_messages.answer(MessageAnswer::Ok);
    proceedInOfferedFolder();
    press("ToolButton2");

    ASSERT_EQ(m_messages.shown().size(), 3u);
    EXPECT_EQ(m_messages.shown()[1].text,
              message(32) + "\n\n" + output + ": " + QString::fromLocal8Bit(strerror(ENOSPC)));
    EXPECT_EQ(m_messages.shown()[1].flags, MbExclamationOk);
    expectStoppedLast();
    EXPECT_EQ(contents(part(1)), First);
    expectIdle();
}

TEST_F(JoinFlow, OnlyTheSelectedFilesAreJoined) {
    listParts({3, 2, 1});
    list({sourceFile("readme.txt", "readme")});
    QItemSelectionModel* selection = window().listView()->selectionModel();
    for (const int row : {1, 2})
        selection->select(window().fileList()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCoreApplication::processEvents();
    proceedInOfferedFolder();
    press("ToolButton2");

    EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second);
    expectIdle();
}

TEST_F(JoinFlow, ARenameLeftTickedNamesTheNextJoinWithoutTheDialog) {
    listParts({1, 2});
    setJoinSettings(JoinOrderPolicy::AlwaysAsk);
    proceedInOfferedFolder();
    m_dialogs.then("Form3", [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        dialog.findChild<QLineEdit*>("Edit1")->setText("custom.bin");
        clickButton(dialog, "SpeedButton3");
    });
    press("ToolButton2");
    ASSERT_EQ(contents(destinationFile("custom.bin")), First + Second);

    QFile::remove(destinationFile("custom.bin"));
    setJoinSettings(JoinOrderPolicy::AskWhenUnclear);
    proceedInOfferedFolder();
    press("ToolButton2");

    EXPECT_EQ(contents(destinationFile("custom.bin")), First + Second);
    EXPECT_FALSE(QFile::exists(destinationFile("movie.avi")));
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(JoinFlow, AMissingPartNumberIsAskedAboutAndNoWritesNothing) {
    const struct {
        bool german;
        QStringList names;
        MessageAnswer answer;
        QString missing;
        QByteArray joined; // empty: nothing written
    } cases[] = {
        {false, {"movie.avi.001", "movie.avi.003"}, MessageAnswer::No, "movie.avi.002", {}},
        {true, {"movie.avi.003", "movie.avi.002"}, MessageAnswer::No, "movie.avi.001", {}},
        {false, {"movie.avi.003", "movie.avi.001"}, MessageAnswer::Yes, "movie.avi.002", First + Third},
    };
    const QByteArray contents[] = {First, Second, Third};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.join(' ').toStdString());
        window().fileList()->clearList();
        c.german ? window().switchToGerman() : window().switchToEnglish();
        emptyDestination();
        QStringList paths;
        for (const QString& name : c.names)
            paths.append(sourceFile(name, contents[name.right(1).toInt() - 1]));
        list(paths);
        const std::size_t before = m_messages.shown().size();
        m_messages.answer(c.answer);
        proceedInOfferedFolder();
        press("ToolButton2");

        ASSERT_EQ(m_messages.shown().size(), before + 1);
        const ScriptedMessages::Shown& box = m_messages.shown().back();
        EXPECT_EQ(box.text, OperationTextById(OperationText::MissingParts, c.german).arg(c.missing));
        EXPECT_EQ(box.flags, MbExclamationYesNo);
        EXPECT_EQ(box.caption, "Brimvale Parcelon");
        if (c.joined.isEmpty())
            EXPECT_TRUE(destinationNames().isEmpty());
        else
            EXPECT_EQ(this->contents(destinationFile("movie.avi")), c.joined);
        EXPECT_FALSE(m_state.StopRequested.load());
        expectIdle();
    }
    EXPECT_EQ(OperationTextById(OperationText::MissingParts, false).arg("m.002"),
              "Parts are missing: m.002\n\nDo you want to join the parts that are there anyway?\n"
              "(NO ends the process without writing anything.)");
}

TEST_F(JoinFlow, TheSplitsCompanionFilesAreLeftOutWithoutTheOrderDialogAndTold) {
    const QStringList listed{sourceFile("movie.avi.002", Second), sourceFile("movie.avi.bat", "@echo off"),
                             sourceFile("movie.avi.001", First), sourceFile("movie.avi.sh", "#!/bin/sh"),
                             sourceFile("movie.avi.003", Third)};
    list(listed);
    m_messages.answer(MessageAnswer::Ok);
    proceedInOfferedFolder();
    press("ToolButton2");

    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second + Third);
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text,
              "Not joined, as they are not parts but files written beside them by the split: "
              "movie.avi.bat, movie.avi.sh");
    EXPECT_EQ(m_messages.shown()[0].flags, MbInformationOk);
    expectIdle();
}

// A listed checksum file: the join says in the status bar that it matched, until the list
// changes; a damaged part ends the join with a box that names it.
TEST_F(JoinFlow, AListedChecksumFileVerifiesTheJoinOrStopsItAtADamagedPart) {
    setJoinSettings(JoinOrderPolicy::NeverAsk);
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "intact");
        window().fileList()->clearList();
        QFile::remove(destinationFile("movie.avi"));
        sourceFile("movie.avi.001", First);
        sourceFile("movie.avi.002", Second);
        sourceFile("movie.avi.003", Third);
        const std::string checksums = QDir(m_folder.path()).filePath("movie.avi.sha256").toStdString();
        ASSERT_EQ(writeChecksumFile(checksums, {{digestOf(First), "movie.avi.001"},
                                                {digestOf(Second), "movie.avi.002"},
                                                {digestOf(Third), "movie.avi.003"},
                                                {digestOf(First + Second + Third), "movie.avi"}}),
                  0);
        if (damaged)
            sourceFile("movie.avi.002", "BBBBBb");
        list({part(1), part(2), part(3), QString::fromStdString(checksums)});
        if (damaged) {
            m_messages.answer(MessageAnswer::Ok);
            m_messages.answer(MessageAnswer::Ok);
        }
        proceedInOfferedFolder();
        const std::size_t before = m_messages.shown().size();
        press("ToolButton2");
        window().operationRunner().waitForFinished();

        if (!damaged) {
            EXPECT_EQ(m_messages.shown().size(), before);
            EXPECT_EQ(contents(destinationFile("movie.avi")), First + Second + Third);
            EXPECT_EQ(panelText(), "Verified: movie.avi");
            window().fileList()->clearList();
            window().updateCommandStates();
            EXPECT_FALSE(panelText().startsWith("Verified"));
            continue;
        }
        ASSERT_EQ(m_messages.shown().size(), before + 2);
        EXPECT_EQ(m_messages.shown()[before].text,
                  QStringLiteral("The part '%1' is damaged: it does not match its checksum in '%2'.\n"
                                 "The join was ended; the part was not deleted.")
                      .arg(part(2), QString::fromStdString(checksums)));
        EXPECT_EQ(m_messages.shown().back().text, message(27));
        EXPECT_EQ(contents(part(2)), "BBBBBb");
    }
}
