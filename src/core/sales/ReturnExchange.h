#pragma once

#include "core/app/Money.h"

#include <QDate>
#include <QString>

// One row of "退换": a unit taken back with a refund ("退"), or exchanged for another unit with
// the customer's extra payment ("换"; negative when the shop paid the difference).
struct ReturnExchange
{
    static inline const QString ReturnKind = QStringLiteral("退");
    static inline const QString ExchangeKind = QStringLiteral("换");

    QString number;            // "单据编号" ("th-")
    QDate date;                // "填单时间"
    QString handledBy;         // "经办人"
    QString customer;          // "客户"
    QString kind;              // "退换标识": ReturnKind or ExchangeKind
    QString returnedPartNo;    // "所退配件编号"
    QString returnedSerial;    // "所退配件SN"
    QString replacementPartNo; // "所换配件编号" (exchange)
    QString replacementSerial; // "所换配件SN" (exchange)
    Money refund;              // "退款金额" (return)
    Money extraPayment;        // "客户补款额" (exchange)
    QString remarks;           // "备注"

    bool isExchange() const { return kind == ExchangeKind; }
};
