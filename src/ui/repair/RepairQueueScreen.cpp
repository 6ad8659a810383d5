#include "ui/repair/RepairQueueScreen.h"

#include "forms/app/AppContext.h"
#include "forms/repair/RepairQueueForm.h"
#include "ui/lists/ListScreen.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTableView>

RepairQueueScreen::RepairQueueScreen(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_ctx(ctx)
{
}

void RepairQueueScreen::makeQueueList(RepairQueueForm &form)
{
    m_queue = &form;
    makeList(form);
    list->sortBox->hide(); // a queue has no sort items
    grid->setToolTip(QStringLiteral("双击显示维修明细"));
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] {
        m_row = -1;
        m_queue->refresh();
    });
    connect(list, &ListScreen::rowChosen, this, [this] { openDetail(); });
    connect(list, &ListScreen::aboutToList, this, [this] {
        flush();
        m_row = -1;
    });
    connect(list, &ListScreen::currentRowChanged, this, [this](int row) {
        if (row != m_row)
            flush();
        showRow(row);
    });
}

void RepairQueueScreen::watchEdits(const QList<QWidget *> &edits)
{
    for (QWidget *w : edits)
        w->installEventFilter(this);
}

ScreenKit::Route RepairQueueScreen::feeRoute(QWidget *then)
{
    using Step = ScreenKit::Step;
    return [this, then] {
        if (!saveFees())
            return Step::stay();
        return then ? Step::to(then) : Step::next();
    };
}

void RepairQueueScreen::showRow(int row)
{
    m_row = row;
    m_job = readJob(row);
    showJob();
}

std::optional<RepairJob> RepairQueueScreen::readJob(int row)
{
    return m_queue->job(row);
}

void RepairQueueScreen::showFees()
{
    const bool any = m_job.has_value();
    const RepairJob j = m_job.value_or(RepairJob{});
    partsFeeEdit->setText(any ? j.partsFee.toText() : QString());
    labourFeeEdit->setText(any ? j.labourFee.toText() : QString());
    extraFeeEdit->setText(any ? j.extraFee.toText() : QString());
    totalEdit->setText(any ? j.totalFee.toText() : QString());
}

void RepairQueueScreen::setFeesEditable(bool editable)
{
    for (QLineEdit *e : {partsFeeEdit, labourFeeEdit, extraFeeEdit})
        e->setReadOnly(!editable);
}

void RepairQueueScreen::reloadJob()
{
    // Only the fee boxes: the others may hold edits of their own, still to be written.
    m_job = m_queue->job(m_row);
    showFees();
}

bool RepairQueueScreen::saveFees(bool refocus)
{
    if (!m_job || !feesEditable())
        return true;
    const RepairQueueForm::FeeTexts typed{partsFeeEdit->text(), labourFeeEdit->text(), extraFeeEdit->text()};
    if (typed.parts == m_job->partsFee.toText() && typed.labour == m_job->labourFee.toText()
        && typed.extra == m_job->extraFee.toText())
        return true;
    RepairQueueForm::Fee refused;
    if (!m_queue->saveFees(m_row, typed, &refused)) {
        if (refocus)
            ScreenKit::focus(refused == RepairQueueForm::Fee::Parts    ? partsFeeEdit
                             : refused == RepairQueueForm::Fee::Labour ? labourFeeEdit
                                                                       : extraFeeEdit);
        return false;
    }
    reloadJob();
    return true;
}

void RepairQueueScreen::flush()
{
    if (!m_job || m_row < 0)
        return;
    saveEdits();
    if (!saveFees(false))
        showFees(); // a fee that is not an amount is dropped (its message shown)
}

int RepairQueueScreen::flushedRow()
{
    const int row = currentRow();
    if (row >= 0)
        flush();
    return row;
}

bool RepairQueueScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Not when a message box or a popup takes the focus for a moment.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::OtherFocusReason)
            m_keys->run([this] { leaveEdit(); });
    }
    return ListPage::eventFilter(watched, event);
}

void RepairQueueScreen::openDetail()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    TForm_repairDetail detail(m_ctx, m_queue->customer(row), m_queue->number(row), QString(), this);
    detail.exec();
    // The super user may have changed the job there.
    m_queue->reread(row);
    showRow(row);
}
