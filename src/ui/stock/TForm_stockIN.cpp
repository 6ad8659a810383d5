#include "ui/stock/TForm_stockIN.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using C = StockInForm;

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
        auto *label = new QLabel(caption, this);
        label->setBuddy(input);
        input->setAccessibleName(caption);
        header->addWidget(label, row, col * 2);
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
    // Enter in the header moves on to the next field, from the last one into the lines.
    auto *keys = new ScreenKit(this, ctx.prompter);
    for (QWidget *input : std::initializer_list<QWidget *>{billNumberEdit, handledByEdit, dateEdit, supplierBox})
        keys->field(input);

    grid = new QTableWidget(C::LineCount, C::ColumnCount, this);
    grid->setHorizontalHeaderLabels(StockInForm::headers());
    QStringList numbers;
    for (int i = 1; i <= C::LineCount; ++i)
        numbers << QString::number(i);
    grid->setVerticalHeaderLabels(numbers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int r = 0; r < C::LineCount; ++r)
        for (int c = 0; c < C::ColumnCount; ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    layout->addWidget(grid, 1);
    keys->route(reasonBox, [this] { return ScreenKit::Step::to(grid); });
    keys->field(grid, {}, ScreenKit::Walk::OwnKeys);

    pickButton = new QToolButton(grid->viewport());
    pickButton->setText(QStringLiteral("..."));
    pickButton->setToolTip(QStringLiteral("点击选择配件"));
    pickButton->setFocusPolicy(Qt::NoFocus);
    pickButton->hide();

    auto *buttons = new QHBoxLayout;
    continueBox = new QCheckBox(QStringLiteral("保存后继续入库"), this);
    continueBox->setChecked(true);
    stockInButton = new QPushButton(QStringLiteral("入库[&I]"), this);
    clearButton = new QPushButton(QStringLiteral("清空[&C]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    for (QPushButton *b : {stockInButton, clearButton, exitButton})
        b->setAutoDefault(false);
    buttons->addWidget(continueBox);
    buttons->addStretch(1);
    buttons->addWidget(stockInButton);
    buttons->addWidget(clearButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);

    pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };

    connect(grid, &QTableWidget::cellChanged, this, &TForm_stockIN::onItemChanged);
    connect(grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { onCurrentCellChanged(row, column); });
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, &TForm_stockIN::placePickButton);
    connect(pickButton, &QToolButton::clicked, this, &TForm_stockIN::onPick);
    connect(stockInButton, &QPushButton::clicked, this, &TForm_stockIN::onStockIn);
    connect(clearButton, &QPushButton::clicked, this, &TForm_stockIN::onClear);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 520);
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
    grid->setFocus();
    grid->setCurrentCell(0, C::PartNo);
    onCurrentCellChanged(0, C::PartNo);
}

void TForm_stockIN::onItemChanged(int row, int column)
{
    if (m_filling)
        return;
    m_form.setCell(row, column, grid->item(row, column)->text());
    showLine(row, m_form.cellEdited(row, column));
}

void TForm_stockIN::onCurrentCellChanged(int row, int column)
{
    if (row < 0)
        return;
    if (column == C::PartNo) {
        m_pickLine = row;
        placePickButton();
    } else {
        pickButton->hide();
    }
    if (m_form.cellSelected(row, column))
        showLine(row, {C::Amount});
}

void TForm_stockIN::placePickButton()
{
    if (m_pickLine < 0 || grid->currentColumn() != C::PartNo)
        return;
    const QRect cell = grid->visualRect(grid->model()->index(m_pickLine, C::PartNo));
    const int w = cell.height();
    pickButton->setGeometry(cell.right() - w + 1, cell.top(), w, cell.height());
    pickButton->show();
    pickButton->raise();
}

void TForm_stockIN::onPick()
{
    if (m_pickLine < 0)
        return;
    const int line = m_pickLine;
    const auto choice = pickPart();
    if (!choice || choice->partNo.isEmpty())
        return;
    m_form.applyChoice(line, *choice);
    showLine(line, {C::PartNo, C::Name, C::Category, C::Unit, C::Model, C::Quantity, C::Price, C::Amount});
}

void TForm_stockIN::showLine(int line, const QList<int> &columns)
{
    m_filling = true;
    for (int c : columns)
        grid->item(line, c)->setText(m_form.cell(line, c));
    m_filling = false;
}

void TForm_stockIN::showGrid()
{
    m_filling = true;
    for (int r = 0; r < C::LineCount; ++r)
        for (int c = 0; c < C::ColumnCount; ++c)
            grid->item(r, c)->setText(m_form.cell(r, c));
    m_filling = false;
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
    showGrid();
    billNumberEdit->setText(m_form.billNumber);
    if (outcome == StockInForm::Outcome::SavedClose)
        accept();
}

void TForm_stockIN::onClear()
{
    m_form.clear();
    showGrid();
}
