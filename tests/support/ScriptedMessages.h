#pragma once

#include "components/MessageService.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers message and input boxes from a script and records what was shown.
// Installed for its lifetime; an unscripted box fails the test and answers Cancel.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text;
        QString caption;
        int flags = 0;
        bool isInput = false;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    void answer(MessageAnswer answer) { m_answers.push_back(answer); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }

    // Runs while a box is open, before its answer is given (e.g. to press Stop meanwhile).
    void whileShown(std::function<void(const Shown&)> action) { m_whileShown = std::move(action); }

    const std::vector<Shown>& shown() const { return m_shown; }
    bool allAnswersUsed() const { return m_answers.empty() && m_inputs.empty(); }

    MessageAnswer showMessage(const QString& text, const QString& caption, int flags) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;

private:
    std::deque<MessageAnswer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::vector<Shown> m_shown;
    std::function<void(const Shown&)> m_whileShown;
};
