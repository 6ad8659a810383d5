#pragma once

#include <QString>
#include <stdexcept>

// A failing statement or engine error. Handlers let it escape; the application shows its text
// in an error box, abandons the handler and goes on.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
