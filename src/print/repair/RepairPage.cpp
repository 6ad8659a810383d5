#include "print/repair/RepairPage.h"

namespace RepairPage {

ReportLayout receiptSize(const QString &documentName)
{
    ReportLayout l;
    l.documentName = documentName;
    l.pageSize = QSizeF(210, 140);
    l.margins = QMarginsF(10, 10, 10, 10);
    return l;
}

ReportLayout a4(const QString &documentName)
{
    ReportLayout l = receiptSize(documentName);
    l.pageSize = QSizeF(210, 297);
    return l;
}

} // namespace RepairPage
