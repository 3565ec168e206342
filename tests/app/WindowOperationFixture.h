#pragma once

#include "MainWindowFixture.h"
#include "app/CommandStates.h"
#include "app/MainStatusBar.h"
#include "app/OperationRunner.h"
#include "components/core/MainTexts.h"
#include "dialogs/DestinationDialog.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>

// Answers the dialogs the window opens, in the order they open. Each answer runs once the
// dialog's own event loop is running, as a user's click would. A dialog nobody expected fails the
// test and is cancelled.
class DialogScript : public QObject {
public:
    using Answer = std::function<void(QDialog&)>;

    DialogScript() { qApp->installEventFilter(this); }
    ~DialogScript() override { qApp->removeEventFilter(this); }

    void then(const QString& formName, Answer answer) { m_answers.push_back({formName, std::move(answer)}); }
    // The object names of the dialogs shown so far.
    const QStringList& shown() const { return m_shown; }
    bool allAnswersUsed() const { return m_answers.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || !dialog)
            return false;
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

// A main window with its dialogs, a folder of sources and an empty destination folder that the
// store offers as the last one used.
class WindowOperationFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        openWindow().createDialogs();
        m_destination = QDir(m_folder.path()).filePath(QStringLiteral("out")) + u'/';
        ASSERT_TRUE(QDir().mkpath(m_destination));
        store().Push(QStringLiteral("LastDestDir"), m_destination);
    }

    void TearDown() override {
        EXPECT_TRUE(m_dialogs.allAnswersUsed());
        EXPECT_TRUE(m_messages.allAnswersUsed());
    }

    MainWindow& window() const { return *m_window; }

    QString sourceFile(const QString& name, const QByteArray& bytes) { return writeFile(m_folder.path(), name, bytes); }
    QString destinationFile(const QString& name) const { return m_destination + name; }

    static QString writeFile(const QString& folder, const QString& name, const QByteArray& bytes) {
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void list(const QStringList& paths) {
        for (const QString& path : paths)
            window().fileList()->AddFileToList(path);
        QCoreApplication::processEvents(); // the command states follow the list
    }

    // Weiter in the destination dialog on the folder it opens with, which must be the stored one.
    void expectDestinationDialog() {
        m_dialogs.then(QStringLiteral("Form6"), [this](QDialog& dialog) {
            auto& destination = static_cast<DestinationDialog&>(dialog);
            EXPECT_EQ(destination.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), m_destination);
            destination.Timer1Timer();
            clickButton(destination, "BitBtn1");
        });
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

    QString text(int id) const { return TextById(id, window().languageCode()); }
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
        EXPECT_EQ(last.text, text(27));
        EXPECT_EQ(last.flags, MbStopOk);
    }

    ScriptedMessages m_messages;
    DialogScript m_dialogs;
    QString m_destination;
};
