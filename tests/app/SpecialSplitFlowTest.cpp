#include "DialogFlowFixture.h"

#include "components/core/OperationTexts.h"

#include <QRadioButton>
#include <QTreeWidget>

namespace {

struct Entry {
    const char* position;
    const char* name;
};

// 300 bytes, no two neighbours alike, so a part cut one byte off shows.
QByteArray sourceBytes() {
    QByteArray bytes;
    for (int index = 0; index < 300; ++index)
        bytes.append(static_cast<char>(index % 251));
    return bytes;
}

} // namespace

class SpecialSplitFlow : public DialogFlowFixture {
protected:
    void SetUp() override {
        DialogFlowFixture::SetUp();
        m_source = sourceFile("source.bin", sourceBytes());
        list({m_source});
    }

    // Fills the special split dialog with `entries` alone, counting from the start or from the
    // end of the previous part, and proceeds. The dialog must show the size of the file to split.
    void expectSpecialSplitDialog(const std::vector<Entry>& entries, bool fromStart, const QString& shownSize = "300") {
        m_dialogs.then("Form5", [=](QDialog& dialog) {
            EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit1")->text(), shownSize);
            auto* list = dialog.findChild<QTreeWidget*>("ListView1");
            while (list->topLevelItemCount() > 0) {
                list->setCurrentItem(list->topLevelItem(0));
                clickButton(dialog, "SpeedButton2");
            }
            for (const Entry& entry : entries) {
                dialog.findChild<QLineEdit*>("Edit2")->setText(entry.position);
                dialog.findChild<QLineEdit*>("Edit3")->setText(entry.name);
                clickButton(dialog, "SpeedButton1");
            }
            dialog.findChild<QRadioButton*>(fromStart ? "RadioButton1" : "RadioButton2")->setChecked(true);
            clickButton(dialog, "SpeedButton5");
        });
    }

    QString m_source;
};

TEST_F(SpecialSplitFlow, PartsBeginExactlyAtTheListedPositions) {
    const QByteArray bytes = sourceBytes();
    const struct {
        bool fromStart;
        std::vector<Entry> entries;
        int firstByte;
        std::vector<int> sizes;
    } cases[] = {
        {true, {{"0", "a.bin"}, {"100", "b.bin"}, {"200", "c.bin"}}, 0, {100, 100, 100}},
        {false, {{"0", "a.bin"}, {"100", "b.bin"}, {"50", "c.bin"}}, 0, {100, 50, 150}},
        // The bytes before the first position are in no part.
        {true, {{"10", "a.bin"}, {"100", "b.bin"}}, 10, {90, 200}},
        // Counted from the previous part, each position is the length of the part before.
        {false, {{"10", "a.bin"}, {"100", "b.bin"}, {"50", "c.bin"}}, 10, {100, 50, 140}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.firstByte << (c.fromStart ? " from start" : " from previous"));
        emptyDestination();
        expectSpecialSplitDialog(c.entries, c.fromStart);
        proceedInOfferedFolder();
        trigger("Spezial1");

        qsizetype begin = c.firstByte;
        for (std::size_t index = 0; index < c.entries.size(); ++index) {
            const QString name = c.entries[index].name;
            EXPECT_EQ(contents(destinationFile(name)), bytes.mid(begin, c.sizes[index])) << name.toStdString();
            begin += c.sizes[index];
        }
        EXPECT_EQ(destinationNames().size(), static_cast<qsizetype>(c.entries.size()));
        EXPECT_TRUE(m_messages.shown().empty());
        expectIdle();
    }
}

