#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages() {
    MessageService::setCurrent(this);
}

ScriptedMessages::~ScriptedMessages() {
    MessageService::setCurrent(nullptr);
}

MessageAnswer ScriptedMessages::showMessage(const QString& text, const QString& caption, int flags) {
    m_shown.push_back({text, caption, flags, false});
    if (m_whileShown)
        m_whileShown(Shown(m_shown.back())); // a copy: the action may show boxes of its own
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted message box: " << text.toStdString();
        return MessageAnswer::Cancel;
    }
    const MessageAnswer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

std::optional<QString> ScriptedMessages::inputText(const QString& caption, const QString& prompt,
                                                   const QString& defaultText) {
    m_shown.push_back({prompt + QLatin1Char('|') + defaultText, caption, 0, true});
    if (m_whileShown)
        m_whileShown(Shown(m_shown.back())); // a copy: the action may show boxes of its own
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unscripted input box: " << caption.toStdString();
        return std::nullopt;
    }
    std::optional<QString> next = m_inputs.front();
    m_inputs.pop_front();
    return next;
}
