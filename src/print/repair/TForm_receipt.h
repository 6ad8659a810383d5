#pragma once

#include "core/app/ShopInfo.h"
#include "print/print/ReportLayout.h"
#include "print/repair/ReceiptFields.h"

// The pickup receipt: one framed table on a 210 × 140 mm page.
class TForm_receipt
{
public:
    static ReportLayout layout(const ReceiptFields &fields, const ShopInfo &shop);
};
