#pragma once

#include "MainWindowFixture.h"
#include "app/ProgramDialogs.h"
#include "app/operations/OperationRunner.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <deque>

// Answers the destination dialog from a script each time it is shown, once the dialog's own
// event loop runs. An unscripted showing fails the test and cancels the dialog.
class DestinationScript : public QObject {
public:
    // Weiter with `folder` typed into the path field.
    void proceedIn(const QString& folder) { m_answers.push_back({folder, true}); }
    // Abbrechen, after `typed` was put into the path field (nothing typed when empty).
    void cancel(const QString& typed = {}) { m_answers.push_back({typed, false}); }

    int showings() const { return m_showings; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++m_showings;
            auto* dialog = static_cast<DestinationDialog*>(watched);
            QTimer::singleShot(0, dialog, [this, dialog] { answer(*dialog); });
        }
        return false;
    }

private:
    struct Answer {
        QString typed;
        bool proceed;
    };

    void answer(DestinationDialog& dialog) {
        if (m_answers.empty()) {
            ADD_FAILURE() << "unscripted destination dialog";
            dialog.reject();
            return;
        }
        const Answer next = m_answers.front();
        m_answers.pop_front();
        if (!next.typed.isEmpty())
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(next.typed);
        if (!next.proceed) {
            dialog.reject();
            return;
        }
        dialog.Timer1Timer(); // Weiter follows the path field
        dialog.findChild<QToolButton*>(QStringLiteral("BitBtn1"))->click();
        if (dialog.isVisible()) {
            ADD_FAILURE() << "Weiter did not close the destination dialog for " << next.typed.toStdString();
            dialog.reject();
        }
    }

    std::deque<Answer> m_answers;
    int m_showings = 0;
};

// The main window with its dialogs, scripted boxes and a scripted destination dialog, and a
// destination folder apart from the folder of the sources.
class OperationFlowFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(m_destination.isValid());
        m_startFolder = QDir::currentPath();
    }

    void TearDown() override {
        if (m_window)
            m_window->operationRunner().waitForFinished();
        // No operation may change the current folder; one that did is not to spoil later tests.
        QDir::setCurrent(m_startFolder);
    }

    MainWindow& openFlowWindow() {
        MainWindow& window = openWindow();
        window.createDialogs();
        window.dialogs()->destination.installEventFilter(&m_destinationScript);
        window.show();
        return window;
    }

    // The destination folder, ending with "/" as the operations form it.
    QString destination() const { return m_destination.path() + u'/'; }
    QString destinationFile(const QString& name) const { return destination() + name; }

    // A file whose bytes tell their position, so a part cut at the wrong place shows.
    QString patternFile(const QString& name, qint64 size) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
        return writeFile(QDir(m_folder.path()).filePath(name), bytes);
    }

    static QString writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The names in the destination folder, sorted.
    QStringList destinationNames() const {
        return QDir(m_destination.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Files of `folder` this process still holds open.
    static QStringList openFilesIn(const QString& folder) {
        QStringList open;
        const QString canonical = QFileInfo(folder).canonicalFilePath() + u'/';
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System)) {
            const QString target = fd.symLinkTarget();
            if (target.startsWith(canonical))
                open.append(target);
        }
        return open;
    }

    QString message(int id) const { return m_window->textById(id); }

    // The texts of the boxes shown so far.
    QStringList shownTexts() const {
        QStringList texts;
        for (const ScriptedMessages::Shown& box : m_messages.shown())
            texts.append(box.text);
        return texts;
    }

    QTemporaryDir m_destination;
    DestinationScript m_destinationScript;
    ScriptedMessages m_messages;
    QString m_startFolder;
};
