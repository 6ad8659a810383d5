#include "ui/repair/TForm_check.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_selRepairItem.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairPartsPanel.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TForm_check::TForm_check(AppContext &ctx, RightsTable::Access access, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_form(ctx, access)
{
    setWindowTitle(QStringLiteral("检测报价"));
    auto *layout = new QVBoxLayout(this);
    m_keys = new ScreenKit(this, ctx.prompter);
    list = new ListScreen(m_form, *m_keys, this);
    searchBox = list->searchBox;
    searchModeBox = list->searchModeBox;
    findButton = list->findButton;
    grid = list->grid;
    list->sortBox->hide(); // this queue has no sort items
    grid->setToolTip(QStringLiteral("双击显示维修明细"));
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
    m_keys->route(partsFeeEdit, [this] { return saveFees() ? Step::next() : Step::stay(); });
    m_keys->route(extraFeeEdit, [this] { return saveFees() ? Step::next() : Step::stay(); });
    m_keys->route(labourFeeEdit, [this] { return saveFees() ? Step::to(finishButton) : Step::stay(); });
    m_keys->field(totalEdit);
    m_keys->route(extraNoteEdit, [this] {
        flush();
        return Step::to(finishButton);
    });
    m_keys->button(itemPickButton, [this] { onPickItem(); }, ScreenKit::Walk::Aside);
    m_keys->button(finishButton, [this] { onFinish(); });
    m_keys->button(receiptButton, [this] { onReceipt(); });
    // After a database error the list is read again, so what it shows is what the file holds.
    m_keys->onError([this] {
        m_row = -1;
        m_form.refresh();
    });
    for (QLineEdit *e : {partsFeeEdit, extraFeeEdit, labourFeeEdit, extraNoteEdit})
        e->installEventFilter(this);
    setFocusProxy(list);

    showReceipt = [this](const RepairJob &job) { RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Check, this); };

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

int TForm_check::currentRow() const
{
    return list->currentRow();
}

void TForm_check::showRow(int row)
{
    m_row = row;
    m_job = m_form.job(row);
    parts->showJob(m_job ? m_job->number : QString());
    showJob();
}

void TForm_check::showFees()
{
    const bool any = m_job.has_value();
    const RepairJob j = m_job.value_or(RepairJob{});
    partsFeeEdit->setText(any ? j.partsFee.toText() : QString());
    extraFeeEdit->setText(any ? j.extraFee.toText() : QString());
    labourFeeEdit->setText(any ? j.labourFee.toText() : QString());
    totalEdit->setText(any ? j.totalFee.toText() : QString());
}

void TForm_check::showJob()
{
    const bool any = m_job.has_value();
    const RepairJob j = m_job.value_or(RepairJob{});
    showFees();
    extraNoteEdit->setText(j.extraFeeNote);
    technicianBox->setCurrentIndex(technicianBox->findText(j.technician));
    // An empty list leaves nothing to quote.
    for (QLineEdit *e : {partsFeeEdit, extraFeeEdit, labourFeeEdit})
        e->setReadOnly(!any);
    technicianBox->setEnabled(any);
}

bool TForm_check::saveFees(bool refocus)
{
    if (!m_job)
        return true;
    const RepairQueueForm::FeeTexts typed{partsFeeEdit->text(), labourFeeEdit->text(), extraFeeEdit->text()};
    if (typed.parts == m_job->partsFee.toText() && typed.labour == m_job->labourFee.toText()
        && typed.extra == m_job->extraFee.toText())
        return true;
    RepairQueueForm::Fee refused;
    if (!m_form.saveFees(m_row, typed, &refused)) {
        if (!refocus)
            return false;
        QLineEdit *e = refused == RepairQueueForm::Fee::Parts ? partsFeeEdit
                       : refused == RepairQueueForm::Fee::Labour ? labourFeeEdit : extraFeeEdit;
        ScreenKit::focus(e);
        return false;
    }
    reloadJob();
    return true;
}

void TForm_check::reloadJob()
{
    // Only the fee boxes: the note box may hold an edit of its own, still to be written.
    m_job = m_form.job(m_row);
    showFees();
}

void TForm_check::flush()
{
    if (!m_job || m_row < 0)
        return;
    if (extraNoteEdit->text() != m_job->extraFeeNote) {
        m_form.saveExtraFeeNote(m_row, extraNoteEdit->text());
        m_job->extraFeeNote = extraNoteEdit->text();
    }
    if (!saveFees(false))
        showFees(); // a fee that is not an amount is dropped (its message shown)
}

bool TForm_check::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving a fee box writes the fees, the total following; leaving the note writes it. Not
    // when a message box or a popup takes the focus for a moment.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::OtherFocusReason)
            m_keys->run([this] { flush(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TForm_check::onFinish()
{
    const int row = currentRow();
    if (row < 0)
        return;
    flush();
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

void TForm_check::openDetail()
{
    const int row = currentRow();
    if (row < 0)
        return;
    flush();
    TForm_repairDetail detail(m_ctx, m_form.customer(row), m_form.number(row), QString(), this);
    detail.exec();
    // The super user may have changed the job there.
    m_form.reread(row);
    showRow(row);
}
