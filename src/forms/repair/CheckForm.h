#pragma once

#include "forms/catalogs/RepairItemChoice.h"
#include "forms/repair/RepairPartEditor.h"
#include "forms/repair/RepairQueueForm.h"

// "检测报价": the jobs awaiting their check ("待检测"). For the current job the technician lists
// the parts (the part editor), sets the fees and the technician; "完成" passes the job on to repair
// handling ("待维修").
class CheckForm : public RepairQueueForm
{
public:
    static inline const QString FinishedMessage = QStringLiteral("该业务已经完成维修报价，被转入“维修处理”。");

    static ListDeclaration declaration();

    CheckForm(AppContext &ctx, RightsTable::Access access);

    RepairPartEditor &parts() { return m_parts; }
    // The technicians of "技术员目录", in table order.
    QStringList technicians() const;

    // Written at once when chosen.
    void saveTechnician(int row, const QString &technician);
    // "附加费说明", written when the operator leaves it or the job.
    void saveExtraFeeNote(int row, const QString &note);
    // The repair item picked for the job: its charge becomes the labour fee, the total follows.
    void takeRepairItem(int row, const RepairItemChoice &item);
    // "完成": the job moves on, or the reason it does not is shown.
    void finish(int row);
    // After a part line changed: the job's row shows its new fees.
    void partsChanged(int row) { reread(row); }

private:
    RepairPartEditor m_parts;
};
