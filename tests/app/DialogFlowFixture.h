#pragma once

#include "OperationFlowFixture.h"
#include "app/frame/CommandStates.h"
#include "app/frame/MainStatusBar.h"
#include "components/core/MainTexts.h"

#include <QDialog>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>

// Answers the dialogs it watches in the order they open. Each answer runs once the dialog's own
// event loop is running, as a user's click would. A showing nobody expected fails the test and
// is cancelled.
class DialogScript : public QObject {
public:
    using Answer = std::function<void(QDialog&)>;

    void watch(QDialog& dialog) { dialog.installEventFilter(this); }
    void then(const QString& formName, Answer answer) { m_answers.push_back({formName, std::move(answer)}); }
    // The object names of the watched dialogs shown so far.
    const QStringList& shown() const { return m_shown; }
    bool allAnswersUsed() const { return m_answers.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto* dialog = static_cast<QDialog*>(watched);
        m_shown.append(dialog->objectName());
        Answer answer = [](QDialog& shown) { shown.reject(); };
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        } else {
            EXPECT_EQ(dialog->objectName(), m_answers.front().formName);
            if (dialog->objectName() == m_answers.front().formName)
                answer = std::move(m_answers.front().answer);
            m_answers.pop_front();
        }
        QTimer::singleShot(0, dialog, [dialog, answer] { answer(*dialog); });
        return false;
    }

private:
    struct Expected {
        QString formName;
        Answer answer;
    };
    std::deque<Expected> m_answers;
    QStringList m_shown;
};

// Clicks a dialog's button by its name; it must be enabled, as for a user.
inline void clickButton(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QToolButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

// The operation flow window whose join order, special split and about dialogs are answered from
// a script too. The store offers the destination folder as the last one used.
class DialogFlowFixture : public OperationFlowFixture {
protected:
    void SetUp() override {
        OperationFlowFixture::SetUp();
        store().Push(QStringLiteral("LastDestDir"), destination());
        ProgramDialogs& dialogs = *openFlowWindow().dialogs();
        for (QDialog* dialog :
             std::initializer_list<QDialog*>{&dialogs.joinOrder, &dialogs.specialSplit, &dialogs.about})
            m_dialogs.watch(*dialog);
    }

    void TearDown() override {
        OperationFlowFixture::TearDown();
        EXPECT_TRUE(m_dialogs.allAnswersUsed());
        EXPECT_TRUE(m_messages.allAnswersUsed());
    }

    MainWindow& window() const { return *m_window; }

    QString sourceFile(const QString& name, const QByteArray& bytes) {
        return writeFile(QDir(m_folder.path()).filePath(name), bytes);
    }

    void list(const QStringList& paths) {
        for (const QString& path : paths)
            window().fileList()->AddFileToList(path);
        QCoreApplication::processEvents(); // the command states follow the list
    }

    // Weiter in the destination dialog on the folder it opens with.
    void proceedInOfferedFolder() { m_destinationScript.proceedIn({}); }

    void emptyDestination() {
        for (const QString& name : destinationNames())
            EXPECT_TRUE(QFile::remove(destinationFile(name))) << qPrintable(name);
    }

    // Presses a toolbar button or triggers a menu item, as the user would, and waits until the
    // operation it starts has ended.
    void press(const char* toolButton) {
        QToolButton* button = window().toolButton(QLatin1String(toolButton));
        ASSERT_TRUE(button->isEnabled()) << toolButton;
        button->click();
        window().operationRunner().waitForFinished();
    }
    void trigger(const char* menuItem) {
        QAction* item = window().menuItem(QLatin1String(menuItem));
        ASSERT_TRUE(item->isEnabled()) << menuItem;
        item->trigger();
        window().operationRunner().waitForFinished();
    }

    QString panelText() const { return window().statusBar1()->panelText(MainStatusBar::FilePanel); }

    // Back at rest: nothing runs, Stop is off and panel 0 counts the files again.
    void expectIdle() const {
        EXPECT_FALSE(m_state.Busy.load());
        EXPECT_FALSE(window().operationRunner().isRunning());
        EXPECT_FALSE(window().toolButton(QStringLiteral("ToolButton6"))->isEnabled());
        EXPECT_EQ(panelText(),
                  IdleCountText(window().fileList()->itemCount(),
                                static_cast<int>(window().listView()->selectedRows().size()), window().languageCode()));
    }

    // The Stop command's box, and nothing after it.
    void expectStoppedLast() const {
        ASSERT_FALSE(m_messages.shown().empty());
        const ScriptedMessages::Shown& last = m_messages.shown().back();
        EXPECT_EQ(last.text, message(27));
        EXPECT_EQ(last.flags, MbStopOk);
    }

    DialogScript m_dialogs;
};
