#pragma once

#include "print/print/ReportLayout.h"

#include <memory>

// Mailing labels on A4 portrait, one under the other, each with the customer's post code,
// address and contact, the shop's address and post code as the sender, and a dotted cut line.
class TForm_Mailtag
{
public:
    // The columns each row of the source holds, in this order.
    static QStringList fields();
    static ReportLayout layout(const QString &shopAddress, const QString &shopPostCode,
                               std::shared_ptr<RowSource> customers);
};
