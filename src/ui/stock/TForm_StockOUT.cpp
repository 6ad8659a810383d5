#include "ui/stock/TForm_StockOUT.h"

#include "forms/app/AppContext.h"
#include "ui/bills/BillGrid.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TForm_StockOUT::TForm_StockOUT(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("商品出库"));
    auto *layout = new QVBoxLayout(this);

    auto *title = new QLabel(QStringLiteral("－出库单－"), this);
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);
    layout->addWidget(title);

    auto *header = new QGridLayout;
    auto addLabelled = [&](int row, int col, const QString &caption, QWidget *input) {
        header->addWidget(ScreenKit::caption(input, caption), row, col * 2);
        header->addWidget(input, row, col * 2 + 1);
    };
    billNumberEdit = new QLineEdit(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QLocale(QLocale::Chinese, QLocale::China).dateFormat(QLocale::LongFormat));
    handledByEdit = new QLineEdit(this);
    reasonBox = new QComboBox(this);
    reasonBox->setEditable(true);
    reasonBox->addItems(StockOutForm::reasons());
    addLabelled(0, 0, QStringLiteral("单据编号："), billNumberEdit);
    addLabelled(0, 1, QStringLiteral("日期："), dateEdit);
    addLabelled(0, 2, QStringLiteral("经办人："), handledByEdit);
    addLabelled(1, 0, QStringLiteral("出库原因："), reasonBox);
    layout->addLayout(header);

    grid = new BillGrid(&m_form.lines(), this);
    grid->pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };
    pickButton = grid->pickButton();
    layout->addWidget(grid, 1);

    auto *buttons = new QHBoxLayout;
    continueBox = new QCheckBox(QStringLiteral("保存后继续出库"), this);
    continueBox->setChecked(true);
    stockOutButton = new QPushButton(QStringLiteral("出库[&O]"), this);
    clearButton = new QPushButton(QStringLiteral("清空[&E]"), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    buttons->addWidget(continueBox);
    buttons->addStretch(1);
    buttons->addWidget(stockOutButton);
    buttons->addWidget(clearButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    // The keyboard: the header from the reason (number, date and operator are filled in), the
    // lines with the grid's own Enter walk, and from an empty line on to "出库[&O]".
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(billNumberEdit);
    keys->field(dateEdit);
    keys->field(handledByEdit);
    keys->route(reasonBox, [this] { return ScreenKit::Step::to(grid); });
    keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
    keys->field(continueBox, {}, ScreenKit::Walk::Aside);
    keys->button(stockOutButton, grid->committing([this] { onStockOut(); }));
    keys->button(clearButton, grid->committing([this] { m_form.clear(); }));
    keys->button(closeButton, [this] { reject(); });
    keys->startAt(reasonBox);
    connect(grid, &BillGrid::linesDone, this, [this] { ScreenKit::focus(stockOutButton); });

    // The whole bill on a 1366 × 768 screen: every column and line in view, nothing past the edge.
    resize(sizeHint().expandedTo(QSize(720, 0)));
    grid->home();
}

void TForm_StockOUT::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_form.open();
    handledByEdit->setText(m_form.handledBy);
    billNumberEdit->setText(m_form.billNumber);
    reasonBox->setEditText(m_form.reason);
    dateEdit->setDate(m_form.date);
    grid->home();
}

void TForm_StockOUT::readHeader()
{
    m_form.billNumber = billNumberEdit->text();
    m_form.handledBy = handledByEdit->text();
    m_form.date = dateEdit->date();
    m_form.reason = reasonBox->currentText();
    m_form.continueAfterSave = continueBox->isChecked();
}

void TForm_StockOUT::onStockOut()
{
    readHeader();
    const StockOutForm::Outcome outcome = m_form.stockOut();
    if (outcome == StockOutForm::Outcome::Refused)
        return;
    billNumberEdit->setText(m_form.billNumber);
    if (outcome == StockOutForm::Outcome::SavedClose) {
        accept();
        return;
    }
    // The next bill starts where the last one did.
    grid->home();
    ScreenKit::focus(grid);
}
