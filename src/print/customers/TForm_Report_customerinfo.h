#pragma once

#include "print/print/ReportLayout.h"

#include <memory>

// The customer data sheet: one boxed record per customer with every field of the directory,
// under the title its caller gives (the shop's name + "客户资料").
class TForm_Report_customerinfo
{
public:
    // The columns each row of the source holds, in this order.
    static QStringList fields();
    static ReportLayout layout(const QString &title, std::shared_ptr<RowSource> customers);
};
