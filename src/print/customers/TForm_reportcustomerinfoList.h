#pragma once

#include "print/print/ReportLayout.h"

#include <QDate>
#include <memory>

// The customer list: the title its caller gives (the shop's name + "客户列表"), then each
// customer's name, company, class, contact, phone, fax and address, with the page number and the
// date of printing at the foot of every page.
class TForm_reportcustomerinfoList
{
public:
    // The columns each row of the source holds, in this order.
    static QStringList fields();
    static ReportLayout layout(const QString &title, std::shared_ptr<RowSource> customers, const QDate &printedOn);
};
