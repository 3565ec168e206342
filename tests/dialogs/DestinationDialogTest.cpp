#include "dialogs/DestinationDialog.h"

#include "DialogChildrenAndCaptions.h"
#include "dialogs/DestinationDialogTexts.h"
#include "support/ScriptedMessages.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DestinationDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }
    void TearDown() override { m_dialog.reject(); }

    QString folder(const QString& relative = QString()) const { return m_root.path() + u'/' + relative; }
    void makeFile(const QString& relative) const {
        QFile file(folder(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    void showWith(const QString& destDir, int languageCode = 0) {
        m_dialog.setLanguageCode(languageCode);
        m_dialog.setDestDir(destDir);
        m_dialog.show();
    }
    QLineEdit* path() const { return m_dialog.findChild<QLineEdit*>("Edit1"); }
    QAbstractButton* proceedButton() const { return m_dialog.findChild<QAbstractButton*>("BitBtn1"); }
    void typePath(const QString& text) const { path()->setText(text); }

    QTemporaryDir m_root;
    ScriptedMessages m_messages;
    DestinationDialog m_dialog;
};

} // namespace

TEST_F(DestinationDialogTest, CreateFolderPathMakesEveryMissingFolderAndReportsTheOutcome) {
    makeFile("file");
    const struct {
        QString path;
        bool created;
    } cases[] = {
        {folder("a"), true},
        {folder("b/c/d"), true},
        {folder("b/c/d/"), true},
        {folder("a"), true},
        {folder("file/sub"), false},
        {folder("file"), false},
        {folder(QString(300, u'x')), false},
        {QString(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DestinationDialog::CreateFolderPath(c.path), c.created) << c.path.toStdString();
        EXPECT_EQ(QFileInfo(c.path).isDir(), c.created) << c.path.toStdString();
    }
    EXPECT_TRUE(QFileInfo(folder("b/c")).isDir());
}

TEST_F(DestinationDialogTest, OpensOnTheHomeFolderWithTheCaretBeforeTheLastSlash) {
    showWith(QString());
    const QString home = QDir::homePath() + u'/';
    EXPECT_EQ(path()->text(), home);
    EXPECT_EQ(path()->cursorPosition(), home.size() - 1);
    EXPECT_EQ(m_dialog.treePath(), home);
    EXPECT_FALSE(proceedButton()->isEnabled());
}

TEST_F(DestinationDialogTest, ProceedIsEnabledOnlyWhileThePathIsAnExistingFolder) {
    makeFile("file");
    showWith(folder());
    const struct {
        QString text;
        bool enabled;
    } cases[] = {{folder(), true}, {folder("missing"), false}, {folder("file"), false}, {QString(), false}};
    for (const auto& c : cases) {
        typePath(c.text);
        m_dialog.Timer1Timer();
        EXPECT_EQ(proceedButton()->isEnabled(), c.enabled) << c.text.toStdString();
    }
}

TEST_F(DestinationDialogTest, ProceedReturnsThePathFieldAsTyped) {
    ASSERT_TRUE(QDir().mkdir(folder("out")));
    showWith(folder());
    typePath(folder("out"));
    m_dialog.proceed();
    EXPECT_FALSE(m_dialog.Cancelled());
    EXPECT_EQ(m_dialog.DestDir(), folder("out"));
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(DestinationDialogTest, ProceedCreatesAMissingFolderOrSaysItCannot) {
    makeFile("file");
    showWith(folder());
    typePath(folder("new/deeper"));
    m_dialog.proceed();
    EXPECT_TRUE(QFileInfo(folder("new/deeper")).isDir());
    EXPECT_EQ(m_dialog.DestDir(), folder("new/deeper"));

    showWith(folder());
    typePath(folder("file/sub"));
    m_messages.answer(MessageAnswer::Ok);
    m_dialog.proceed();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "An error ocurred while creating the folder.\nPlease select another folder.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Brimvale Parcelon");
    EXPECT_EQ(m_messages.shown()[0].flags, MbExclamationOk);
    EXPECT_TRUE(m_dialog.isVisible());
    m_dialog.reject();
    EXPECT_TRUE(m_dialog.Cancelled());
    EXPECT_EQ(m_dialog.DestDir(), folder());
}

TEST_F(DestinationDialogTest, CancelKeepsTheProposedFolderAfterBrowsing) {
    ASSERT_TRUE(QDir().mkdir(folder("elsewhere")));
    showWith(folder());
    typePath(folder("elsewhere"));
    m_dialog.SpeedButton1Click();
    m_dialog.reject();
    EXPECT_TRUE(m_dialog.Cancelled());
    EXPECT_EQ(m_dialog.DestDir(), folder());
}

TEST_F(DestinationDialogTest, ShowingAgainAfterProceedStartsCancelled) {
    showWith(folder());
    m_dialog.proceed();
    ASSERT_FALSE(m_dialog.Cancelled());
    showWith(folder());
    m_dialog.reject();
    EXPECT_TRUE(m_dialog.Cancelled());
}

TEST_F(DestinationDialogTest, GoFollowsAFolderAndRefusesAnythingElse) {
    ASSERT_TRUE(QDir().mkdir(folder("there")));
    showWith(folder(), 1);
    typePath(folder("there"));
    m_dialog.SpeedButton1Click();
    EXPECT_EQ(m_dialog.treePath(), folder("there/"));
    EXPECT_TRUE(m_messages.shown().empty());

    typePath(folder("not there"));
    m_messages.answer(MessageAnswer::Ok);
    m_dialog.SpeedButton1Click();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "Ordner existiert nicht");
    EXPECT_EQ(path()->text(), folder("there/"));
}

TEST_F(DestinationDialogTest, NewFolderCreatesNestedFoldersBelowThePathField) {
    const struct {
        QString typed;
        QString name;
        QString created;
    } cases[] = {
        {folder(), "single", folder("single")},
        {folder("plain"), "sub", folder("plain/sub")},
        {folder("nested"), "a/b", folder("nested/a/b")},
    };
    showWith(folder());
    for (const auto& c : cases) {
        typePath(c.typed);
        m_messages.answerInput(c.name);
        m_dialog.BitBtn4Click();
        EXPECT_TRUE(QFileInfo(c.created).isDir()) << c.created.toStdString();
        EXPECT_EQ(path()->text(), c.created);
        EXPECT_EQ(m_dialog.treePath(), c.created + u'/');
    }
    EXPECT_TRUE(m_messages.shown().size() == 3 && m_messages.shown()[0].isInput);
    EXPECT_EQ(m_messages.shown()[0].caption, "Create New Folder");
    EXPECT_EQ(m_messages.shown()[0].text, "Name|");
}

TEST_F(DestinationDialogTest, NewFolderWithoutANameCreatesNothingAndAlignsPathAndTree) {
    showWith(folder());
    for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        typePath(folder("typed"));
        m_messages.answerInput(answer);
        m_dialog.BitBtn4Click();
        EXPECT_FALSE(QFileInfo::exists(folder("typed")));
        EXPECT_EQ(path()->text(), folder());
    }
}

