#pragma once

#include "print/print/ReportLayout.h"

// The two page formats of the repair documents, 10 mm margins all round.
namespace RepairPage {
// 210 mm wide, 140 mm long: receipt, dispatch bill, charge list.
ReportLayout receiptSize(const QString &documentName);
// A4 portrait: the repair detail sheet.
ReportLayout a4(const QString &documentName);
}
