#pragma once

#include "core/repair/RepairJob.h"
#include "print/repair/ChargeListFees.h"
#include "print/repair/ReceiptFields.h"

class QWidget;
struct AppContext;

// The four repair documents, each read, laid out and shown in the print preview (modal).
namespace RepairDocuments {

// The pickup receipt. Registration and rework pass a job filled from the values on the screen
// (registration: intakeDate and intakeTime from the two pickers, serviceMode "上门维修" when
// "上门服务" is ticked); check and quotation pass the stored job.
void showReceipt(AppContext &ctx, const RepairJob &job, ReceiptSource source, QWidget *parent = nullptr);

// The dispatch bill; job.visitTime holds the dispatch date just chosen.
void showDispatchBill(AppContext &ctx, const RepairJob &job, QWidget *parent = nullptr);

// The charge list with the fee texts of the settlement panel (ChargeListFees::fromJob(job)
// gives the stored ones). The part lines are read from the database.
void showChargeList(AppContext &ctx, const RepairJob &job, const ChargeListFees &fees, QWidget *parent = nullptr);

// The repair detail sheet; underWarranty and dispatched as the window's tick boxes show them.
void showRepairDetailSheet(AppContext &ctx, const RepairJob &job, bool underWarranty, bool dispatched,
                           QWidget *parent = nullptr);

} // namespace RepairDocuments
