#pragma once

#include <QString>
#include <stdexcept>

// A refused operation or an engine error. Handlers let it escape; the application shows
// operatorMessage() in an error box, abandons the handler and goes on.
class DbError : public std::runtime_error
{
public:
    // What went wrong, as far as the operator can act on it.
    enum class Kind {
        Refused,   // a store refused the operation; the message is already worded for the operator
        DiskFull,  // no room left on the disk
        ReadOnly,  // the file or its folder cannot be written
        Locked,    // another program holds the file locked, still after waiting for it
        Damaged,   // the file is damaged or is not a database
        DiskError, // the disk failed to read or write, or the file cannot be opened
        Engine,    // any other engine error: a fault of the program, for support
    };

    // A refusal worded for the operator.
    explicit DbError(const QString &message)
        : DbError(Kind::Refused, message) {}
    // An error of the engine with its own text; Sql::engineError classifies it.
    DbError(Kind kind, const QString &engineText)
        : std::runtime_error(engineText.toStdString()), m_kind(kind), m_message(engineText) {}

    Kind kind() const { return m_kind; }
    // The refusal's text, or the engine's own text.
    QString message() const { return m_message; }
    // What the operator is shown: for an engine error, what happened and what to do in Chinese,
    // with the engine's text as a last line for support.
    QString operatorMessage() const { return operatorMessage(m_kind, m_message); }
    static QString operatorMessage(Kind kind, const QString &message);
    // The operator's first line for a kind of engine error.
    static QString advice(Kind kind);

    static inline const QString DetailPrefix = QStringLiteral("详细信息：");

private:
    Kind m_kind;
    QString m_message;
};