TEST_F(DestinationDialogTest, NewFolderThatCannotBeCreatedRestoresThePath) {
    makeFile("file");
    showWith(folder(), 1);
    typePath(folder("file"));
    m_messages.answerInput(QStringLiteral("sub"));
    m_messages.answer(MessageAnswer::Ok);
    m_dialog.BitBtn4Click();
    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown()[1].text, "Beim Erstellen des Ordners ist ein Fehler aufgetreten.");
    EXPECT_EQ(m_messages.shown()[1].flags, MbExclamationOk);
    // The restored text names no folder, so the field takes the tree's folder.
    EXPECT_EQ(path()->text(), folder());
}

TEST_F(DestinationDialogTest, TypedPathsCountFromTheShownFolderOrFromHome) {
    const QByteArray realHome = qgetenv("HOME");
    ASSERT_TRUE(QDir().mkpath(folder("home")) && QDir().mkpath(folder("shown")));
    qputenv("HOME", folder("home").toLocal8Bit());
    const QString startFolder = QDir::currentPath();
    const struct {
        QString typed;
        QString chosen;
    } cases[] = {
        {"sub", folder("shown/sub")},     {"deeper/still", folder("shown/deeper/still")},
        {"../beside", folder("beside")},  {"~", folder("home")},
        {"~/", folder("home")},           {"~/made/here", folder("home/made/here")},
        {"~name", folder("shown/~name")}, {folder("absolute"), folder("absolute")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        showWith(folder("shown"));
        typePath(c.typed);
        m_dialog.proceed();
        EXPECT_FALSE(m_dialog.Cancelled());
        EXPECT_EQ(QDir::cleanPath(m_dialog.DestDir()), QDir::cleanPath(c.chosen));
        EXPECT_TRUE(QFileInfo(c.chosen).isDir());
        EXPECT_EQ(QDir::currentPath(), startFolder);
    }

    // Go takes the field to the folder it names, so Weiter cannot count from there once more.
    showWith(folder("shown"));
    typePath("sub");
    m_dialog.SpeedButton1Click();
    EXPECT_EQ(QDir::cleanPath(path()->text()), folder("shown/sub"));
    m_dialog.proceed();
    EXPECT_EQ(QDir::cleanPath(m_dialog.DestDir()), folder("shown/sub"));

    // A new folder below "~/" lands in the home folder, not in a folder named "~".
    showWith(folder("shown"));
    typePath("~/");
    m_messages.answerInput(QStringLiteral("fresh"));
    m_dialog.BitBtn4Click();
    EXPECT_TRUE(QFileInfo(folder("home/fresh")).isDir());
    EXPECT_FALSE(QFileInfo::exists(folder("shown/~")));
    EXPECT_FALSE(QFileInfo::exists(QDir(startFolder).filePath("~")));
    qputenv("HOME", realHome);
}

TEST_F(DestinationDialogTest, AStoredFolderThatHasGoneOpensOnItsNearestParent) {
    ASSERT_TRUE(QDir().mkpath(folder("kept")));
    const QString gone = folder("kept/gone/deeper/");
    showWith(gone);
    EXPECT_EQ(path()->text(), gone);
    EXPECT_EQ(m_dialog.treePath(), folder("kept/"));
    m_dialog.Timer1Timer();
    EXPECT_FALSE(proceedButton()->isEnabled());
    m_dialog.reject();
    EXPECT_EQ(m_dialog.DestDir(), gone);
}

TEST_F(DestinationDialogTest, CaptionsFollowTheLanguageAtEveryShowing) {
    for (const int languageCode : {1, 0}) {
        showWith(folder(), languageCode);
        expectCaptionsShown(m_dialog, DestinationCaptions, languageCode);
        m_dialog.reject();
    }
}
