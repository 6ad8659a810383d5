#include "print/repair/ChargeListFees.h"

ChargeListFees ChargeListFees::fromJob(const RepairJob &job)
{
    ChargeListFees f;
    f.partsFee = job.partsFee.toText();
    f.labourFee = job.labourFee.toText();
    f.extraFee = job.extraFee.toText();
    f.total = job.totalFee.toText();
    f.received = job.prepayment.toText();
    f.due = (job.totalFee - job.prepayment).toText();
    f.charged = job.charged.toText();
    f.invoiceNumber = job.invoiceNumber;
    f.paymentMethod = job.paymentMethod;
    return f;
}
