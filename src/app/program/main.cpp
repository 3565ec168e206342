#include "app/MainWindow.h"
#include "app/list/ProgramState.h"
#include "components/MessageService.h"
#include "components/TEnhancedFormProgram.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/StoreTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/ShellShortcuts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <exception>

int main(int argc, char** argv) {
    // The program-wide lists exist before any window does.
    ProgramState state;
    QApplication app(argc, argv);
    try {
        QApplication::setApplicationName(ProgramIdentity::Name);
        QGuiApplication::setDesktopFileName(ShellShortcuts::DesktopId);

        MainWindow window(state, QApplication::arguments().mid(1));
        window.createDialogs();
        attachProgramDecoration(&window, ProgramWindowKind::MainWindow);
        const QPointer<MainWindow> shown(&window);
        TBReg::setWriteFailureHandler([shown](const TBRegWriteFailure& failure) {
            if (shown)
                MessageService::current().showMessage(StoreFailureText(failure, shown->languageCode()),
                                                      shown->messageTitle(), MbExclamationOk);
        });
        centreOnScreen(&window);
        window.show();
        if (const SettingsFileRead store = window.reg().readState(); store.failed())
            MessageService::current().showMessage(
                StoreReadProblemText(window.reg().storePath(), store, window.languageCode()), window.messageTitle(),
                MbExclamationOk);
        const int result = app.exec();
        TBReg::setWriteFailureHandler(nullptr);
        return result;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, ProgramIdentity::Name, QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
