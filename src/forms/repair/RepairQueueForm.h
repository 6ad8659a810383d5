#pragma once

#include "core/app/Money.h"
#include "core/repair/RepairJob.h"
#include "core/repair/RepairState.h"
#include "forms/lists/ListForm.h"

#include <QStringList>
#include <optional>

class RepairWorkflow;

// The common part of the repair work queues (check and quotation, repair handling, settlement
// and charging): the jobs in the queue's states on the list mechanism, searched by item name,
// item number, customer or business number ("查询[&F]" in "显示全部" lists the queue again), in
// the order they were registered. "已处理天数" is brought up to date each time the queue is shown.
// Opened under the technician view, every list of a queue that has a technician column holds the
// operator's own jobs only.
//
// Actions keep the row they moved: it stays listed, showing its new values, until the list is
// run again (reread()).
class RepairQueueForm : public ListForm
{
public:
    // The columns shown, the queue's states and whether a technician may open it for his own jobs.
    static ListDeclaration declaration(QList<ListColumn> columns, const QStringList &states, bool technicianView);

    RepairQueueForm(AppContext &ctx, ListDeclaration declaration, const QStringList &states,
                    RightsTable::Access access);
    ~RepairQueueForm();

    AppContext &ctx() const { return m_ctx; }

    // On show: "已处理天数" of the jobs the queue lists, then the list.
    void open();

    QString number(int row) const;
    QString customer(int row) const;
    // The job of a row as the file holds it now; nullopt for no row or a job gone.
    std::optional<RepairJob> job(int row) const;
    // The row shows what its job holds now.
    void reread(int row);

    // The fees typed in the boxes (an empty box reads 0), "费用合计" their sum. False, with the
    // box's message and nothing written, when one is not an amount; `refused` names it.
    enum class Fee { Parts, Labour, Extra };
    struct FeeTexts
    {
        QString parts, labour, extra;
    };
    bool saveFees(int row, const FeeTexts &fees, Fee *refused = nullptr);
    static QString feeMessage(Fee fee);

protected:
    RepairWorkflow &workflow() const { return *m_workflow; }
    // The given fields of the row's job (those RepairWorkflow::saveFields takes) from `values`.
    void saveFields(int row, const RepairJob &values, const QList<ColumnRef> &columns);
    // One field of the row's job, written at once.
    template <typename T>
    void saveField(int row, T RepairJob::*field, const T &value, const ColumnRef &column)
    {
        RepairJob j;
        j.*field = value;
        saveFields(row, j, {column});
    }
    // After the workflow judged an action on the row's job: a refusal's message shown; when it
    // was allowed, the row shows the job's new values. True when allowed.
    bool moved(int row, const RepairState::Verdict &verdict);

private:
    AppContext &m_ctx;
    QStringList m_states;
    bool m_ownJobsOnly;
    std::unique_ptr<RepairWorkflow> m_workflow;
};
