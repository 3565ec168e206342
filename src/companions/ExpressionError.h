#pragma once

#include <QString>
#include <stdexcept>

// An evaluation that cannot give a value; message() is the text the host shows its user.
class ExpressionError : public std::runtime_error {
public:
    explicit ExpressionError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
