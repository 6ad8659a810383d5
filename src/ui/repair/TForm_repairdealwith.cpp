#include "ui/repair/TForm_repairdealwith.h"

#include "forms/app/AppContext.h"
#include "ui/app/TForm_selDate.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairPartsPanel.h"
#include "ui/repair/RepairRowLook.h"
#include "ui/repair/TForm_repairCancel.h"
#include "ui/repair/TForm_repairstatus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_repairdealwith::TForm_repairdealwith(AppContext &ctx, RightsTable::Access access, QWidget *parent)
    : RepairQueueScreen(ctx, parent), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("维修处理"));
    auto *layout = new QVBoxLayout(this);
    makeQueueList(m_form);
    // An unconfirmed quotation is blue with white text; a dispatched job red (over the blue).
    grid->setItemDelegate(new RepairRowLook(
        [this](int row) {
            RepairRowLook::Colours c;
            if (!m_form.confirmed(row)) {
                c.background = QColor(Qt::blue);
                c.text = QColor(Qt::white);
            }
            if (m_form.dispatched(row))
                c.background = QColor(Qt::red);
            return c;
        },
        grid));
    auto hideMarks = [this] {
        const int n = grid->model()->columnCount();
        grid->setColumnHidden(n - 1, true);
        grid->setColumnHidden(n - 2, true);
    };
    connect(grid->model(), &QAbstractItemModel::modelReset, this, hideMarks);
    layout->addWidget(list, 3);

    auto *bottom = new QHBoxLayout;
    parts = new RepairPartsPanel(ctx, m_form.parts(), this);
    bottom->addWidget(parts, 1);

    auto *right = new QGridLayout;
    auto *quote = new QGroupBox(QStringLiteral("维修报价"), this);
    auto *q = new QGridLayout(quote);
    partsFeeEdit = new QLineEdit(quote);
    labourFeeEdit = new QLineEdit(quote);
    extraFeeEdit = new QLineEdit(quote);
    totalEdit = new QLineEdit(quote);
    totalEdit->setReadOnly(true);
    totalEdit->setEnabled(false); // computed, shown greyed
    int r = 0;
    for (const auto &[edit, caption] : {std::pair{partsFeeEdit, "材料费："}, std::pair{labourFeeEdit, "维修费："},
                                        std::pair{extraFeeEdit, "附加费："}, std::pair{totalEdit, "合 计："}}) {
        q->addWidget(ScreenKit::caption(edit, QString::fromUtf8(caption)), r, 0);
        q->addWidget(edit, r++, 1);
    }
    confirmedBox = new QCheckBox(QStringLiteral("客户确认报价"), quote);
    q->addWidget(confirmedBox, r, 0, 1, 2);
    right->addWidget(quote, 0, 0, 2, 1);

    auto *progress = new QGroupBox(QStringLiteral("维修情况"), this);
    auto *p = new QHBoxLayout(progress);
    conditionBox = new QComboBox(progress);
    conditionBox->setAccessibleName(QStringLiteral("维修情况"));
    editConditionsButton = new QPushButton(QStringLiteral("编辑>>"), progress);
    p->addWidget(conditionBox, 1);
    p->addWidget(editConditionsButton);
    right->addWidget(progress, 0, 1);

    auto *summary = new QGroupBox(QStringLiteral("维修小结"), this);
    auto *s = new QVBoxLayout(summary);
    summaryEdit = new QPlainTextEdit(summary);
    summaryEdit->setAccessibleName(QStringLiteral("维修小结"));
    s->addWidget(summaryEdit);
    right->addWidget(summary, 1, 1);

    auto *buttons = new QHBoxLayout;
    settleButton = new QPushButton(QStringLiteral("转入结算"), this);
    backButton = new QPushButton(QStringLiteral("返回检修"), this);
    cancelButton = new QPushButton(QStringLiteral("取消维修"), this);
    dispatchButton = new QPushButton(QStringLiteral("派工"), this);
    for (QPushButton *b : {settleButton, backButton, cancelButton, dispatchButton})
        buttons->addWidget(b);
    right->addLayout(buttons, 2, 0, 1, 2);
    bottom->addLayout(right);
    layout->addLayout(bottom, 2);

    // The keyboard: the search bar and the list, the part lines and their editor, then the fees
    // (Enter: 材料费 → 维修费 → 附加费 → "转入结算", each writing the job), the confirmation, the
    // condition (chosen: on to "转入结算"), the summary and the buttons.
    using Step = ScreenKit::Step;
    parts->addTo(*m_keys);
    m_keys->route(partsFeeEdit, feeRoute());
    m_keys->route(labourFeeEdit, feeRoute());
    m_keys->route(extraFeeEdit, feeRoute(settleButton));
    m_keys->field(totalEdit);
    m_keys->field(confirmedBox, {}, ScreenKit::Walk::Aside);
    m_keys->route(conditionBox, [this] { return Step::to(settleButton); });
    m_keys->button(editConditionsButton, [this] {
        TForm_repairstatus catalog(m_ctx, this);
        catalog.exec(); // the list of conditions stays as it is until the screen opens again
    }, ScreenKit::Walk::Aside);
    m_keys->field(summaryEdit);
    m_keys->button(settleButton, [this] { onSettle(); });
    m_keys->button(backButton, [this] { onBack(); });
    m_keys->button(cancelButton, [this] { onCancel(); });
    m_keys->button(dispatchButton, [this] { onDispatch(); });
    // Leaving a fee box writes the fees, the total following; leaving the summary writes it.
    watchEdits({partsFeeEdit, labourFeeEdit, extraFeeEdit, summaryEdit});

    showDispatchBill = [this](const RepairJob &job) { RepairDocuments::showDispatchBill(m_ctx, job, this); };

    connect(confirmedBox, &QCheckBox::clicked, this, [this] { m_keys->run([this] { saveConfirmed(); }); });
    connect(conditionBox, &QComboBox::activated, this, [this] {
        m_keys->run([this] {
            saveCondition();
            ScreenKit::focus(settleButton);
        });
    });
    connect(parts, &RepairPartsPanel::partsChanged, this, [this] {
        m_form.reread(m_row);
        reloadJob();
    });

    const QStringList conditions = m_form.conditions();
    if (!conditions.isEmpty())
        conditionBox->addItems(conditions);
    m_form.open();
    hideMarks();
    showRow(list->currentRow());
}

