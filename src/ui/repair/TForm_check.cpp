#include "ui/repair/TForm_check.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_selRepairItem.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairPartsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_check::TForm_check(AppContext &ctx, RightsTable::Access access, QWidget *parent)
    : RepairQueueScreen(ctx, parent), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("检测报价"));
    auto *layout = new QVBoxLayout(this);
    makeQueueList(m_form);
    layout->addWidget(list, 3);

    auto *bottom = new QHBoxLayout;
    parts = new RepairPartsPanel(ctx, m_form.parts(), this);
    bottom->addWidget(parts, 1);

    auto *right = new QVBoxLayout;
    auto *techBox = new QGroupBox(QStringLiteral("维修技术员"), this);
    auto *techLayout = new QHBoxLayout(techBox);
    technicianBox = new QComboBox(techBox);
    technicianBox->setAccessibleName(QStringLiteral("维修技术员"));
    techLayout->addWidget(technicianBox);
    right->addWidget(techBox);

    auto *quote = new QGroupBox(QStringLiteral("维修报价"), this);
    auto *q = new QGridLayout(quote);
    partsFeeEdit = new QLineEdit(quote);
    extraFeeEdit = new QLineEdit(quote);
    labourFeeEdit = new QLineEdit(quote);
    totalEdit = new QLineEdit(quote);
    totalEdit->setReadOnly(true);
    totalEdit->setEnabled(false); // computed, shown greyed
    extraNoteEdit = new QLineEdit(quote);
    itemPickButton = new QPushButton(QStringLiteral("..."), quote);
    itemPickButton->setToolTip(QStringLiteral("选择维修项目"));
    itemPickButton->setFixedWidth(28);
    int r = 0;
    for (const auto &[edit, caption] : {std::pair{partsFeeEdit, "材料费："}, std::pair{extraFeeEdit, "附加费："},
                                        std::pair{labourFeeEdit, "维修费："}, std::pair{totalEdit, "合 计："}}) {
        q->addWidget(ScreenKit::caption(edit, QString::fromUtf8(caption)), r, 0);
        q->addWidget(edit, r++, 1, 1, 2);
    }
    q->addWidget(ScreenKit::caption(extraNoteEdit, QStringLiteral("附加费说明:")), r, 0);
    q->addWidget(extraNoteEdit, r, 1);
    q->addWidget(itemPickButton, r, 2);
    right->addWidget(quote);

    auto *buttons = new QHBoxLayout;
    finishButton = new QPushButton(QStringLiteral("完成"), this);
    receiptButton = new QPushButton(QStringLiteral("凭证"), this);
    buttons->addWidget(finishButton);
    buttons->addWidget(receiptButton);
    right->addLayout(buttons);
    right->addStretch(1);
    bottom->addLayout(right);
    layout->addLayout(bottom, 2);

    // The keyboard: the search bar and the list, the part lines and their editor, then the
    // technician and the quotation (Enter: technician → 材料费 → 附加费 → 维修费 → "完成").
    using Step = ScreenKit::Step;
    parts->addTo(*m_keys);
    m_keys->route(technicianBox, [this] { return Step::to(partsFeeEdit); });
    m_keys->route(partsFeeEdit, feeRoute());
    m_keys->route(extraFeeEdit, feeRoute());
    m_keys->route(labourFeeEdit, feeRoute(finishButton));
    m_keys->field(totalEdit);
    m_keys->route(extraNoteEdit, [this] {
        flush();
        return Step::to(finishButton);
    });
    m_keys->button(itemPickButton, [this] { onPickItem(); }, ScreenKit::Walk::Aside);
    m_keys->button(finishButton, [this] { onFinish(); });
    m_keys->button(receiptButton, [this] { onReceipt(); });
    // Leaving a fee box writes the fees, the total following; leaving the note writes it.
    watchEdits({partsFeeEdit, extraFeeEdit, labourFeeEdit, extraNoteEdit});

    showReceipt = [this](const RepairJob &job) { RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Check, this); };

    connect(technicianBox, &QComboBox::activated, this, [this] {
        m_keys->run([this] {
            if (!m_job)
                return;
            m_form.saveTechnician(m_row, technicianBox->currentText());
            m_job->technician = technicianBox->currentText();
            ScreenKit::focus(partsFeeEdit);
        });
    });
    connect(parts, &RepairPartsPanel::partsChanged, this, [this] {
        m_form.partsChanged(m_row);
        reloadJob();
    });

    technicianBox->addItems(m_form.technicians());
    m_form.open();
    showRow(list->currentRow());
}

TForm_check::~TForm_check()
{
    // Closing writes what the shown job still holds unwritten.
    m_keys->run([this] { flush(); });
}

void TForm_check::showJob()
{
    const bool any = m_job.has_value();
    const RepairJob j = m_job.value_or(RepairJob{});
    parts->showJob(any ? j.number : QString());
    showFees();
    extraNoteEdit->setText(j.extraFeeNote);
    technicianBox->setCurrentIndex(technicianBox->findText(j.technician));
    // An empty list leaves nothing to quote.
    setFeesEditable(any);
    technicianBox->setEnabled(any);
}

void TForm_check::saveEdits()
{
    if (extraNoteEdit->text() != m_job->extraFeeNote) {
        m_form.saveExtraFeeNote(m_row, extraNoteEdit->text());
        m_job->extraFeeNote = extraNoteEdit->text();
    }
}

void TForm_check::onFinish()
{
    const int row = flushedRow();
    if (row < 0)
        return;
    m_form.finish(row);
    reloadJob();
}

void TForm_check::onReceipt()
{
    const std::optional<RepairJob> j = m_form.job(currentRow());
    if (j)
        showReceipt(*j);
}

void TForm_check::onPickItem()
{
    if (!m_job)
        return;
    const std::optional<RepairItemChoice> item = TForm_selRepairItem::choose(m_ctx, this);
    if (!item)
        return;
    m_form.takeRepairItem(m_row, *item);
    reloadJob();
}
