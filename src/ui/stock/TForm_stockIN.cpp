#include "ui/stock/TForm_stockIN.h"

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

TForm_stockIN::TForm_stockIN(AppContext &ctx, QWidget *parent) : QDialog(parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("配件入库"));
    auto *layout = new QVBoxLayout(this);

    auto *title = new QLabel(QStringLiteral("－入 库 单－"), this);
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
    handledByEdit = new QLineEdit(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QLocale(QLocale::Chinese, QLocale::China).dateFormat(QLocale::LongFormat));
    supplierBox = new QComboBox(this);
    supplierBox->setEditable(true);
    reasonBox = new QComboBox(this);
    reasonBox->setEditable(true);
    reasonBox->addItems(StockInForm::reasons());
    addLabelled(0, 0, QStringLiteral("单据编号："), billNumberEdit);
    addLabelled(0, 1, QStringLiteral("经办人："), handledByEdit);
    addLabelled(0, 2, QStringLiteral("入库日期："), dateEdit);
    addLabelled(1, 0, QStringLiteral("供应商："), supplierBox);
    addLabelled(1, 1, QStringLiteral("入库原因："), reasonBox);
    layout->addLayout(header);

    grid = new BillGrid(&m_form.lines(), this);
    grid->pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };
    pickButton = grid->pickButton();
    layout->addWidget(grid, 1);

    auto *buttons = new QHBoxLayout;
    continueBox = new QCheckBox(QStringLiteral("保存后继续入库"), this);
    continueBox->setChecked(true);
    stockInButton = new QPushButton(QStringLiteral("入库[&I]"), this);
    clearButton = new QPushButton(QStringLiteral("清空[&C]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addWidget(continueBox);
    buttons->addStretch(1);
    buttons->addWidget(stockInButton);
    buttons->addWidget(clearButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);

    // The keyboard: the header from the supplier (number, operator and date are filled in), the
    // lines with the grid's own Enter walk, and from an empty line on to "入库[&I]".
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(billNumberEdit);
    keys->field(handledByEdit);
    keys->field(dateEdit);
    keys->field(supplierBox);
    keys->route(reasonBox, [this] { return ScreenKit::Step::to(grid); });
    keys->field(grid, {}, ScreenKit::Walk::OwnKeys);
    keys->field(continueBox, {}, ScreenKit::Walk::Aside);
    keys->button(stockInButton, grid->committing([this] { onStockIn(); }));
    keys->button(clearButton, grid->committing([this] { m_form.clear(); }));
    keys->button(exitButton, [this] { reject(); });
    keys->startAt(supplierBox);
    connect(grid, &BillGrid::linesDone, this, [this] { ScreenKit::focus(stockInButton); });

    // The whole bill on a 1366 × 768 screen: every column and line in view, nothing past the edge.
    resize(sizeHint().expandedTo(QSize(760, 0)));
    grid->home();
}

void TForm_stockIN::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_form.open();
    handledByEdit->setText(m_form.handledBy);
    supplierBox->clear();
    supplierBox->addItems(m_form.suppliers());
    supplierBox->setEditText(m_form.supplier);
    billNumberEdit->setText(m_form.billNumber);
    reasonBox->setEditText(m_form.reason);
    dateEdit->setDate(m_form.date);
    grid->home();
}

void TForm_stockIN::readHeader()
{
    m_form.billNumber = billNumberEdit->text();
    m_form.handledBy = handledByEdit->text();
    m_form.date = dateEdit->date();
    m_form.supplier = supplierBox->currentText();
    m_form.reason = reasonBox->currentText();
    m_form.continueAfterSave = continueBox->isChecked();
}

void TForm_stockIN::onStockIn()
{
    readHeader();
    const StockInForm::Outcome outcome = m_form.stockIn();
    if (outcome == StockInForm::Outcome::Refused)
        return;
    billNumberEdit->setText(m_form.billNumber);
    if (outcome == StockInForm::Outcome::SavedClose) {
        accept();
        return;
    }
    // The next bill starts where the last one did.
    grid->home();
    ScreenKit::focus(grid);
}