TForm_repairdealwith::~TForm_repairdealwith()
{
    // Closing writes what the shown job still holds unwritten.
    m_keys->run([this] { flush(); });
}

void TForm_repairdealwith::showJob()
{
    const bool any = m_job.has_value();
    const RepairJob j = m_job.value_or(RepairJob{});
    parts->showJob(any ? j.number : QString());
    showFees();
    confirmedBox->setChecked(j.customerConfirmed);
    conditionBox->setCurrentIndex(conditionBox->findText(j.repairCondition));
    summaryEdit->setPlainText(j.repairSummary);
    setFeesEditable(any);
    summaryEdit->setReadOnly(!any);
    confirmedBox->setEnabled(any);
    conditionBox->setEnabled(any);
}

void TForm_repairdealwith::saveConfirmed()
{
    if (!m_job)
        return;
    m_form.saveConfirmed(m_row, confirmedBox->isChecked());
    m_job->customerConfirmed = confirmedBox->isChecked();
}

void TForm_repairdealwith::saveCondition()
{
    if (!m_job)
        return;
    m_form.saveCondition(m_row, conditionBox->currentText());
    m_job->repairCondition = conditionBox->currentText();
}

void TForm_repairdealwith::saveEdits()
{
    if (summaryEdit->toPlainText() != m_job->repairSummary) {
        m_form.saveSummary(m_row, summaryEdit->toPlainText());
        m_job->repairSummary = summaryEdit->toPlainText();
    }
}

void TForm_repairdealwith::onSettle()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    m_form.toSettlement(row);
    reloadJob();
}

void TForm_repairdealwith::onBack()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    m_form.backToCheck(row);
    reloadJob();
}

void TForm_repairdealwith::onCancel()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    if (!m_form.canCancel(row))
        return;
    TForm_repairCancel dialog(m_ctx.today(), this);
    dialog.exec();
    m_form.cancel(row, dialog.reason(), dialog.dateText());
    reloadJob();
}

void TForm_repairdealwith::onDispatch()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    TForm_selDate dialog(m_ctx.today(), this);
    dialog.setWindowTitle(RepairDealWithForm::DispatchCaption);
    dialog.exec();
    const std::optional<RepairJob> job = m_form.dispatch(row, dialog.result());
    reloadJob();
    if (job)
        showDispatchBill(*job);
}
