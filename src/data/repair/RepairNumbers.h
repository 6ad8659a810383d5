#pragma once

#include <QDate>
#include <QString>

class Database;

struct NumberProposal
{
    QString number;
    QString error; // the message to show when no number could be made
    bool ok() const { return error.isEmpty(); }
};

// Proposes the business number of a new repair job (registration and rework).
class RepairNumbers
{
public:
    static inline const QString DefaultPrefix = QStringLiteral("wx-");
    static inline const QString NoPlanMessage = QStringLiteral("生成业务编号失败，请先自定义编号方式！");
    static inline const QString TooLongMessage = QStringLiteral("编号超过您的计划长度，生成业务编号失败！");

    explicit RepairNumbers(Database &db) : m_db(db) {}

    // Default plan: "wx-" + yyMMdd + "-" + first free counter; nothing is stored.
    // Custom plan: prefix + zero-filled counter; the counter is consumed now.
    NumberProposal GenerateRepairNumber(const QDate &today);

    // True when a job with this number exists.
    bool exists(const QString &number) const;

private:
    Database &m_db;
};
