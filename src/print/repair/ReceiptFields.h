#pragma once

#include "core/app/ShopInfo.h"
#include "core/repair/RepairJob.h"

#include <QString>

// Where a pickup receipt is printed from; each fills it a little differently.
enum class ReceiptSource {
    Registration, // the values on the registration screen
    Check,        // a job's stored row, from check and quotation
    Rework,       // the values on the rework screen
};

// The values a pickup receipt prints beside its captions.
struct ReceiptFields
{
    QString number;
    QString intake;
    QString handledBy;
    QString customer;
    QString organisation;
    QString itemName;
    QString category;
    QString brand;
    QString serial;
    QString accessories;
    QString prepayment;
    QString fault;
    QString pickupTerm;
    QString remarks;
    QString warrantyLine;
    QString onSiteLine;

    // organisation: "客户单位" of the customer's directory entry, empty when there is none.
    // Registration: the intake reads date + "(" + time + ")"; the rework variant leaves the
    // organisation, category, brand and the warranty and on-site lines blank.
    static ReceiptFields from(const RepairJob &job, ReceiptSource source, const QString &organisation,
                              const ShopInfo &shop);
};