TEST_F(SpecialSplitFlow, OfTwoListedFilesTheSelectedOneIsSplit) {
    // Selected while it is the only file, the command stays offered as the list grows.
    select(1);
    const QByteArray other = sourceBytes() + sourceBytes().left(200);
    list({sourceFile("other.bin", other)});
    window().listView()->selectionModel()->select(window().fileList()->index(1, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCoreApplication::processEvents();
    expectSpecialSplitDialog({{"0", "a.bin"}, {"400", "b.bin"}}, true, "500");
    proceedInOfferedFolder();
    trigger("Spezial1");

    EXPECT_EQ(contents(destinationFile("a.bin")), other.left(400));
    EXPECT_EQ(contents(destinationFile("b.bin")), other.mid(400));
    expectIdle();
}

TEST_F(SpecialSplitFlow, AnEntryNamingTheSourceIsRefusedBeforeAnythingIsWritten) {
    // The parts would go into the source's own folder.
    expectSpecialSplitDialog({{"0", "first.bin"}, {"100", "source.bin"}}, true);
    m_destinationScript.proceedIn(m_folder.path() + u'/');
    m_messages.answer(MessageAnswer::Ok);
    trigger("Spezial1");

    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text,
              OperationTextById(OperationText::OutputIsInput, window().languageCode()).arg(m_source, m_source));
    EXPECT_EQ(m_messages.shown()[0].flags, MbExclamationOk);
    EXPECT_EQ(contents(m_source), sourceBytes());
    EXPECT_FALSE(QFile::exists(QDir(m_folder.path()).filePath("first.bin")));
    expectIdle();
}

TEST_F(SpecialSplitFlow, TwoEntriesNamingOneFileAreRefusedBeforeAnythingIsWritten) {
    emptyDestination();
    expectSpecialSplitDialog({{"0", "a.bin"}, {"100", "b.bin"}, {"200", "./a.bin"}}, true);
    proceedInOfferedFolder();
    m_messages.answer(MessageAnswer::Ok);
    trigger("Spezial1");

    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, OperationTextById(OperationText::SameOutputTwice, window().languageCode())
                                              .arg(destinationFile("a.bin"), destinationFile("./a.bin")));
    EXPECT_TRUE(destinationNames().isEmpty());
    expectIdle();
}

TEST_F(SpecialSplitFlow, AnExistingPartIsAskedAboutWithItsFullPath) {
    const QByteArray bytes = sourceBytes();
    const QByteArray old("old");
    for (const bool overwrite : {true, false}) {
        SCOPED_TRACE(overwrite);
        emptyDestination();
        writeFile(destinationFile("b.bin"), old);
        const std::size_t before = m_messages.shown().size();
        QString panelWhileAsked;
        m_messages.whileShown([&](const ScriptedMessages::Shown&) {
            if (panelWhileAsked.isEmpty())
                panelWhileAsked = panelText();
        });
        m_messages.answer(overwrite ? MessageAnswer::Yes : MessageAnswer::No);
        if (!overwrite)
            m_messages.answer(MessageAnswer::Ok);
        expectSpecialSplitDialog({{"0", "a.bin"}, {"100", "b.bin"}, {"200", "c.bin"}}, true);
        proceedInOfferedFolder();
        trigger("Spezial1");

        ASSERT_EQ(m_messages.shown().size(), before + (overwrite ? 1 : 2));
        EXPECT_EQ(m_messages.shown()[before].text, message(4) + destinationFile("b.bin") + message(5));
        EXPECT_EQ(m_messages.shown()[before].flags, MbExclamationYesNo);
        // The part being written shows with its whole path.
        EXPECT_EQ(panelWhileAsked, destinationFile("a.bin"));
        EXPECT_EQ(contents(destinationFile("a.bin")), bytes.mid(0, 100));
        if (overwrite) {
            EXPECT_EQ(contents(destinationFile("b.bin")), bytes.mid(100, 100));
            EXPECT_EQ(contents(destinationFile("c.bin")), bytes.mid(200));
        } else {
            expectStoppedLast();
            EXPECT_EQ(contents(destinationFile("b.bin")), old);
            EXPECT_FALSE(QFile::exists(destinationFile("c.bin")));
        }
        expectIdle();
        m_messages.whileShown({});
    }
}

TEST_F(SpecialSplitFlow, CancellingADialogEndsWithoutAMessage) {
    for (const bool atDestination : {false, true}) {
        SCOPED_TRACE(atDestination);
        if (atDestination) {
            expectSpecialSplitDialog({{"0", "a.bin"}}, true);
            m_destinationScript.cancel();
        } else {
            m_dialogs.then("Form5", [](QDialog& dialog) { clickButton(dialog, "SpeedButton6"); });
        }
        trigger("Spezial1");

        EXPECT_TRUE(destinationNames().isEmpty());
        EXPECT_TRUE(m_messages.shown().empty());
        expectIdle();
    }
}

TEST_F(SpecialSplitFlow, AFileThatShrankBeforeTheFirstPositionIsReportedNotPassedSilently) {
    m_dialogs.then("Form5", [this](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("Edit2")->setText("100");
        dialog.findChild<QLineEdit*>("Edit3")->setText("a.bin");
        clickButton(dialog, "SpeedButton1");
        // Checked against the listed 300 bytes; the file loses most of them before the cut.
        writeFile(m_source, sourceBytes().left(50));
        clickButton(dialog, "SpeedButton5");
    });
    proceedInOfferedFolder();
    m_messages.answer(MessageAnswer::Ok);
    trigger("Spezial1");

    EXPECT_EQ(shownTexts(), QStringList{OperationTextById(OperationText::NothingCut, window().languageCode())});
    EXPECT_TRUE(destinationNames().isEmpty());
    expectIdle();
}
