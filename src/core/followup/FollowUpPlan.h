#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Whether a finished repair or a sale gets a follow-up visit, and the visit's values ("回访" row)
// when it does. Charging a repair and saving a sale both ask here, so the rule lives in one place.
class FollowUpPlan
{
public:
    enum class Business { Repair, Sale };

    static inline const QString UnknownClass = QStringLiteral("未知"); // class of a customer not in the directory
    static inline const QString RepairKind = QStringLiteral("维修");
    static inline const QString SaleKind = QStringLiteral("销售");
    static inline const QString RepairNamePrefix = QStringLiteral("维修:");

    // The scope setting "回访业务范围": "RS" repairs and sales, "R" repairs, "S" sales; anything else
    // none. A missing setting row (nullopt) plans nothing, like an empty value.
    static bool inScope(Business business, const std::optional<QString> &scope);
    // classFollowUp: "是否回访" of the customer's class in "客户分类"; nullopt when that class is not
    // in the table, which counts as followed up.
    static bool wanted(Business business, const std::optional<QString> &scope, std::optional<bool> classFollowUp);

    // The planned visit of a charged repair: its customer, the customer's phone from the directory
    // (empty when unknown), "维修:" + item name, intake date and end date.
    static FollowUpPlan forRepair(const QString &customer, const QString &phone, const QString &itemName,
                                  const QString &number, const QDate &intakeDate, const QDate &endDate);
    // The planned visit of a sale made on `day`, with the phone typed on the sale.
    static FollowUpPlan forSale(const QString &customer, const QString &phone, const QString &number, const QDate &day);

    QString customer;  // "客户名称"
    QString phone;     // "电话"
    QString kind;      // "业务类别"
    QString name;      // "业务名称"
    QString number;    // "业务编号"
    QDate started;     // "业务发生时间"
    QDate ended;       // "业务结束时间"
    QString state;     // "当前状态": always planned
};
