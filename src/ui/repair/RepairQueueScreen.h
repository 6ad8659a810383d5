#pragma once

#include "core/repair/RepairJob.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListPage.h"

#include <optional>

class QLineEdit;
class RepairQueueForm;

// The common part of the repair work queue screens (检测报价, 维修处理, 结算收费): the queue's
// list at the top and the job of the current row beside it, with its fee boxes. The screen keeps
// the job it shows; leaving it (another row, a new list, the details window, closing) or one of
// the watched boxes writes what it still holds unwritten. Enter or a double click on a row opens
// the job's details. A database error lists the queue again.
class RepairQueueScreen : public ListPage
{
    Q_OBJECT
public:
    // Made by the screen in its own layout; "合 计" is computed.
    QLineEdit *partsFeeEdit = nullptr, *labourFeeEdit = nullptr, *extraFeeEdit = nullptr, *totalEdit = nullptr;

    void openDetail();

protected:
    RepairQueueScreen(AppContext &ctx, QWidget *parent);

    // The list of the queue, wired to the shown job; called once from the screen's constructor.
    void makeQueueList(RepairQueueForm &form);
    // Leaving one of these (not for a message box or a popup) runs leaveEdit().
    void watchEdits(const QList<QWidget *> &edits);
    // Enter in a fee box writes the fees and, when they are amounts, goes on (to `then`, or along
    // the walk); otherwise the focus stays in the box the message named.
    ScreenKit::Route feeRoute(QWidget *then = nullptr);

    void showRow(int row);
    // The row's job as the screen shows it.
    virtual std::optional<RepairJob> readJob(int row);
    // Every box of the shown job (m_job; none: empty).
    virtual void showJob() = 0;
    // The fee boxes only.
    virtual void showFees();
    void setFeesEditable(bool editable);
    // Whether the fee boxes of the shown job are written at all.
    virtual bool feesEditable() const { return true; }
    // The screen's own edits of the shown job besides the fees, written where they changed.
    virtual void saveEdits() = 0;
    // A watched box was left: by default everything unwritten is written.
    virtual void leaveEdit() { flush(); }

    // The shown job read again (its fees changed), keeping edits still to be written.
    void reloadJob();
    // The edits of the shown job not yet written, written now. A screen's destructor calls it
    // too: by the time this class's destructor runs, the screen's own boxes are gone.
    void flush();
    // The typed fees written when they changed; false (message shown) when one is not an amount,
    // the focus then going to that box when refocus.
    bool saveFees(bool refocus = true);
    // The current row after the shown job's edits were written; -1 for an empty list.
    int flushedRow();

    bool eventFilter(QObject *watched, QEvent *event) override;

    AppContext &m_ctx;
    int m_row = -1;
    std::optional<RepairJob> m_job;

private:
    RepairQueueForm *m_queue = nullptr;
};
