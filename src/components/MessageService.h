#pragma once

#include <QString>
#include <optional>

// Flag values of the message boxes this program shows (icon + buttons).
enum MessageFlags : int {
    MbStopOk = 16,
    MbQuestionYesNo = 36,
    MbExclamationOk = 48,
    MbExclamationYesNoCancel = 51,
    MbExclamationYesNo = 52,
    MbInformationOk = 64,
};

enum class MessageAnswer { Ok, Yes, No, Cancel };

// Every message box and input box of the program goes through here, so that tests can answer them.
class MessageService {
public:
    virtual ~MessageService() = default;

    virtual MessageAnswer showMessage(const QString& text, const QString& caption, int flags) = 0;
    // Empty optional when the user cancels the box.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText) = 0;

    static MessageService& current();
    // nullptr restores the real dialogs.
    static void setCurrent(MessageService* service);
};

// The real boxes: QMessageBox and QInputDialog on the active window, their buttons in the
// program's language (1 German, 0 English) rather than the system's.
class DialogMessageService : public MessageService {
public:
    static void setButtonLanguage(int languageCode);

    MessageAnswer showMessage(const QString& text, const QString& caption, int flags) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
};
